#include "external/SuitePointer.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "external/IniFile.h"
#include "external/SuiteStrings.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

constexpr const char* POINTER_SECTION = "Directories";
constexpr const char* POINTER_KEY = "Cobl3";

bool IsFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// An XDG base directory, or the fallback under the home folder. XDG says a relative value
// is invalid and must be ignored.
std::string XdgDirectory(const char* variable, const char* homeFallback) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/" + homeFallback;
}

}  // namespace

std::optional<std::string> FindPointerFile(const std::string& executableDir) {
    const char* named = std::getenv(POINTER_ENVIRONMENT);
    if (named && named[0] && IsFile(named)) return std::string(named);
    if (!executableDir.empty()) {
        fs::path beside = fs::path(executableDir) / POINTER_FILE_NAME;
        if (IsFile(beside)) return beside.string();
    }
    std::string user = UserPointerFile();
    if (IsFile(user)) return user;
    return std::nullopt;
}

std::string UserPointerFile() {
    return XdgDirectory("XDG_CONFIG_HOME", ".config") + "/tunnelworks/" + POINTER_FILE_NAME;
}

std::string UserSuiteDirectory() {
    return XdgDirectory("XDG_DATA_HOME", ".local/share") + "/tunnelworks/";
}

std::string ReadSuiteDirectory(const std::string& pointerFile) {
    fs::path pointer(pointerFile);
    std::string named = TrimBlanks(IniRead(
        pointer.parent_path().string(), pointer.filename().string(), POINTER_SECTION, POINTER_KEY));
    if (named.empty()) return "";
    fs::path dir(named);
    if (dir.is_relative()) dir = pointer.parent_path() / dir;
    return AddSlash(dir.lexically_normal().string());
}

std::string WritePointerFile(const std::string& pointerFile, const std::string& suiteDir) {
    fs::path pointer(pointerFile);
    return IniWrite(pointer.parent_path().string(), pointer.filename().string(), POINTER_SECTION,
                    POINTER_KEY, suiteDir);
}

}  // namespace fw
