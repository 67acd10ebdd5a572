#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace fw {

// The temporary file an atomic write of `target` creates beside it: "." + name + ".XXXXXX".
std::string TempFilePattern(const std::filesystem::path& target);

// A save that was killed between writing its temporary file and renaming it leaves that
// file behind. Removes the regular files of this user in the target's folder whose names
// follow the target's temporary pattern and that were last written more than `age` ago (a
// younger one may belong to a save still running). Failures are ignored: this only tidies.
void RemoveStaleTempFiles(const std::filesystem::path& target,
                          std::chrono::seconds age = std::chrono::seconds(60));

}  // namespace fw
