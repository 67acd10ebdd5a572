#include "external/VersionRegistry.h"

#include <filesystem>
#include <system_error>

#include "external/IniFile.h"
#include "external/LaunchAndWait.h"
#include "external/SuiteLibrary.h"
#include "external/SuiteSetup.h"
#include "external/SuiteStrings.h"

namespace fw {

namespace {

std::string Registry(const std::string& suiteDir, std::string_view section, std::string_view key) {
    return IniRead(suiteDir, DESCENT_INI_FILE, section, key);
}

RegistryCheck End(int exitCode) {
    return {false, exitCode, {}};
}

RegistryCheck Fail(SuiteUi& ui, const SuiteError& error) {
    ui.ShowError(error);
    return End(1);
}

}  // namespace

bool CurrentVersionValid(const std::string& suiteDir) {
    if (Registry(suiteDir, "Current", "DescData").find("descent.") == std::string::npos)
        return false;
    std::string version = Registry(suiteDir, "Current", "DescVers");
    if (!HasContent(version)) return false;
    return HasContent(Registry(suiteDir, TrimBlanks(version), "Dir"));
}

std::string VersionkeeperPath(const std::string& suiteDir) {
    std::string dir = TrimBlanks(IniRead(suiteDir, SUITE_INI, "Moduls_Dirs", "VKP"));
    return dir.empty() ? "" : AddSlash(dir) + VERSIONKEEPER_PROGRAM;
}

RegistryCheck CheckVersionRegistry(const std::string& suiteDir, SuiteUi& ui) {
    std::string keeper = VersionkeeperPath(suiteDir);
    std::error_code ec;
    bool installed = !keeper.empty() && std::filesystem::is_regular_file(keeper, ec);
    if (!CurrentVersionValid(suiteDir)) {
        if (!installed)
            return Fail(ui, {"VKP0001", "VKP not installed",
                             "You need to install Versionkeeper (VKP) first. It is bundled with "
                             "all Tunnelworks modules."});
        if (!ui.AskYesNo("Versionkeeper",
                         "No Descent versions yet registered. You need to register at least one "
                         "in order to use this module! Do you want to call Versionkeeper now?"))
            return End(0);
        if (auto error = LaunchAndWait(keeper, ui)) return Fail(ui, *error);
        if (!CurrentVersionValid(suiteDir)) return End(0);
    }
    RegistryCheck check{true, 0, {}};
    GameVersion& v = check.version;
    v.dataFile = TrimBlanks(Registry(suiteDir, "Current", "DescData"));
    v.versionDataDir = suiteDir + "ddata/";
    v.gameDir = AddSlash(TrimBlanks(Registry(suiteDir, "Current", "DescDir")));
    v.levelDir = AddSlash(TrimBlanks(Registry(suiteDir, "Current", "LevelDir")));
    // The data file is a name inside ddata/, never a path elsewhere.
    if (v.dataFile.find('/') != std::string::npos ||
        !std::filesystem::is_regular_file(v.versionDataDir + v.dataFile, ec))
        return Fail(ui, {"VKP0001", "VKP error",
                         "Data file for current Descent version not found. Reinstall "
                         "Versionkeeper!"});
    return check;
}

}  // namespace fw
