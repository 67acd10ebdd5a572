#pragma once

#include <string>
#include <string_view>

namespace fw {

// Replaces the file at `path` by `text` in one rename: the new content goes to a temporary
// file in the same directory first, so a crash or a full disk leaves either the old file or
// the new one, never a cut-short mix. Keeps the permissions of a file that existed. Returns
// an error text, "" on success; on failure the old file is untouched.
std::string WriteFileAtomically(const std::string& path, std::string_view text);

}  // namespace fw
