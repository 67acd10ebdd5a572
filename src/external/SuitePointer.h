#pragma once

#include <optional>
#include <string>

namespace fw {

// The suite pointer file names the directory of the Tunnelworks suite (section
// `Directories`, key `Cobl3`). Several suites can live side by side, so it is looked for in
// this order:
//   1. the file named by the environment variable COBL_CFG;
//   2. "cobl.cfg" beside the executable (a portable suite, such as the one in a build tree);
//   3. "cobl.cfg" in the user's configuration folder ($XDG_CONFIG_HOME/tunnelworks/, else
//      ~/.config/tunnelworks/).
inline constexpr const char* POINTER_FILE_NAME = "cobl.cfg";
inline constexpr const char* POINTER_ENVIRONMENT = "COBL_CFG";

// The first pointer file of the lookup order that exists, or nothing.
std::optional<std::string> FindPointerFile(const std::string& executableDir);

// Where the per-user pointer file and the per-user suite belong.
std::string UserPointerFile();
std::string UserSuiteDirectory();  // $XDG_DATA_HOME/tunnelworks/, else ~/.local/share/...

// The suite directory a pointer file names, with a trailing "/"; a relative name counts
// from the pointer file's folder. "" when the file names none.
std::string ReadSuiteDirectory(const std::string& pointerFile);

// Writes (or rewrites) a pointer file naming `suiteDir`. Returns an error text, "" on success.
[[nodiscard]] std::string WritePointerFile(const std::string& pointerFile,
                                           const std::string& suiteDir);

}  // namespace fw
