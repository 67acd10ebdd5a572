#include "external/IniFile.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "external/AtomicFile.h"
#include "external/IniDocument.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

// The suite joins names with AddSlash and "\"; on this platform the path library joins
// them with the native separator.
fs::path IniPath(std::string_view directory, std::string_view file) {
    return fs::path(std::string(directory)) / std::string(file);
}

// The whole file, "" for a missing file, nothing when it exists but cannot be read.
std::optional<std::string> ReadAll(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return ec ? std::nullopt : std::optional<std::string>("");
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

}  // namespace

std::string IniRead(std::string_view directory, std::string_view file, std::string_view section,
                    std::string_view key) {
    auto text = ReadAll(IniPath(directory, file));
    if (!text) return "";
    return IniDocument(*text).Get(section, key).value_or("");
}

std::string IniWrite(std::string_view directory, std::string_view file, std::string_view section,
                     std::string_view key, std::string_view value) {
    fs::path path = IniPath(directory, file);
    std::error_code ec;
    // Write through a symbolic link to the file it names, leaving the link in place.
    if (fs::is_symlink(path, ec)) {
        fs::path link = fs::read_symlink(path, ec);
        if (!ec) path = link.is_absolute() ? link : path.parent_path() / link;
    }
    if (!path.parent_path().empty()) {
        fs::create_directories(path.parent_path(), ec);
        if (ec) return "Cannot create '" + path.parent_path().string() + "': " + ec.message();
    }
    auto text = ReadAll(path);
    if (!text) return "Cannot read '" + path.string() + "'.";
    IniDocument document(*text);
    std::string error = document.Set(section, key, value);
    if (!error.empty()) return error;
    std::string changed = document.Text();
    if (changed == *text) return "";
    return WriteFileAtomically(path.string(), changed);
}

}  // namespace fw
