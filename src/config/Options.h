#pragma once

#include <array>
#include <string>

#include "config/Settings.h"
#include "external/PreviewCommands.h"
#include "model/ModelStore.h"

namespace fw {

// The run's values the Options dialog shows and changes, held by the main window.
struct OptionsRunState {
    PointRecord insertOffset{0, 0, 0.1};
    bool viewOrient = false;
    bool crossMarked = false;
    bool pmoveMode = false;
    int currentView = 0;  // 0 XY, 1 XZ, 2 ZY, 3 iso
};

// What the dialog changes in the window directly. Stored settings reach the window through
// the settings' change notification instead.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;
    virtual OptionsRunState RunState() const = 0;
    // The point movement mode changes as soon as its box is clicked.
    virtual void SetPointMoveMode(bool on) = 0;
    virtual void SetInsertOffset(const PointRecord& offset) = 0;
    // One view (0) or four views (1).
    virtual void SetInterfaceMode(int mode) = 0;
    virtual void Redraw() = 0;
    // A failed settings write: shown with the system's reason.
    virtual void ReportError(const std::string& error) = 0;
};

// Everything the dialog's controls hold; the dialog edits a copy and OK applies it.
struct OptionsValues {
    // Controlling
    bool pointMove = false;
    bool crossMark = false;
    int moveRateIndex = DEFAULT_MOVE_RATE_INDEX;
    std::array<std::string, 3> offsetText;
    // SBX Settings
    bool cullFace = false, textured = false, size2Poly = false, linePoly = false;
    int background = 0;  // index into BackgroundColourNames
    int textureSet = 0;  // index into TextureSetNames
    int isoMode = 0;     // 2 full WYSIWYG, 1 manual update, 0 neither chosen
    // Tools and Directories
    std::string shadebox;
    std::string modelDir;
    // Interface
    int interfaceMode = 0;
    bool interfaceTouched = false;  // only a touched choice switches the layout
    bool viewOrient = false;
    bool stretchViews = false;
    bool standardUndoKeys = false;
    // Grid and snap: working copies per orthographic view, and the view the sliders show
    // (-1 when the iso view was current and none is chosen yet).
    std::array<int, 3> grid{}, snap{};
    int shownView = -1;
};

OptionsValues LoadOptions(const Settings& settings, const OptionsRunState& run);

// OK: stores and applies everything in the dialog's order. Every step is tried; a failed
// write does not stop the others, and the first failure is reported through the target.
void ApplyOptions(const OptionsValues& values, const Settings& settings, OptionsTarget& target,
                  PreviewCommands& preview);

}  // namespace fw
