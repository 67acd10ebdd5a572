#pragma once

#include "model/Editor.h"

namespace fw {

// Commands of the Mark/UnMark menu and the Submodels-mode marking buttons. None of them
// changes the model's content: marks are not saved, so they never make an undo entry.

// Point marks.
CommandResult ToggleCurrentPointMark(Editor& ed);
CommandResult MarkCurrentPolygonPoints(Editor& ed);
CommandResult MarkMarkedPolygonsPoints(Editor& ed);
CommandResult MarkAllPoints(Editor& ed);

// Polygon marks.
CommandResult ToggleCurrentPolygonMark(Editor& ed);
CommandResult MarkCurrentPointPolygons(Editor& ed);
CommandResult MarkMarkedPointsPolygons(Editor& ed);
CommandResult MarkAllPolygons(Editor& ed);

// Set or clear the marks of the current submodel's points, or of every polygon with at
// least one corner in the current submodel.
CommandResult MarkSubmodelPoints(Editor& ed);
CommandResult MarkSubmodelPolygons(Editor& ed);
CommandResult UnmarkSubmodelPoints(Editor& ed);
CommandResult UnmarkSubmodelPolygons(Editor& ed);

CommandResult UnmarkAllPoints(Editor& ed);
CommandResult UnmarkAllPolygons(Editor& ed);

// True when polygon p has point as one of its corners.
bool PolygonContainsPoint(const ModelStore& m, int p, int point);

}  // namespace fw
