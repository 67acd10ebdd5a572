#include "external/SuiteLibrary.h"

#include <filesystem>
#include <system_error>

#include "external/IniFile.h"
#include "external/SuitePointer.h"
#include "external/SuiteSetup.h"
#include "external/SuiteStrings.h"

namespace fw {

namespace fs = std::filesystem;

SuiteError NotInstalledError() {
    return {"SYS0000", "Cobl32 error", "Cobl3 is not properly installed!"};
}

std::string ProgramDirectory(const std::string& suiteDir, std::string_view moduleName,
                             const std::string& executableDir) {
    for (const char* section : {"Detour", "Moduls_Dirs"}) {
        std::string dir = TrimBlanks(IniRead(suiteDir, SUITE_INI, section, moduleName));
        if (!dir.empty()) return AddSlash(dir);
    }
    return AddSlash(executableDir);
}

SuiteStart InitialiseSuite(std::string_view moduleName, const std::string& executableDir) {
    SuiteStart start;
    std::optional<std::string> pointer = FindPointerFile(executableDir);
    if (!pointer) {
        // No suite at all: do what the suite's installer would have done.
        SuiteLayout layout = UserSuiteLayout(executableDir);
        std::string error = CreateSuite(layout);
        if (error.empty()) error = WritePointerFile(UserPointerFile(), layout.suiteDir);
        if (!error.empty()) {
            start.fatal = NotInstalledError();
            start.fatal->message += "\r\n" + error;
            return start;
        }
        start.createdUserSuite = true;
        pointer = UserPointerFile();
    }
    SuiteDirectories& dirs = start.dirs;
    dirs.pointerFile = *pointer;
    dirs.suite = ReadSuiteDirectory(*pointer);
    std::error_code ec;
    if (dirs.suite.empty() || !fs::is_regular_file(fs::path(dirs.suite) / SUITE_INI, ec)) {
        start.fatal = NotInstalledError();
        return start;
    }
    // From here on nothing is fatal: a temporary folder that cannot be made shows up when
    // something is written there.
    dirs.temp = dirs.suite + "_Temp/";
    fs::create_directories(dirs.temp, ec);
    dirs.program = ProgramDirectory(dirs.suite, moduleName, executableDir);
    dirs.data = dirs.program + "data/";
    return start;
}

}  // namespace fw
