#include "model/Editor.h"

#include <algorithm>

namespace fw {

Editor::Editor(EditorHost& host)
    : host_(host),
      model_(std::make_unique<ModelStore>()) {}

void Editor::Notify(ChangeSet changes) {
    ModelStore& m = Model();
    ClampCurrentItems(m);
    int corners = m.NumPolygons > 0 ? m.Polygons[m.CurrentPolygon].CornerCount : 0;
    CurrentCorner = std::clamp<int16_t>(CurrentCorner, 0, std::max(corners - 1, 0));
    CurrentListCorner = std::clamp<int16_t>(CurrentListCorner, 0, std::max(corners - 1, 0));

    std::string current = "In current submodel (" + std::to_string(m.CurrentSubmodel) + ")";
    bool canAdd = m.NumSubmodels < MAX_SUBMODELS - 1;
    std::string added =
        canAdd ? "In a new submodel (" + std::to_string(m.NumSubmodels) + ")" : "In a new submodel";
    host_.SetSubmodelMenuState(current, added, canAdd);

    EditNotice notice{changes, RefreshKindOf(changes)};
    RefreshInProgress = true;
    host_.Refresh(notice);
    for (EditListener* listener : listeners_) listener->EditFinished(notice);
    RefreshInProgress = false;
}

void Editor::RemoveListener(EditListener* listener) {
    std::erase(listeners_, listener);
}

bool Editor::ConfirmDiscard() {
    if (!Model().Modified) return false;
    bool yes =
        host_.AskYesNo("Warning", "File has not been saved yet. Do you really want to do this?");
    return !yes;
}

CommandResult Editor::Run(std::string_view name, const std::function<CommandResult()>& command,
                          std::string_view mergeKey) {
    if (running_) return command();
    running_ = true;
    if (!before_) before_ = std::make_unique<ModelStore>();
    ModelStore& before = *before_;
    before = Model();
    const int16_t cornerBefore = CurrentCorner, listCornerBefore = CurrentListCorner;

    CommandResult result = command();
    if (result.Refused()) {
        Model() = before;
        CurrentCorner = cornerBefore;
        CurrentListCorner = listCornerBefore;
    }
    ClampCurrentItems(Model());
    if (!SameModelContent(before, Model()))
        history_.Push(std::string(name), before, std::string(mergeKey));
    // Any other command in between ends a run of merged steps.
    if (mergeKey.empty()) history_.BreakMerge();
    UpdateModified();
    running_ = false;

    ChangeSet changes = DiffStores(before, Model());
    if (CurrentCorner != cornerBefore || CurrentListCorner != listCornerBefore)
        changes |= Change::CurrentItems;
    Notify(changes);
    if (result.status) host_.ShowStatus(*result.status, static_cast<int>(result.kind));
    return result;
}

bool Editor::Undo() {
    std::string name = history_.UndoName();
    if (!history_.Undo(Model())) {
        host_.ShowStatus("Nothing to undo.", -1);
        return false;
    }
    UpdateModified();
    Notify(ChangeSet::All());
    host_.ShowStatus("Undone: " + name, 1);
    return true;
}

bool Editor::Redo() {
    std::string name = history_.RedoName();
    if (!history_.Redo(Model())) {
        host_.ShowStatus("Nothing to redo.", -1);
        return false;
    }
    UpdateModified();
    Notify(ChangeSet::All());
    host_.ShowStatus("Redone: " + name, 1);
    return true;
}

void Editor::MarkSaved() {
    saved_ = SavedContent(Model());
    Model().Modified = false;
}

void Editor::MarkLoaded() {
    MarkSaved();
    history_.Clear();
}

void Editor::MarkImported() {
    // Compared with an empty model, an imported one differs until it is saved; an import
    // that yields an empty model has nothing to lose.
    saved_ = SavedContent();
    history_.Clear();
    UpdateModified();
}

void Editor::UpdateModified() {
    Model().Modified = !saved_.Matches(Model());
}

}  // namespace fw
