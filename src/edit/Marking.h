#pragma once

#include "model/Editor.h"

namespace fw {

// Commands of the Mark/UnMark menu and the Submodels-mode marking buttons. None of them
// changes the model's content: marks are not saved, so they never make an undo entry.

// Point marks.
void ToggleCurrentPointMark(Editor& ed);
void MarkCurrentPolygonPoints(Editor& ed);
void MarkMarkedPolygonsPoints(Editor& ed);
void MarkAllPoints(Editor& ed);

// Polygon marks.
void ToggleCurrentPolygonMark(Editor& ed);
void MarkCurrentPointPolygons(Editor& ed);
void MarkMarkedPointsPolygons(Editor& ed);
void MarkAllPolygons(Editor& ed);

// Set or clear the marks of the current submodel's points, or of every polygon with at
// least one corner in the current submodel.
void MarkSubmodelPoints(Editor& ed);
void MarkSubmodelPolygons(Editor& ed);
void UnmarkSubmodelPoints(Editor& ed);
void UnmarkSubmodelPolygons(Editor& ed);

void UnmarkAllPoints(Editor& ed);
void UnmarkAllPolygons(Editor& ed);

// True when polygon p has point as one of its corners.
bool PolygonContainsPoint(const ModelStore& m, int p, int point);

}  // namespace fw
