#pragma once

#include <string>

#include "model/ChangeSet.h"

namespace fw {

// Where the model file code reports a warning box (the submodel checker's, for one).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
};

// Hears once per finished command, undo, redo or file operation, after the undo entry is
// recorded and Modified is up to date; never in the middle of a command.
class EditListener {
public:
    virtual ~EditListener() = default;
    virtual void EditFinished(const EditNotice& notice) = 0;
};

// The few things an editing command needs from the window around it. The main window
// implements it; tests and the batch runner use a recorder.
class EditorHost : public MessageSink {
public:
    // The suite's error dialog (code stored, not shown); a plain message where there is none.
    virtual void ShowError(const std::string& code, const std::string& title,
                           const std::string& text) {
        (void)code;
        ShowMessage(title, text);
    }
    // Status line; kind -1 error (with a beep), 0 plain, 1 information.
    virtual void ShowStatus(const std::string& text, int kind) = 0;
    // A Yes/No question with No as the default; true when the user answered Yes.
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
    // Bring lists, panels and views up to date with what changed (see RefreshKindOf).
    virtual void Refresh(const EditNotice& notice) = 0;
    // Captions of the "put points in submodel" menu entries.
    virtual void SetSubmodelMenuState(const std::string& currentCaption,
                                      const std::string& newCaption, bool newEnabled) = 0;
};

}  // namespace fw
