#pragma once

#include "model/Editor.h"

namespace fw {

// Copies the marked points into the editor's clipboard; the clipboard then holds no polygons.
CommandResult CopyMarkedPoints(Editor& ed);
// Copies the marked points and the marked polygons; refused unless every corner of every
// marked polygon is itself marked, so that the copied polygons are complete.
CommandResult CopyMarkedPolygonsAndPoints(Editor& ed);

// The paste commands append the clipboard to the model as new, marked items; the old items
// are unmarked. Pasted points join the current submodel and are shown.
// axis 1 = X, 2 = Y, 3 = Z: that coordinate is negated and the polygons are reversed so
// that they still face outwards.
CommandResult PasteMirrored(Editor& ed, int axis);
CommandResult PasteWithOffset(Editor& ed);  // shifted by ed.PasteOffset
CommandResult PasteAtOrigin(Editor& ed);    // the clipboard points' average moved to the origin

}  // namespace fw
