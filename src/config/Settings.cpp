#include "config/Settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "external/IniFile.h"
#include "external/SuiteStrings.h"
#include "model/NumberText.h"

namespace fw {

namespace {

// Rounds a number read from a file into [low, high]; huge and odd values cannot overflow.
int ClampedInt(double value, int low, int high) {
    if (std::isnan(value)) return low;
    return static_cast<int>(std::lround(std::clamp(value, double(low), double(high))));
}

bool ValidView(int view) {
    return view >= 0 && view < 3;
}

}  // namespace

bool SameSetting(const SettingKey& a, const SettingKey& b) {
    return a.file == b.file && UpperCase(a.section) == UpperCase(b.section) &&
           UpperCase(a.key) == UpperCase(b.key);
}

Settings::Settings() : Settings(DefaultDirectory()) {}

Settings::Settings(std::string directory) : directory_(std::move(directory)) {}

Settings::Settings(const Settings& other)
    : directory_(other.directory_), fileDirectories_(other.fileDirectories_) {}

Settings& Settings::operator=(const Settings& other) {
    directory_ = other.directory_;
    fileDirectories_ = other.fileDirectories_;
    return *this;
}

Settings::Subscription& Settings::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        Reset();
        listeners_ = std::move(other.listeners_);
        id_ = std::exchange(other.id_, 0);
        other.listeners_.reset();
    }
    return *this;
}

void Settings::Subscription::Reset() {
    if (auto list = listeners_.lock())
        std::erase_if(list->entries, [this](const auto& entry) { return entry.first == id_; });
    listeners_.reset();
}

Settings::Subscription Settings::Subscribe(Listener listener) const {
    int id = listeners_->next++;
    listeners_->entries.emplace_back(id, std::move(listener));
    return Subscription(listeners_, id);
}

void Settings::Notify(const SettingKey& key) const {
    // A listener may write settings or end subscriptions while it is told: walk a copy of
    // the ids and call only those still subscribed.
    auto& entries = listeners_->entries;
    std::vector<int> ids;
    for (const auto& entry : entries) ids.push_back(entry.first);
    for (int id : ids) {
        auto it = std::find_if(entries.begin(), entries.end(),
                               [id](const auto& entry) { return entry.first == id; });
        if (it == entries.end()) continue;
        Listener listener = it->second;  // the entry may go while it runs
        listener(key);
    }
}

std::string Settings::DefaultDirectory() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // XDG says a relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (config && config[0] == '/') return std::string(config) + "/facetwork";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.config/facetwork";
}

void Settings::SetFileDirectory(std::string_view file, std::string directory) {
    fileDirectories_[std::string(file)] = std::move(directory);
}

std::string Settings::FileDirectory(std::string_view file) const {
    auto it = fileDirectories_.find(file);
    return it != fileDirectories_.end() ? it->second : directory_;
}

std::string Settings::Read(const SettingKey& key) const {
    return IniRead(FileDirectory(key.file), key.file, key.section, key.key);
}

std::string Settings::Write(const SettingKey& key, std::string_view value) const {
    std::string error = IniWrite(FileDirectory(key.file), key.file, key.section, key.key, value);
    if (error.empty()) Notify(key);
    return error;
}

double Settings::ReadValue(const SettingKey& key) const {
    return ReadNumber(Read(key));
}

bool Settings::ReadFlag(const SettingKey& key) const {
    return Read(key) == "1";
}

std::string Settings::WriteFlag(const SettingKey& key, bool on) const {
    return Write(key, on ? "1" : "0");
}

std::string Settings::WriteInt(const SettingKey& key, int value) const {
    return Write(key, std::to_string(value));
}

int Settings::Configured() const {
    return ClampedInt(ReadValue(setting::Configured), 0, 1000);
}

int Settings::IsoMode() const {
    return ClampedInt(ReadValue(setting::IsoMode), 0, 2);
}

int Settings::GridIndex(int view) const {
    if (!ValidView(view)) return DEFAULT_GRID_INDEX;
    std::string text = Read(setting::Grid[view]);
    return text.empty() ? DEFAULT_GRID_INDEX : ClampedInt(ReadNumber(text), 0, 9);
}

int Settings::SnapIndex(int view) const {
    if (!ValidView(view)) return DEFAULT_SNAP_INDEX;
    std::string text = Read(setting::Snap[view]);
    return text.empty() ? DEFAULT_SNAP_INDEX : ClampedInt(ReadNumber(text), 0, 9);
}

std::string Settings::SetGridIndex(int view, int index) const {
    if (!ValidView(view)) return "There is no view " + std::to_string(view) + ".";
    return WriteInt(setting::Grid[view], std::clamp(index, 0, 9));
}

std::string Settings::SetSnapIndex(int view, int index) const {
    if (!ValidView(view)) return "There is no view " + std::to_string(view) + ".";
    return WriteInt(setting::Snap[view], std::clamp(index, 0, 9));
}

int Settings::SplitterH() const {
    return ClampedInt(ReadValue(setting::SplitterH), MIN_SPLITTER_H, 1'000'000);
}

int Settings::SplitterV() const {
    return ClampedInt(ReadValue(setting::SplitterV), -1'000'000, MAX_SPLITTER_V);
}

int Settings::MoveRateIndex() const {
    std::string text = Read(setting::MoveRate);
    return text.empty() ? DEFAULT_MOVE_RATE_INDEX : ClampedInt(ReadNumber(text), 0, 9);
}

std::string Settings::SetMoveRateIndex(int index) const {
    return WriteInt(setting::MoveRate, std::clamp(index, 0, 9));
}

std::string Settings::WriteFirstRunValues(int screenWidthTwips) const {
    auto [h, v] = SplitterPairForScreenWidth(screenWidthTwips);
    std::string error;
    auto write = [&](const SettingKey& key, std::string_view value) {
        if (error.empty()) error = Write(key, value);
    };
    write(setting::IsoMode, setting::IsoMode.firstRun);
    for (int view = 0; view < 3; ++view) {
        write(setting::Grid[view], setting::Grid[view].firstRun);
        write(setting::Snap[view], setting::Snap[view].firstRun);
    }
    write(setting::SplitterH, h);
    write(setting::SplitterV, v);
    // Last, so that an interrupted first run is run again.
    write(setting::Configured, setting::Configured.firstRun);
    return error;
}

std::pair<std::string_view, std::string_view> SplitterPairForScreenWidth(int widthTwips) {
    if (widthTwips <= 10500) return {"2480", "3100"};
    if (widthTwips <= 13000) return {"2725", "4410"};
    return {"3345", "6450"};
}

}  // namespace fw
