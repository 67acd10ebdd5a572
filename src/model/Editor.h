#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/Clipboard.h"
#include "model/EditorHost.h"
#include "model/ModelStore.h"
#include "model/UndoHistory.h"

namespace fw {

// Everything a command works on: the model, the clipboard, the values the window's boxes
// hold, undo, and the services that report back to the window (status, refresh, question).
class Editor {
public:
    explicit Editor(EditorHost& host);

    ModelStore& Model() { return *model_; }
    const ModelStore& Model() const { return *model_; }
    Clipboard& Clip() { return *clip_; }
    EditorHost& Host() { return host_; }

    // Values the main window's boxes and sliders hold; commands read them as text, the
    // way the boxes are read.
    int16_t CurrentCorner = 0;      // highlighted corner of the current polygon
    int16_t CurrentListCorner = 0;  // corner selected in the Point Order / UV lists
    std::array<std::string, 3> TextCenter{"0.000", "0.000", "0.000"};
    std::array<std::string, 3> TextScale{"1.000", "1.000", "1.100"};
    std::string TextRotate = "5.000";
    double MoveRate = 0.1;
    PointRecord PasteOffset{0, 0, 0.1};
    std::string CurrentFilePath;
    int IsoMode = 0;  // 2: the textured preview follows every change

    // True while the refresh fills lists and boxes: their change handlers must do nothing.
    bool RefreshInProgress = false;

    // The common refresh after a change: menu captions, lists and panels, and for kinds 1
    // and 2 the views. Also brings current items that fell out of range back in.
    void RefreshAfterEdit(int kind);
    void ShowStatus(const std::string& text, int kind) { host_.ShowStatus(text, kind); }
    void ShowMessage(const std::string& title, const std::string& text) {
        host_.ShowMessage(title, text);
    }
    // Asks before unsaved changes would be lost; true when the caller must stop.
    bool ConfirmDiscard();

    // Runs one command as one undo step named `name`. Only a change of the model's content
    // makes an entry; marking, hiding and view changes do not. Equal non-empty merge keys of
    // consecutive commands share one entry (a drag, a run of the same move key).
    void Run(const std::string& name, const std::function<void()>& command,
             const std::string& mergeKey = "");
    void EndMerge() { history_.BreakMerge(); }
    bool Undo();
    bool Redo();
    const UndoHistory& History() const { return history_; }

    // The model now matches its file (after New, Open or Save): Modified becomes false and
    // stays false until the content differs from this state again. Opening or starting a
    // model also clears the undo history.
    void MarkSaved();
    void MarkLoaded();
    // Recomputes Modified: the content differs from what was last saved or loaded.
    void UpdateModified();

private:
    EditorHost& host_;
    std::unique_ptr<ModelStore> model_;
    std::unique_ptr<ModelStore> saved_;
    std::unique_ptr<Clipboard> clip_;
    UndoHistory history_;
};

}  // namespace fw
