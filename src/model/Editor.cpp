#include "model/Editor.h"

#include <algorithm>

namespace fw {

Editor::Editor(EditorHost& host)
    : host_(host),
      model_(std::make_unique<ModelStore>()),
      saved_(std::make_unique<ModelStore>()),
      clip_(std::make_unique<Clipboard>()) {}

void Editor::RefreshAfterEdit(int kind) {
    ModelStore& m = Model();
    ClampCurrentItems(m);
    int corners = m.NumPolygons > 0 ? m.Polygons[m.CurrentPolygon].CornerCount : 0;
    CurrentCorner = std::clamp<int16_t>(CurrentCorner, 0, std::max(corners - 1, 0));
    CurrentListCorner = std::clamp<int16_t>(CurrentListCorner, 0, std::max(corners - 1, 0));

    std::string current = "In current submodel (" + std::to_string(m.CurrentSubmodel) + ")";
    bool canAdd = m.NumSubmodels < 9;
    std::string added =
        canAdd ? "In a new submodel (" + std::to_string(m.NumSubmodels) + ")" : "In a new submodel";
    host_.SetSubmodelMenuState(current, added, canAdd);

    RefreshInProgress = true;
    host_.Refresh(kind);
    RefreshInProgress = false;
}

bool Editor::ConfirmDiscard() {
    if (!Model().Modified) return false;
    bool yes =
        host_.AskYesNo("Warning", "File has not been saved yet. Do you really want to do this?");
    return !yes;
}

void Editor::Run(const std::string& name, const std::function<void()>& command,
                 const std::string& mergeKey) {
    auto before = std::make_unique<ModelStore>(Model());
    command();
    ClampCurrentItems(Model());
    if (!SameModelContent(*before, Model())) history_.Push(name, *before, mergeKey);
    // Any other command in between ends a run of merged steps.
    if (mergeKey.empty()) history_.BreakMerge();
    UpdateModified();
}

bool Editor::Undo() {
    if (!history_.Undo(Model())) return false;
    UpdateModified();
    RefreshAfterEdit(2);
    return true;
}

bool Editor::Redo() {
    if (!history_.Redo(Model())) return false;
    UpdateModified();
    RefreshAfterEdit(2);
    return true;
}

void Editor::MarkSaved() {
    *saved_ = Model();
    Model().Modified = false;
}

void Editor::MarkLoaded() {
    MarkSaved();
    history_.Clear();
}

void Editor::UpdateModified() {
    Model().Modified = !SameModelContent(Model(), *saved_);
}

}  // namespace fw
