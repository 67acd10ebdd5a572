#pragma once

#include "model/Editor.h"

namespace fw {

// Axis numbers of the move, rotate and scale commands: 1 = X, 2 = Y, 3 = Z.

// Moves every marked point along the axis by sign x steps x the move rate (the keypad
// moves 1 or 5 steps at a time).
CommandResult MoveMarkedPoints(Editor& ed, int axis, int sign, int steps = 1);

// Turns the marked points about the centre boxes by sign x the angle box, from axisA
// towards axisB.
CommandResult RotateMarkedPoints(Editor& ed, int sign, int axisA, int axisB);

// Scales the marked points about the centre boxes by the factor boxes; direction -1
// divides by them, undoing +1.
CommandResult ScaleMarkedPoints(Editor& ed, int direction);

// Puts the average position of the marked points into the centre boxes.
CommandResult GetCenter(Editor& ed);

// Whole-model resizing about the origin, marked or not.
CommandResult HalveModelSize(Editor& ed);
CommandResult DoubleModelSize(Editor& ed);
CommandResult TripleModelSize(Editor& ed);

// Moves the model so that the centre of its bounding box is at the origin.
CommandResult CenterModel(Editor& ed);

}  // namespace fw
