#pragma once

#include "model/Editor.h"

namespace fw {

// Puts every marked point into submodel s (0..9). Polygons are left alone: one whose
// corners end up in different submodels is reported by the next check.
CommandResult PutMarkedPointsInSubmodel(Editor& ed, int s);

// The Model menu's "Put Points in Submodel" entries: assign, then check and compress.
CommandResult PutPointsInCurrentSubmodel(Editor& ed);
CommandResult PutPointsInNewSubmodel(Editor& ed);

// Orders the points by submodel, renumbers corners and submodels, marks and reports
// polygons spread over several submodels, and clears the point marks.
CommandResult CheckAndCompressCommand(Editor& ed);

}  // namespace fw
