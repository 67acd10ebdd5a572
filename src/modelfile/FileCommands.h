#pragma once

#include <functional>
#include <string>

#include "model/Editor.h"
#include "modelfile/FileDialogs.h"

namespace fw {

// Main window title without a file, and with one.
inline constexpr const char* BASE_TITLE = "Tunnelworks FACETWORK32";
std::string TitleForPath(const std::string& path);
// A typed name without an extension gets ".pol".
std::string WithModelExtension(const std::string& path);

// The undo name of the check that precedes every save (also a command of its own).
inline constexpr const char* CHECK_AND_COMPRESS_NAME = "Check and Compress Submodels";

// The File menu: New, Open, Save, Save As and the check before the window closes. Works on
// the editor's model and reports through its status line; the window supplies the file
// choosers, the dialogs' start directory and a place to show the title. Saving first runs
// the check and compress step as one undoable command, then writes without changing the
// model again.
class FileCommands {
public:
    FileCommands(Editor& ed, FileDialogs& dialogs) : ed_(ed), dialogs_(dialogs) {}

    std::function<void(const std::string&)> SetTitle;  // window title
    // The model directory setting; when it is empty the choosers start in the folder of
    // the current file, else in the home folder.
    std::function<std::string()> StartDirectory;
    // After Open: the window frames the new model in its views.
    std::function<void()> AfterOpen;

    void New();
    // Asks for a file and opens it; false when nothing was read (cancelled or refused).
    bool Open();
    // Opens `path` without asking (the command line); true when the read succeeded.
    bool OpenPath(const std::string& path);
    // True when the model was written to its file (a failed preview copy only warns).
    bool Save();
    bool SaveAs();
    // Saves under `path` without asking (scripts); it becomes the model's path.
    bool SaveTo(const std::string& path);
    // The first steps of Open and Import: clears the status line, asks before unsaved
    // changes are lost, then asks for a file with `choose` (given the start directory).
    // "" when the user stopped or cancelled.
    std::string ChooseFileToLoad(const std::function<std::string(const std::string&)>& choose);
    // The last steps of Open and Import, once the store holds the new model: the model's
    // file becomes `path` ("" for none: Save then asks for a name), the current corners and
    // the undo history start afresh, everything refreshes and the views frame the model.
    // An imported model stays modified (see Editor::MarkImported).
    void ShowLoaded(const std::string& path, bool imported = false);
    // Where the file choosers start: the model directory setting, else the folder of the
    // current file, else the home folder.
    std::string StartDir() const;
    // True when the window may close: nothing unsaved, or the user agreed to lose it.
    bool CanClose() { return !ed_.ConfirmDiscard(); }
    // The window is closing: removes the temporary model copies.
    void Closing();

private:
    bool CheckBeforeSave();
    bool WriteAs(const std::string& path);
    bool WriteTo(const std::string& path);
    void ShowTitle(const std::string& title) {
        if (SetTitle) SetTitle(title);
    }

    Editor& ed_;
    FileDialogs& dialogs_;
};

}  // namespace fw
