#pragma once

namespace fw {

// Fixed sizes of the model tables; the file format and the game's interpreter depend on them.
inline constexpr int MAX_POINTS = 512;
inline constexpr int MAX_POLYGONS = 512;
inline constexpr int MAX_SUBMODELS = 10;
inline constexpr int MAX_CORNERS = 20;

// Submodels nest at most this deep below the root: the game's instance stack holds five
// levels, and the object itself takes one.
inline constexpr int MAX_SUBMODEL_DEPTH = 4;

// Parent value of a submodel that has none (the root).
inline constexpr int NO_PARENT = 255;

// Colour of a new flat polygon: 16 in each 5-bit field of a 5:5:5 colour.
inline constexpr int DEFAULT_FLAT_COLOUR = 16912;

}  // namespace fw
