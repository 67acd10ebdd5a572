#include "external/PreviewLink.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fw {

namespace fs = std::filesystem;

const std::string NO_SHADEBOX_MESSAGE =
    "Could not open Shadebox! Check your settings in the Options dialog, layer 'Tools'! Please "
    "note that you need Shadebox V2.5 or higher, or the viewer that comes with this editor: "
    "SBX/sbx in the suite directory.";

namespace {

// Settings are decimal text read leniently: a leading integer, anything else counts as 0.
int LenientInt(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    long value = std::strtol(begin, &end, 10);
    if (end == begin) return 0;
    return static_cast<int>(std::clamp<long>(value, -1000000, 1000000));
}

std::string InDirectory(const std::string& directory, const char* name) {
    return (fs::path(directory) / name).string();
}

bool IsProgram(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

const char* PreviewToggleKey(PreviewToggle which) {
    switch (which) {
        case PreviewToggle::Color:
            return "Color";
        case PreviewToggle::CullFace:
            return "CullFace";
        case PreviewToggle::Size2Poly:
            return "Size2Poly";
        case PreviewToggle::LinePoly:
            return "Line/Poly";
    }
    return "";
}

int PreviewToggleCode(PreviewToggle which) {
    switch (which) {
        case PreviewToggle::Color:
            return preview::COLOURING;
        case PreviewToggle::CullFace:
            return preview::CULL_FACE;
        case PreviewToggle::Size2Poly:
            return preview::SIZE_TO_POLYGON;
        case PreviewToggle::LinePoly:
            return preview::LINE_POLY;
    }
    return 0;
}

bool PreviewDefaultsNeeded(const PreviewSettings& settings) {
    return settings.Read(PREVIEW_SETTINGS_FILE, PREVIEW_SETTINGS_SECTION, "Configured") != "1";
}

void WritePreviewDefaults(PreviewSettings& settings) {
    for (const char* key : {"CullFace", "Color", "Size2Poly", "Line/Poly"})
        settings.Write(PREVIEW_SETTINGS_FILE, PREVIEW_SETTINGS_SECTION, key, "1");
    for (const char* key : {"BKColor", "TextureSet"})
        settings.Write(PREVIEW_SETTINGS_FILE, PREVIEW_SETTINGS_SECTION, key, "0");
    settings.Write(PREVIEW_SETTINGS_FILE, PREVIEW_SETTINGS_SECTION, "Configured", "1");
}

PreviewLink::PreviewLink(PreviewChannel& channel, PreviewSettings& settings,
                         PreviewEditor& editor, PreviewLinkDirectories directories)
    : channel_(channel), settings_(settings), editor_(editor), dirs_(std::move(directories)) {}

std::string PreviewLink::LiveFilePath() const {
    return InDirectory(dirs_.Temporary, LIVE_PREVIEW_FILE_NAME);
}
std::string PreviewLink::PreviewFilePath() const {
    return InDirectory(dirs_.Temporary, PREVIEW_COMMAND_FILE_NAME);
}
std::string PreviewLink::ViewerProgram() const {
    return InDirectory(dirs_.Suite, VIEWER_PROGRAM_PATH);
}
std::string PreviewLink::ControlPath() const {
    return InDirectory(dirs_.Temporary, PREVIEW_CONTROL_NAME);
}

int PreviewLink::ReadSetting(const char* key) const {
    return LenientInt(settings_.Read(PREVIEW_SETTINGS_FILE, PREVIEW_SETTINGS_SECTION, key));
}

void PreviewLink::StoreSetting(const char* key, int value) {
    settings_.Write(PREVIEW_SETTINGS_FILE, PREVIEW_SETTINGS_SECTION, key, std::to_string(value));
}

void PreviewLink::StartPreviewLink(const std::string& windowHandle) {
    active_ = false;
    std::string program = ViewerProgram();
    if (IsProgram(program))
        taskId_ = channel_.Launch(program, {LiveFilePath(), "0", "0", "1", "1", windowHandle},
                                  false);
    active_ = true;
    SetPreviewBackground(ReadSetting("BKColor"));
    SetPreviewTextureSet(ReadSetting("TextureSet"));
    for (PreviewToggle t : {PreviewToggle::Size2Poly, PreviewToggle::LinePoly,
                            PreviewToggle::CullFace, PreviewToggle::Color})
        SendPreviewCommand(PreviewToggleCode(t), 1, ReadSetting(PreviewToggleKey(t)), 0, 0);
}

void PreviewLink::SendPreviewCommand(int code, int a, int b, int c, int d) {
    channel_.Send(FormatPreviewCommand({code, a, b, c, d}));
}

void PreviewLink::SetPreviewBackground(int index) {
    SendPreviewCommand(preview::BACKGROUND_RED, 1, index & 4, 0, 0);
    SendPreviewCommand(preview::BACKGROUND_GREEN, 1, index & 2, 0, 0);
    SendPreviewCommand(preview::BACKGROUND_BLUE, 1, index & 1, 0, 0);
    StoreSetting("BKColor", index);
}

void PreviewLink::SetPreviewTextureSet(int index) {
    if (index >= 0 && index < preview::TEXTURE_SET_COUNT)
        SendPreviewCommand(preview::TEXTURE_SET_CODES[index], 0, 0, 0, 0);
    StoreSetting("TextureSet", index);
}

int PreviewLink::ToggleViewerSetting(PreviewToggle which) {
    // Anything but 1 counts as off, so a damaged value cannot leave the 0/1 range.
    int value = ReadSetting(PreviewToggleKey(which)) == 1 ? 0 : 1;
    StoreSetting(PreviewToggleKey(which), value);
    SendPreviewCommand(PreviewToggleCode(which), 1, value, 0, 0);
    return value;
}

bool PreviewLink::ViewerSettingOn(PreviewToggle which) const {
    return ReadSetting(PreviewToggleKey(which)) == 1;
}

int PreviewLink::BackgroundIndex() const {
    return ReadSetting("BKColor");
}

int PreviewLink::TextureSetIndex() const {
    return ReadSetting("TextureSet");
}

void PreviewLink::UpdateTexturedView() {
    pending_ = false;
    if (!active_) return;
    if (!editor_.WriteModel(LiveFilePath()).empty()) {
        editor_.ShowStatus(PREVIEW_UPDATE_ERROR, -1);
        return;
    }
    SendPreviewCommand(preview::RELOAD, 0, 0, 0, 0);
}

void PreviewLink::NoteRefresh(int kind, int isoMode) {
    if (active_ && kind == 2 && isoMode == 2) pending_ = true;
}

void PreviewLink::CommandFinished() {
    if (pending_) UpdateTexturedView();
}

void PreviewLink::PreviewBeforeDialog() {
    if (active_) SendPreviewCommand(preview::DIALOG, 0, 0, 0, 0);
}

void PreviewLink::PreviewAfterDialog() {
    UpdateTexturedView();
    if (active_) SendPreviewCommand(preview::DIALOG, 0, 1, 0, 0);
}

void PreviewLink::ClosePreviewLink() {
    if (active_) SendPreviewCommand(preview::QUIT, 0, 0, 0, 0);
    active_ = false;
    pending_ = false;
}

void PreviewLink::PreviewCommand() {
    editor_.ShowStatus("", 0);
    if (std::string error = editor_.WriteModel(PreviewFilePath()); !error.empty()) {
        editor_.ShowStatus(error, -1);
        return;
    }
    std::string program = settings_.Read(PREVIEW_PROGRAM_FILE, "DTools", "Shadebox");
    std::error_code ec;
    if (program.empty() || !fs::exists(program, ec)) {
        editor_.ShowError(ADD_ON_ERROR_CODE, ADD_ON_ERROR_TITLE, NO_SHADEBOX_MESSAGE);
        return;
    }
    channel_.Launch(program, {PreviewFilePath()}, true);
}

}  // namespace fw
