#pragma once

#include <string>

#include "external/SuiteError.h"

namespace fw {

// The registry of installed game versions that the suite's Versionkeeper keeps in the
// suite's descent.ini. This program only reads it.
inline constexpr const char* DESCENT_INI_FILE = "descent.ini";

// The current version, as kept for the rest of the run. Directories end with "/".
struct GameVersion {
    std::string dataFile;        // [Current] DescData
    std::string versionDataDir;  // the suite directory followed by "ddata/"
    std::string gameDir;         // [Current] DescDir
    std::string levelDir;        // [Current] LevelDir
    bool operator==(const GameVersion&) const = default;
};

// True when [Current] DescData contains "descent.", [Current] DescVers has content and the
// section it names has a Dir with content.
bool CurrentVersionValid(const std::string& suiteDir);

// The path of the registry program as cobl.ini names it ([Moduls_Dirs] VKP); "" when unset.
std::string VersionkeeperPath(const std::string& suiteDir);

struct RegistryCheck {
    bool proceed = false;  // false: the program ends with exitCode
    int exitCode = 0;
    GameVersion version;
};

// Makes sure a current version is registered, offering to run the registry program when
// none is, and reads the current version. Every failure ends the program: after the suite's
// error dialog where there is one, silently when the user declines or registers nothing.
RegistryCheck CheckVersionRegistry(const std::string& suiteDir, SuiteUi& ui);

}  // namespace fw
