#pragma once

#include "model/Editor.h"

namespace fw {

// Title of the plain message boxes the editing commands show.
inline constexpr const char* EDIT_MESSAGE_TITLE = "Facetwork";

// Moves the current point perpendicularly onto the plane through the three marked points.
CommandResult PlacePointInPlane(Editor& ed);
// Gives every marked polygon model texture 0 with default texture coordinates.
CommandResult ResetMarkedTextures(Editor& ed);
// Reorders the current quad's corners (a, b, c, d) to (a, c, d, b); three times is no change.
CommandResult RearrangeFourSided(Editor& ed);
// Reverses the current polygon's corner order, which turns its facing around.
CommandResult FlipPolygon(Editor& ed);

}  // namespace fw
