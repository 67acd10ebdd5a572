#pragma once

// The values a user types or picks for one item: a coordinate, a U/V/L value, a texture,
// a flat colour, a parent or a sorting polygon. The boxes and lists of the window, the
// script lines and the tests all run these, so each value has one rule.

#include "model/Editor.h"

namespace fw {

// Largest coordinate or texture coordinate the file's 16.16 fixed point can hold.
inline constexpr double FIX_LIMIT = 32767.0;

CommandResult SetPointCoordinate(Editor& ed, int point, int axis, double value);
CommandResult SetPointPosition(Editor& ed, int point, const PointRecord& position);
// `which`: 0 U, 1 V, 2 L of one corner.
CommandResult SetCornerUVL(Editor& ed, int polygon, int corner, int which, double value);
// A texture number within the model's texture window, or -1 for a flat polygon.
CommandResult SetPolygonTexture(Editor& ed, int polygon, int texture);
// A packed 15-bit colour (0..32767).
CommandResult SetPolygonColour(Editor& ed, int polygon, int colour);
// The root has no parent (255); any other submodel takes a lower-numbered one, which is
// what the saved stream can express.
CommandResult SetSubmodelParent(Editor& ed, int submodel, int parent);
// A polygon in use, or -1 for none.
CommandResult SetSubmodelSortPolygon(Editor& ed, int submodel, int polygon);

}  // namespace fw
