#include "config/FirstRunAssistant.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "config/ViewerSettings.h"
#include "external/GameFolder.h"
#include "external/SuiteStrings.h"

namespace fw {

namespace fs = std::filesystem;

std::string DefaultModelDirectory() {
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/TWTOOLS/_MYDATA/ZPMF/";
}

FirstRunAssistant::FirstRunAssistant(const Settings& settings, std::string gameDir,
                                     std::string suggestedModelDir)
    : settings_(settings), gameDir_(std::move(gameDir)) {
    modelDir_ = TrimBlanks(settings_.ModelDirectory());
    if (modelDir_.empty()) modelDir_ = std::move(suggestedModelDir);
}

void FirstRunAssistant::Next() {
    if (screen_ == 1 || (screen_ == 2 && IsoModeChosen())) ++screen_;
}

void FirstRunAssistant::Back() {
    if (screen_ == 2 || screen_ == 3) --screen_;
}

void FirstRunAssistant::Abort() {
    aborted_ = true;
    screen_ = 0;
}

std::string FirstRunAssistant::ChooseIsoMode(int mode) {
    if (mode != 1 && mode != 2) return "There is no preview mode " + std::to_string(mode) + ".";
    isoMode_ = mode;
    std::string error = settings_.WriteInt(setting::IsoMode, mode);
    for (int view = 0; view < 3; ++view) {
        if (error.empty()) error = settings_.SetGridIndex(view, DEFAULT_GRID_INDEX);
        if (error.empty()) error = settings_.SetSnapIndex(view, DEFAULT_SNAP_INDEX);
    }
    return error;
}

std::optional<FirstRunAssistant::Message> FirstRunAssistant::Finish(const std::string& gameDir,
                                                                    const std::string& modelDir,
                                                                    int screenWidthTwips) {
    std::string game = TrimBlanks(gameDir);
    std::string models = TrimBlanks(modelDir);
    if (!HasGameTextureFile(game)) return Message{"Error", WRONG_GAME_FOLDER_MESSAGE};
    if (models.empty()) return Message{"Error", "Enter a folder for the models."};
    std::error_code ec;
    fs::create_directories(models, ec);
    if (ec) return Message{"Error", "Cannot create the folder '" + models + "': " + ec.message()};

    std::string error = settings_.Write(setting::ModelDirectory, models);
    if (error.empty()) error = settings_.Write(setting::PigDir, game);
    if (error.empty()) error = settings_.Write(setting::UsePig, setting::UsePig.firstRun);
    if (error.empty() && settings_.Read(setting::SbxConfigured) != "1")
        error = WriteViewerDefaults(settings_);
    // Configured is written last of all, so a first run cut short runs again.
    if (error.empty()) error = settings_.WriteFirstRunValues(screenWidthTwips);
    if (!error.empty()) return Message{"Error", error};
    gameDir_ = game;
    modelDir_ = models;
    finished_ = true;
    screen_ = 0;
    if (importTextures) importTextures(game);
    return std::nullopt;
}

}  // namespace fw
