#pragma once

#include <cstdint>
#include <string>

#include "external/PreviewChannel.h"
#include "external/PreviewCommandLine.h"
#include "external/PreviewSettings.h"

namespace fw {

// Files and names of the preview link inside the suite's directories.
inline constexpr const char* LIVE_PREVIEW_FILE_NAME = "temppol4.pol";  // the viewer reloads it
inline constexpr const char* PREVIEW_COMMAND_FILE_NAME = "TEMPPOL2.POL";  // Preview command
inline constexpr const char* PREVIEW_CONTROL_NAME = "sbxctl";  // the viewer's control socket
inline constexpr const char* VIEWER_PROGRAM_PATH = "SBX/sbx";  // below the suite directory

// Where the viewer's settings live: section SBX of cobl.ini; the Preview command's
// program: DTools/Shadebox in descent.ini.
inline constexpr const char* PREVIEW_SETTINGS_FILE = "cobl.ini";
inline constexpr const char* PREVIEW_SETTINGS_SECTION = "SBX";
inline constexpr const char* PREVIEW_PROGRAM_FILE = "descent.ini";

inline const std::string PREVIEW_UPDATE_ERROR = "Error in model_data. Cannot update textured view";
inline const std::string ADD_ON_ERROR_TITLE = "Add-on tool error";
inline const std::string ADD_ON_ERROR_CODE = "ADD0000";
extern const std::string NO_SHADEBOX_MESSAGE;

struct PreviewLinkDirectories {
    std::string Suite;      // holds SBX/sbx
    std::string Temporary;  // holds the live file, the Preview command's file and the socket
};

// What the link needs from the editor around it.
class PreviewEditor {
public:
    virtual ~PreviewEditor() = default;
    // Writes the model to `path` as a model file; "" on success, otherwise the writer's
    // message. Must work on a copy: the preview never renumbers the user's points.
    virtual std::string WriteModel(const std::string& path) = 0;
    // The status line (kind -1 error, 0 plain, 1 information).
    virtual void ShowStatus(const std::string& text, int kind) = 0;
    // The suite's error dialog.
    virtual void ShowError(const std::string& code, const std::string& title,
                           const std::string& text) = 0;
};

// The four on/off display settings of the viewer.
enum class PreviewToggle { Color, CullFace, Size2Poly, LinePoly };
const char* PreviewToggleKey(PreviewToggle which);  // "Color", "CullFace", ...
int PreviewToggleCode(PreviewToggle which);         // 119, 118, 117, 111

// True when the viewer settings still need their defaults (Configured is not "1").
bool PreviewDefaultsNeeded(const PreviewSettings& settings);
// The first run's defaults: CullFace, Color, Size2Poly, Line/Poly 1, BKColor, TextureSet 0,
// Configured 1.
void WritePreviewDefaults(PreviewSettings& settings);

// The editor's side of the textured preview: launches the viewer, keeps its display
// settings, and tells it to reload the live file after changes. Never waits for the viewer.
class PreviewLink {
public:
    PreviewLink(PreviewChannel& channel, PreviewSettings& settings, PreviewEditor& editor,
                PreviewLinkDirectories directories);

    std::string LiveFilePath() const;
    std::string PreviewFilePath() const;
    std::string ViewerProgram() const;
    std::string ControlPath() const;

    bool Active() const { return active_; }
    int64_t TaskId() const { return taskId_; }

    // Start-up: launches the viewer on the live file without taking the focus (skipped
    // silently when it is missing), marks the link active and sends the stored settings.
    // `windowHandle` is the main window's id in decimal.
    void StartPreviewLink(const std::string& windowHandle);
    // Sends one command whether or not the link is active (the channel drops what it
    // cannot deliver).
    void SendPreviewCommand(int code, int a, int b, int c, int d);

    // Store the index and send it (background: the red, green and blue bits; texture set:
    // the set's code for 0..5, nothing for any other index).
    void SetPreviewBackground(int index);
    void SetPreviewTextureSet(int index);
    // Flips a setting, stores and sends it; returns the new value.
    int ToggleViewerSetting(PreviewToggle which);
    // Stored values, for the menu's check marks.
    bool ViewerSettingOn(PreviewToggle which) const;
    int BackgroundIndex() const;
    int TextureSetIndex() const;

    // While active: writes the live file and sends 127, or shows the update error.
    void UpdateTexturedView();
    // Called for every refresh: a refresh of kind 2 in iso mode 2 asks for an update, done
    // once when the command finishes, however many refreshes a drag makes.
    void NoteRefresh(int kind, int isoMode);
    void CommandFinished();
    bool UpdatePending() const { return pending_; }

    // Around modal dialogs (500 0 0 0 0; update, then 500 0 1 0 0).
    void PreviewBeforeDialog();
    void PreviewAfterDialog();
    // Sends 101 while active and ends the link.
    void ClosePreviewLink();
    // The Preview command: writes the Preview command's file and starts the configured
    // viewer (DTools/Shadebox) on it with the focus, or shows the add-on tool error.
    void PreviewCommand();

private:
    int ReadSetting(const char* key) const;
    void StoreSetting(const char* key, int value);

    PreviewChannel& channel_;
    PreviewSettings& settings_;
    PreviewEditor& editor_;
    PreviewLinkDirectories dirs_;
    bool active_ = false;
    bool pending_ = false;
    int64_t taskId_ = 0;
};

}  // namespace fw
