#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace fw {

// Replaces the folder at `path` (or creates it) as a whole: `fill` writes the new content
// into a fresh temporary folder beside it, and only when it returns "" does that folder take
// the place of the old one, by rename. A failed or interrupted fill leaves the old folder as
// it was and removes the temporary one. Missing parent folders are created. Returns "" or
// the error (fill's own, or why the folder could not be put in place).
std::string ReplaceDirectory(const std::string& path,
                             const std::function<std::string(const std::string& folder)>& fill);

// Writes one file inside a folder that `ReplaceDirectory` is filling: written and flushed to
// the disk, so the rename publishes complete files. Returns "" or the error.
std::string WriteNewFile(const std::string& path, std::string_view bytes);

}  // namespace fw
