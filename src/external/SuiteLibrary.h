#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "external/SuiteError.h"

namespace fw {

// The module name under which this program finds its own directory in cobl.ini.
inline constexpr const char* MODULE_NAME = "FCTWRK32";
inline constexpr const char* SUITE_INI = "cobl.ini";

// The directories the suite library establishes at start-up; each ends with "/".
struct SuiteDirectories {
    std::string pointerFile;  // the pointer file that named the suite
    std::string suite;
    std::string temp;     // suite + "_Temp/", created when missing
    std::string program;  // cobl.ini [Detour] module, else [Moduls_Dirs] module, else the exe's
    std::string data;     // program + "data/"
    std::string lineBreak = "\r\n";
};

struct SuiteStart {
    SuiteDirectories dirs;
    std::optional<SuiteError> fatal;  // set: show it and end the program
    bool createdUserSuite = false;    // there was no suite: the per-user one was set up
};

// The suite library's initialisation for the program `moduleName` running from
// `executableDir`. Without any pointer file it sets up the per-user suite first, as the
// suite's installer would have. A pointer to a directory without cobl.ini is fatal.
SuiteStart InitialiseSuite(std::string_view moduleName, const std::string& executableDir);

// The program directory of `moduleName` as the table above says, with a trailing "/".
std::string ProgramDirectory(const std::string& suiteDir, std::string_view moduleName,
                             const std::string& executableDir);

// The fatal error of a missing or broken suite.
SuiteError NotInstalledError();

}  // namespace fw
