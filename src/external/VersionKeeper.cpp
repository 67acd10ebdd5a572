#include "external/VersionKeeper.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "external/GameFolder.h"
#include "external/IniFile.h"
#include "external/SuiteStrings.h"
#include "external/VersionRegistry.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

constexpr const char* DATA_PREFIX = "descent.";
constexpr const char* RECORD = "Version";

std::string DataDir(const std::string& suiteDir) {
    return suiteDir + "ddata/";
}

// The number n of a data file "descent.<n>", or 0 for any other name.
int DataFileNumber(const std::string& name) {
    if (!name.starts_with(DATA_PREFIX)) return 0;
    std::string digits = name.substr(std::string_view(DATA_PREFIX).size());
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(digits);
}

// The game's missions folder in any case, else the game folder itself.
std::string LevelFolder(const std::string& gameDir) {
    std::error_code ec;
    for (fs::directory_iterator it(gameDir, ec), end; !ec && it != end; it.increment(ec))
        if (UpperCase(it->path().filename().string()) == "MISSIONS" && it->is_directory(ec))
            return AddSlash(it->path().string());
    return gameDir;
}

// Section names the registry file uses for itself.
bool Reserved(const std::string& name) {
    std::string upper = UpperCase(name);
    return upper == "CURRENT" || upper == "DIRECTORIES" || upper == "DTOOLS";
}

std::string CheckName(const std::string& name, const std::vector<RegisteredVersion>& existing) {
    if (!HasContent(name)) return "Give the version a name.";
    if (name.find_first_of("[]=;\r\n") != std::string::npos || name[0] == '#')
        return "A version name cannot contain [ ] = ; or start with #.";
    if (Reserved(name)) return "'" + name + "' is a name the registry uses itself.";
    for (const RegisteredVersion& v : existing)
        if (UpperCase(v.name) == UpperCase(name))
            return "A version named '" + v.name + "' is already registered.";
    return "";
}

}  // namespace

std::vector<RegisteredVersion> ListVersions(const std::string& suiteDir) {
    std::vector<std::pair<int, std::string>> files;
    std::error_code ec;
    for (fs::directory_iterator it(DataDir(suiteDir), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (int n = DataFileNumber(name); n > 0 && it->is_regular_file(ec))
            files.emplace_back(n, name);
    }
    std::sort(files.begin(), files.end());
    std::vector<RegisteredVersion> versions;
    for (const auto& [n, file] : files) {
        RegisteredVersion v;
        v.dataFile = file;
        v.name = TrimBlanks(IniRead(DataDir(suiteDir), file, RECORD, "Name"));
        v.dir = IniRead(DataDir(suiteDir), file, RECORD, "Dir");
        v.levelDir = IniRead(DataDir(suiteDir), file, RECORD, "LevelDir");
        if (HasContent(v.name)) versions.push_back(std::move(v));
    }
    return versions;
}

std::string CurrentVersionName(const std::string& suiteDir) {
    return TrimBlanks(IniRead(suiteDir, DESCENT_INI_FILE, "Current", "DescVers"));
}

std::string SuggestVersionName(const std::string& gameDir) {
    fs::path dir = fs::path(gameDir).lexically_normal();
    std::string folder =
        dir.has_filename() ? dir.filename().string() : dir.parent_path().filename().string();
    return folder.empty() ? "Descent 2" : "Descent 2 (" + folder + ")";
}

std::string AddVersion(const std::string& suiteDir, const std::string& name,
                       const std::string& gameDir) {
    std::vector<RegisteredVersion> existing = ListVersions(suiteDir);
    std::string trimmed = TrimBlanks(name);
    if (std::string error = CheckName(trimmed, existing); !error.empty()) return error;
    if (!HasGameTextureFile(gameDir))
        return "The folder '" + gameDir +
               "' holds no GROUPA.PIG. Choose the folder of Descent 2 (commercial, medium or "
               "larger installation).";
    RegisteredVersion v;
    v.name = trimmed;
    v.dir = AddSlash(gameDir);
    v.levelDir = LevelFolder(v.dir);
    int number = 1;
    std::error_code ec;
    while (fs::exists(DataDir(suiteDir) + DATA_PREFIX + std::to_string(number), ec)) ++number;
    v.dataFile = DATA_PREFIX + std::to_string(number);

    // The record first, the registry entry after it, so the registry never names a
    // version without its data file.
    for (auto [key, value] : {std::pair<const char*, const std::string&>{"Name", v.name},
                              {"Dir", v.dir},
                              {"LevelDir", v.levelDir}}) {
        std::string error = IniWrite(DataDir(suiteDir), v.dataFile, RECORD, key, value);
        if (!error.empty()) {
            fs::remove(DataDir(suiteDir) + v.dataFile, ec);
            return error;
        }
    }
    if (std::string error = IniWrite(suiteDir, DESCENT_INI_FILE, v.name, "Dir", v.dir);
        !error.empty())
        return error;
    if (!CurrentVersionValid(suiteDir)) return MarkCurrent(suiteDir, v);
    return "";
}

std::string MarkCurrent(const std::string& suiteDir, const RegisteredVersion& version) {
    // DescData last, so that a first registration counts only once it is complete.
    for (auto [key, value] : {std::pair<const char*, const std::string&>{"DescVers", version.name},
                              {"DescDir", version.dir},
                              {"LevelDir", version.levelDir},
                              {"DescData", version.dataFile}}) {
        std::string error = IniWrite(suiteDir, DESCENT_INI_FILE, "Current", key, value);
        if (!error.empty()) return error;
    }
    return "";
}

}  // namespace fw
