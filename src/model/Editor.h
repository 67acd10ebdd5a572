#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/ChangeSet.h"
#include "model/Clipboard.h"
#include "model/CommandResult.h"
#include "model/EditorHost.h"
#include "model/ModelStore.h"
#include "model/SavedContent.h"
#include "model/UndoHistory.h"

namespace fw {

struct MappingInputs;  // the texture mapping dialog's values (textures library)

// Everything a command works on: the model, the clipboard, the values the window's boxes
// hold, undo, and the services that report back to the window (status, question). Every
// change runs through Run, which records undo and refreshes once when the command is over.
class Editor {
public:
    explicit Editor(EditorHost& host);

    ModelStore& Model() { return *model_; }
    const ModelStore& Model() const { return *model_; }
    // Made on first use: a store-sized block nobody needs until something is copied.
    Clipboard& Clip() {
        if (!clip_) clip_ = std::make_unique<Clipboard>();
        return *clip_;
    }
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
    // The texture toolbars' step boxes: move, scale factor, rotate (degrees); UV point step.
    std::string TextOPMove = "0.100", TextOPScale = "1.100", TextOPRotate = "5.000";
    std::string TextUV = "0.100";
    // The texture mapping dialog's values; made on first use by the mapping commands.
    std::shared_ptr<MappingInputs> Mapping;

    // True while the refresh fills lists and boxes: their change handlers must do nothing.
    bool RefreshInProgress = false;

    void ShowStatus(const std::string& text, int kind) { host_.ShowStatus(text, kind); }
    void ShowMessage(const std::string& title, const std::string& text) {
        host_.ShowMessage(title, text);
    }
    void ShowError(const std::string& code, const std::string& title, const std::string& text) {
        host_.ShowError(code, title, text);
    }
    // Shows what a step of a larger command reported, in order, before the command goes on.
    void Report(const CommandResult& step) {
        if (step.status) ShowStatus(*step.status, static_cast<int>(step.kind));
    }
    // Asks before unsaved changes would be lost; true when the caller must stop.
    bool ConfirmDiscard();

    // Runs one command: records its undo step named `name` (only a change of the model's
    // content makes one; marking, hiding and view changes do not), recomputes Modified,
    // refreshes once through the host and the listeners, and then shows the command's status.
    // A refused command leaves the store and the current corners exactly as they were.
    // Equal non-empty merge keys of consecutive commands share one entry (a drag, a run of
    // the same move key). A command run from inside another is a plain call: the outer one
    // records and refreshes.
    CommandResult Run(std::string_view name, const std::function<CommandResult()>& command,
                      std::string_view mergeKey = {});
    // A command without a result of its own always counts as done.
    template <class F>
    requires std::is_void_v<std::invoke_result_t<F&>> CommandResult
    Run(std::string_view name, F&& command, std::string_view mergeKey = {}) {
        return Run(
            name,
            [&]() -> CommandResult {
                command();
                return Done();
            },
            mergeKey);
    }
    void EndMerge() { history_.BreakMerge(); }
    // Undo and Redo report "Undone: NAME" / "Redone: NAME" (or that there is nothing).
    bool Undo();
    bool Redo();
    const UndoHistory& History() const { return history_; }

    // The model now matches its file (after New, Open or Save): Modified becomes false and
    // stays false until the content differs from this state again. Opening or starting a
    // model also clears the undo history.
    void MarkSaved();
    void MarkLoaded();
    // The model came from another format (an import): no .pol file holds it yet, so it
    // counts as modified until it is saved. The undo history starts afresh.
    void MarkImported();
    // Recomputes Modified: the content differs from what was last saved or loaded.
    void UpdateModified();

    // The one refresh: brings current items back into range, updates the submodel menu
    // captions and tells the host and every listener. Commands never call it; Run, Undo,
    // Redo and the file commands do, once each.
    void Notify(ChangeSet changes);
    void AddListener(EditListener* listener) { listeners_.push_back(listener); }
    void RemoveListener(EditListener* listener);

private:
    EditorHost& host_;
    std::unique_ptr<ModelStore> model_;
    SavedContent saved_;  // what Modified compares with
    std::unique_ptr<Clipboard> clip_;
    UndoHistory history_;
    std::vector<EditListener*> listeners_;
    std::unique_ptr<ModelStore> before_;  // reused snapshot of the running command; first Run
    bool running_ = false;
};

}  // namespace fw
