#pragma once

#include <functional>
#include <string>

#include "model/Editor.h"
#include "modelfile/FileDialogs.h"

namespace fw {

// Main window title without a file, and with one.
inline constexpr const char* BASE_TITLE = "Tunnelworks FACETWORK32";
std::string TitleForPath(const std::string& path);

// The File menu: New, Open, Save, Save As and the check before the window closes. Works on
// the editor's model and reports through its status line; the window supplies the file
// choosers, the dialogs' start directory and a place to show the title.
class FileCommands {
public:
    FileCommands(Editor& ed, FileDialogs& dialogs) : ed_(ed), dialogs_(dialogs) {}

    std::function<void(const std::string&)> SetTitle;  // window title
    std::function<std::string()> StartDirectory;       // start directory of the choosers
    std::function<void()> AfterOpen;  // brings the Polygons strip up to date after Open

    void New();
    // Asks for a file and opens it; false when nothing was read (cancelled or refused).
    bool Open();
    // Opens `path` without asking (the command line); true when the read succeeded.
    bool OpenPath(const std::string& path);
    // True when the model was written to its file and to the preview copy.
    bool Save();
    bool SaveAs();
    // Saves under `path` without asking (scripts); it becomes the model's path.
    bool SaveTo(const std::string& path);
    // True when the window may close: nothing unsaved, or the user agreed to lose it.
    bool CanClose() { return !ed_.ConfirmDiscard(); }
    // The window is closing: removes the temporary model copies.
    void Closing();

private:
    bool WriteTo(const std::string& path);
    void ShowTitle(const std::string& title) {
        if (SetTitle) SetTitle(title);
    }
    std::string StartDir() const { return StartDirectory ? StartDirectory() : std::string{}; }

    Editor& ed_;
    FileDialogs& dialogs_;
};

}  // namespace fw
