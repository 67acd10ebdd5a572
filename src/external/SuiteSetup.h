#pragma once

#include <string>

namespace fw {

// Program file of the version registry on this platform (the suite's own is "VKP32.EXE").
inline constexpr const char* VERSIONKEEPER_PROGRAM = "versionkeeper";
// File of the installed manual, relative to the manual directory in cobl.ini.
inline constexpr const char* MANUAL_FILE = "manual.html";

// What a new suite is made of: where it goes and where the programs it names live.
struct SuiteLayout {
    std::string suiteDir;
    std::string programDir;  // this program's settings and data (cobl.ini [Moduls_Dirs])
    std::string toolsDir;    // where versionkeeper is installed
    std::string manualDir;   // where the manual is installed; "" for none
};

// The layout the suite installer would choose for a program started from `executableDir`:
// the per-user suite directory, the program's files inside it, the tools beside the
// executable and the manual in ../share/doc/facetwork/ when it is there.
SuiteLayout UserSuiteLayout(const std::string& executableDir);

// Sets up a suite: its directory with _Temp/ and ddata/, and cobl.ini with the directories
// of this program, the version registry and the manual (existing keys are kept). Returns an
// error text, "" on success.
[[nodiscard]] std::string CreateSuite(const SuiteLayout& layout);

}  // namespace fw
