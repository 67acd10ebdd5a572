#include "views/ViewKeys.h"

#include <string>

#include "edit/CommandTable.h"

namespace fw {

namespace {

bool IsKey(const ViewKey& k, std::initializer_list<int> keys) {
    for (int key : keys)
        if (k.key == key) return true;
    return false;
}

ViewKeyResult Handled(bool viewChanged = false) {
    return {true, viewChanged};
}

// A keypad move: which of the view's axes (0 horizontal, 1 vertical, 2 depth) and which way.
struct KeypadMoveKey {
    int slot, sign;
};

// Keypad digits arrive as digits with Num Lock on, but Shift turns them into arrows. Without
// Shift a keypad arrow is Num Lock off, and pans like the arrow keys.
bool KeypadMoveOf(const ViewKey& k, KeypadMoveKey& move) {
    if (!k.keypad || (k.shift != 0 && k.shift != 1)) return false;
    struct Entry {
        int key;
        bool arrow;
        KeypadMoveKey move;
    };
    static constexpr Entry table[] = {
        {Qt::Key_6, false, {0, 1}},    {Qt::Key_Right, true, {0, 1}},
        {Qt::Key_4, false, {0, -1}},   {Qt::Key_Left, true, {0, -1}},
        {Qt::Key_8, false, {1, 1}},    {Qt::Key_Up, true, {1, 1}},
        {Qt::Key_2, false, {1, -1}},   {Qt::Key_Down, true, {1, -1}},
        {Qt::Key_Plus, false, {2, 1}}, {Qt::Key_Minus, false, {2, -1}},
    };
    for (const Entry& e : table) {
        if (e.key != k.key || (e.arrow && k.shift != 1)) continue;
        move = e.move;
        return true;
    }
    return false;
}

// Keypad moves: one MoveRate step, five with Shift. Repeats of one key merge into one undo
// entry.
bool KeypadMove(Editor& ed, const ViewKey& k, ViewAxes axes) {
    KeypadMoveKey move;
    if (!KeypadMoveOf(k, move)) return false;
    int axis = move.slot == 0 ? axes.h : move.slot == 1 ? axes.v : axes.depth;
    int sign = move.sign;
    int steps = k.shift == 1 ? 5 : 1;
    std::string mergeKey = "keypad-" + std::to_string(axis) + "-" + std::to_string(sign * steps);
    const ArgValue args[] = {{axis, 0, ""}, {sign, 0, ""}, {steps, 0, ""}};
    RunCommand(ed, *EditingCommands().Find("MoveMarkedPoints"), args, mergeKey);
    return true;
}

bool EditKey(Editor& ed, const ViewKey& k) {
    const char* id = EditKeyCommand(k);
    if (!id) return false;
    ed.EndMerge();
    RunCommandById(ed, id);
    return true;
}

// I, U, L and K: the current corner, point and polygon; Shift steps backwards.
bool SelectionKey(Editor& ed, const ViewKey& k) {
    if (k.shift != 0 && k.shift != 1) return false;
    const char* id = k.key == Qt::Key_I   ? "StepCorner"
                     : k.key == Qt::Key_U ? "StepPoint"
                     : k.key == Qt::Key_L ? "StepPolygon"
                     : k.key == Qt::Key_K ? "StepPolygonOnly"
                                          : nullptr;
    if (!id) return false;
    const ArgValue step[] = {{k.shift == 1 ? -1 : 1, 0, ""}};
    RunCommand(ed, *EditingCommands().Find(id), step);
    return true;
}

// Zoom, centring and framing keys shared by both key tables.
bool ZoomKey(const Editor& ed, ViewState& views, int view, const ViewKey& k, bool& changed) {
    if (k.key == Qt::Key_Home) {
        views.RecentreView(view);
        changed = true;
        return true;
    }
    if (k.shift != 0) return false;
    if (k.key == ZOOM_TO_FIT_KEY) {
        changed = views.ZoomToFit(ed.Model(), view);
        return true;
    }
    if (IsKey(k, {Qt::Key_PageUp, Qt::Key_A})) {
        changed = views.ZoomIn(view);
        return true;
    }
    if (IsKey(k, {Qt::Key_PageDown, Qt::Key_Y, Qt::Key_Z})) {
        changed = views.ZoomOut(view);
        return true;
    }
    return false;
}

}  // namespace

const char* EditKeyCommand(const ViewKey& k) {
    static constexpr const char* pointMarks[] = {"ToggleCurrentPointMark", "MarkAllPoints",
                                                 "MarkCurrentPolygonPoints",
                                                 "MarkMarkedPolygonsPoints"};
    static constexpr const char* polygonMarks[] = {"ToggleCurrentPolygonMark", "MarkAllPolygons",
                                                   "MarkCurrentPointPolygons",
                                                   "MarkMarkedPointsPolygons"};
    if (k.key == Qt::Key_Space && k.shift == 0) return "ToggleCurrentPointMark";
    if (k.key == Qt::Key_V) return pointMarks[k.shift & 3];
    if (k.key == Qt::Key_N) return polygonMarks[k.shift & 3];
    if (k.key == Qt::Key_Insert && k.shift == 0) return "InsertPoint";
    if (k.key == Qt::Key_Insert && k.shift == 1) return "InsertPolygon";
    if (k.key == Qt::Key_Delete && k.shift == 0) return "DeletePoints";
    if (k.key == Qt::Key_Delete && k.shift == 1) return "DeletePolygons";
    return nullptr;
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0);
}

ViewAxes MoveAxes(const ViewState& views, int view) {
    bool ownAxes = !views.PmoveMode && view >= 0 && view < VIEW_ISO;
    return AxesOf(ownAxes ? view : VIEW_XY);
}

ViewKeyResult ViewKeyDown(Editor& ed, ViewState& views, const ViewKey& k, ViewAxes axes) {
    int view = views.CurrentView;
    bool changed = false;
    if (KeypadMove(ed, k, axes)) return Handled();
    if (ZoomKey(ed, views, view, k, changed)) return Handled(changed);
    if (k.shift == 0) {
        switch (k.key) {
            case Qt::Key_Left:
                return Handled(views.PanLeft(view));
            case Qt::Key_Right:
                return Handled(views.PanRight(view));
            case Qt::Key_Up:
                return Handled(views.PanUp(view));
            case Qt::Key_Down:
                return Handled(views.PanDown(view));
            default:
                break;
        }
    }
    if (k.shift == 0 || k.shift == 1) {
        int step = 0;
        if (IsKey(k, {Qt::Key_BracketLeft, Qt::Key_BraceLeft})) step = -1;
        if (IsKey(k, {Qt::Key_BracketRight, Qt::Key_BraceRight})) step = 1;
        if (step != 0)
            return Handled(k.shift == 1 ? views.StepGrid(view, step) : views.StepSnap(view, step));
    }
    if (SelectionKey(ed, k)) return Handled();
    return {EditKey(ed, k), false};
}

ViewKeyResult IsoKeyDown(Editor& ed, ViewState& views, const ViewKey& k) {
    bool changed = false;
    if (ZoomKey(ed, views, VIEW_ISO, k, changed)) return Handled(changed);
    if (k.shift == 0) {
        switch (k.key) {
            case Qt::Key_Left:
                views.TurnIso(5, 0);
                return Handled(true);
            case Qt::Key_Right:
                views.TurnIso(-5, 0);
                return Handled(true);
            case Qt::Key_Down:
                views.TurnIso(0, 5);
                return Handled(true);
            case Qt::Key_Up:
                views.TurnIso(0, -5);
                return Handled(true);
            default:
                break;
        }
    }
    return {EditKey(ed, k), false};
}

ViewKeyResult ViewButton(Editor& ed, ViewState& views, int index) {
    static constexpr int keys[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Right,
                                   Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home};
    static constexpr int rotations[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    if (index >= 11 && index <= 14) return IsoKeyDown(ed, views, {rotations[index - 11], 0, false});
    if (index == ZOOM_TO_FIT_BUTTON) return Handled(views.ZoomToFit(ed.Model(), views.CurrentView));
    if (index < 0 || index > 6) return {};
    ViewKey key{keys[index], 0, false};
    bool zoomOrCentre = index == 0 || index == 1 || index == 6;
    if (zoomOrCentre && views.CurrentView == VIEW_ISO) return IsoKeyDown(ed, views, key);
    return ViewKeyDown(ed, views, key, AxesOf(VIEW_XY));
}

}  // namespace fw
