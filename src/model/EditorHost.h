#pragma once

#include <string>

namespace fw {

// Where the model file code reports a warning box (the submodel checker's, for one).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
};

// The few things an editing command needs from the window around it. The main window
// implements it; tests and the batch runner use a recorder.
class EditorHost : public MessageSink {
public:
    // Status line; kind -1 error (with a beep), 0 plain, 1 information.
    virtual void ShowStatus(const std::string& text, int kind) = 0;
    // A Yes/No question with No as the default; true when the user answered Yes.
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
    // Rebuild the mode lists and panels; kind 1 and 2 also repaint the views, kind 2 also
    // updates the textured preview when it is live.
    virtual void Refresh(int kind) = 0;
    // Captions of the "put points in submodel" menu entries.
    virtual void SetSubmodelMenuState(const std::string& currentCaption,
                                      const std::string& newCaption, bool newEnabled) = 0;
};

}  // namespace fw
