#pragma once

// Choosing the current point, polygon, submodel and corner: list clicks, the I, U, L and K
// keys and script lines. These change no content, so they make no undo step.

#include "model/Editor.h"

namespace fw {

CommandResult SelectPoint(Editor& ed, int point);
CommandResult SelectPolygon(Editor& ed, int polygon);
CommandResult SelectSubmodel(Editor& ed, int submodel);
// The highlighted corner of the current polygon; its point becomes current.
CommandResult SelectCorner(Editor& ed, int corner);
// The corner selected in the Point Order and UV lists.
CommandResult SelectListCorner(Editor& ed, int corner);

// Steps through the items, wrapping at both ends (step +1 or -1).
CommandResult StepCorner(Editor& ed, int step);
CommandResult StepPoint(Editor& ed, int step);
// With `followCorner` the current point follows the highlighted corner of the new polygon.
CommandResult StepPolygon(Editor& ed, int step, bool followCorner);

}  // namespace fw
