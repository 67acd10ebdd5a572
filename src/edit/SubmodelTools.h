#pragma once

#include "model/Editor.h"

namespace fw {

// Puts every marked point into submodel s (0..9). Polygons are left alone: one whose
// corners end up in different submodels is reported by the next check.
void PutMarkedPointsInSubmodel(Editor& ed, int s);

// The Model menu's "Put Points in Submodel" entries: assign, then check and compress.
void PutPointsInCurrentSubmodel(Editor& ed);
void PutPointsInNewSubmodel(Editor& ed);

// Orders the points by submodel, renumbers corners and submodels, marks and reports
// polygons spread over several submodels, and clears the point marks.
void CheckAndCompressCommand(Editor& ed);

}  // namespace fw
