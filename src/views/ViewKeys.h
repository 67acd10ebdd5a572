#pragma once

// The keys and view buttons of the four views, mapped to view operations and editing
// commands. Keys are Qt key codes; the shift state is 0 none, 1 Shift, 2 Ctrl, 3 Shift+Ctrl.
// Editing commands run through Editor::Run, so each is one undo step.

#include <Qt>

#include "model/Editor.h"
#include "views/ViewState.h"

namespace fw {

// Zoom to Fit (ViewState::ZoomToFit on the current view): its key, which no other command
// uses, and its view button.
inline constexpr int ZOOM_TO_FIT_KEY = Qt::Key_F;
inline constexpr int ZOOM_TO_FIT_BUTTON = 15;

struct ViewKey {
    int key = 0;          // Qt::Key
    int shift = 0;        // 0 none, 1 Shift, 2 Ctrl, 3 Shift+Ctrl
    bool keypad = false;  // the key came from the numeric keypad
};

// What a key did, so the caller knows what to repaint and report.
struct ViewKeyResult {
    bool handled = false;      // the key has a meaning here
    bool viewChanged = false;  // zoom, pan, grid, snap or iso angles changed
};

int ShiftState(Qt::KeyboardModifiers modifiers);

// The id of the marking, insertion or deletion command a key runs in every view, or nullptr.
const char* EditKeyCommand(const ViewKey& key);

// The (horizontal, vertical, depth) axes keypad moves use for keys received by `view`: the
// view's own axes, or X, Y, Z under PmoveMode and for keys reaching the main window (pass
// VIEW_XY for those).
ViewAxes MoveAxes(const ViewState& views, int view);

// A key in an orthographic view (or in the main window): acts on views.CurrentView.
ViewKeyResult ViewKeyDown(Editor& ed, ViewState& views, const ViewKey& key, ViewAxes axes);

// A key in the iso view: zoom, centring, rotation, and marking, insertion and deletion.
ViewKeyResult IsoKeyDown(Editor& ed, ViewState& views, const ViewKey& key);

// The view toolbar buttons: 0 Zoom In, 1 Zoom Out, 2 Shift Display Right, 3 Shift Display
// Left, 4 Shift Display Down, 5 Shift Display Up, 6 Re-Center View (on the current view;
// 0, 1 and 6 reach the iso view's keys when it is current), 11 to 14 Rotate Left, Right, Up
// and Down (always the iso view), 15 Zoom to Fit (the current view). Other indices do nothing.
ViewKeyResult ViewButton(Editor& ed, ViewState& views, int index);

}  // namespace fw
