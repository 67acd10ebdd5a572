#include "external/SuiteSetup.h"

#include <filesystem>
#include <system_error>

#include "external/IniFile.h"
#include "external/SuiteLibrary.h"
#include "external/SuitePointer.h"
#include "external/SuiteStrings.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

std::string CreateDirectory(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) return "Cannot create the folder '" + dir + "': " + ec.message();
    return "";
}

}  // namespace

SuiteLayout UserSuiteLayout(const std::string& executableDir) {
    SuiteLayout layout;
    layout.suiteDir = UserSuiteDirectory();
    layout.programDir = layout.suiteDir;
    layout.toolsDir = AddSlash(executableDir);
    std::error_code ec;
    fs::path manual = fs::path(executableDir) / ".." / "share" / "doc" / "facetwork";
    if (fs::is_regular_file(manual / MANUAL_FILE, ec))
        layout.manualDir = AddSlash(fs::weakly_canonical(manual, ec).string());
    return layout;
}

std::string CreateSuite(const SuiteLayout& layout) {
    const std::string& suite = layout.suiteDir;
    for (const char* sub : {"", "_Temp", "ddata"}) {
        std::string error = CreateDirectory(suite + sub);
        if (!error.empty()) return error;
    }
    // Keys the user or another tool has already set stay as they are.
    struct Entry {
        const char *section, *key;
        std::string value;
    };
    const Entry entries[] = {
        {"Detour", MODULE_NAME, ""},
        {"Moduls_Dirs", MODULE_NAME, layout.programDir},
        {"Moduls_Dirs", "VKP", layout.toolsDir},
        {"Moduls_Dirs", "FCTWMAN32", layout.manualDir},
        {"Moduls_EXEs", "FCTWMAN32", layout.manualDir.empty() ? "" : MANUAL_FILE},
    };
    for (const Entry& e : entries) {
        if (!IniRead(suite, SUITE_INI, e.section, e.key).empty()) continue;
        std::string error = IniWrite(suite, SUITE_INI, e.section, e.key, e.value);
        if (!error.empty()) return error;
    }
    return "";
}

}  // namespace fw
