#pragma once

#include <string>
#include <string_view>

namespace fw {

// Replaces the file at `path` by `text` in one rename: the new content goes to a temporary
// file in the same directory first, so a crash or a full disk leaves either the old file or
// the new one, never a cut-short mix. Keeps the permissions of a file that existed. A
// symbolic link is written through: the file it names is replaced, in that file's folder,
// and the link stays. A folder, a device, a pipe or a file without write permission is
// refused. Stale temporary files of earlier, killed writes of the same file are removed.
// Returns an error text with the system's reason, "" on success; on failure the old file is
// untouched.
std::string WriteFileAtomically(const std::string& path, std::string_view text);

}  // namespace fw
