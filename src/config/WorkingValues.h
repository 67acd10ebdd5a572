#pragma once

#include <array>

#include "config/Settings.h"
#include "model/ModelStore.h"

namespace fw {

// The run's values taken from the settings at start-up, plus the fixed start values of the
// paste offset and the view factors.
struct WorkingValues {
    bool viewOrient = false;   // the second arrangement of the four views
    bool crossMarked = false;  // marked polygons drawn crossed
    bool fourViews = false;    // four-view layout
    bool pmoveMode = false;    // keypad moves along the model axes
    int isoMode = 0;           // 1: preview after a new model; 2: after every change
    // MoveRate holds an index into the step table, as the slider stores it: a missing key
    // is index 6, a step of 0.1.
    int moveRateIndex = DEFAULT_MOVE_RATE_INDEX;
    double moveRate = MoveRateTable[DEFAULT_MOVE_RATE_INDEX].value;
    std::array<int, 3> grid{}, snap{};  // indices per orthographic view
    PointRecord pasteOffset{0, 0, 0.1};
    float zoomFactor = 1.2f;
    float panStep = 0.2f;
};

WorkingValues ReadWorkingValues(const Settings& settings);

}  // namespace fw
