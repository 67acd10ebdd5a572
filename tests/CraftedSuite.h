#pragma once

// A Tunnelworks suite in a temporary folder, with its own home, configuration and data
// folders and the environment pointed at them (restored afterwards), so that start-up can
// be driven through every path without touching the user's files.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace fw {

class CraftedSuite {
public:
    CraftedSuite() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fw-suite-XXXXXX").string();
        root_ = mkdtemp(pattern.data()) ? pattern : "";
        for (const char* dir : {"suite/ddata", "bin", "home", "config", "data", "game"})
            std::filesystem::create_directories(root_ / dir);
        SetEnv("HOME", Path("home"));
        SetEnv("XDG_CONFIG_HOME", Path("config"));
        SetEnv("XDG_DATA_HOME", Path("data"));
        SetEnv("COBL_CFG", std::nullopt);
    }
    ~CraftedSuite() {
        for (auto& [name, value] : savedEnv_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    CraftedSuite(const CraftedSuite&) = delete;
    CraftedSuite& operator=(const CraftedSuite&) = delete;

    // A path inside the temporary folder; folders end with "/".
    std::string Path(const std::string& relative) const { return (root_ / relative).string(); }
    std::string Suite() const { return Path("suite/"); }
    std::string Bin() const { return Path("bin/"); }
    std::string Game() const { return Path("game/"); }

    void Write(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << text;
    }
    // The file's text, or nothing when it does not exist.
    std::optional<std::string> Read(const std::string& relative) const {
        std::ifstream in(root_ / relative, std::ios::binary);
        if (!in) return std::nullopt;
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Exists(const std::string& relative) const {
        return std::filesystem::exists(root_ / relative);
    }

    void SetEnv(const std::string& name, const std::optional<std::string>& value) {
        if (!savedEnv_.count(name)) {
            const char* old = getenv(name.c_str());
            savedEnv_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }

    // A pointer file named by COBL_CFG that points to the suite folder.
    void PointToSuite() {
        Write("cobl.cfg", "[Directories]\nCobl3=" + Suite() + "\n");
        SetEnv("COBL_CFG", Path("cobl.cfg"));
    }
    // cobl.ini naming the program folder (the suite) and the registry program's folder.
    void InstallSuite() {
        Write("suite/cobl.ini", "[Moduls_Dirs]\nFCTWRK32=" + Suite() + "\nVKP=" + Bin() + "\n");
    }
    // A registered current version with its data file, and a game folder with the game's
    // texture file in lower case.
    void RegisterGame(const std::string& data = "descent.1", const std::string& name = "D2") {
        Write("suite/descent.ini", "[Current]\nDescData=" + data + "\nDescVers=" + name +
                                       "\nDescDir=" + Game() + "\nLevelDir=" + Game() +
                                       "missions\n[" + name + "]\nDir=" + Game() + "\n");
        Write("suite/ddata/" + data, "[Version]\nName=" + name + "\n");
        Write("game/groupa.pig", "PPIG");
    }
    void Configure(const std::string& configured = "3") {
        Write("suite/fctwrk32.ini", "[General]\nConfigured=" + configured + "\n");
    }
    // A stand-in for the registry program: a shell script run as it would be.
    void InstallVersionkeeper(const std::string& script) {
        Write("bin/versionkeeper", "#!/bin/sh\n" + script);
        chmod(Path("bin/versionkeeper").c_str(), 0755);
    }

private:
    std::filesystem::path root_;
    std::map<std::string, std::optional<std::string>> savedEnv_;
};

}  // namespace fw
