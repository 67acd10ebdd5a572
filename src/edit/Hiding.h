#pragma once

#include "model/Editor.h"

namespace fw {

// Display state only: hiding and darkening never change the model's content. Hiding or
// darkening an item also unmarks it, so hidden items are never marked.
CommandResult UnhideAllPolygons(Editor& ed);
CommandResult DarkenMarkedPolygons(Editor& ed);
CommandResult HideMarkedPolygons(Editor& ed);
CommandResult UnhideAllPoints(Editor& ed);
CommandResult HideMarkedPoints(Editor& ed);

// Values of PolygonHidden and PointHidden.
inline constexpr uint8_t ITEM_SHOWN = 0;
inline constexpr uint8_t ITEM_DARKENED = 1;
inline constexpr uint8_t ITEM_HIDDEN = 2;

}  // namespace fw
