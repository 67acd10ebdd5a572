#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace fw {

// A model file does not name the sorting polygon of a submodel; it stores the plane the
// writer took from it: the polygon's unit normal and its first corner. After the points
// and polygons of a file are read, this finds for every child submodel the polygon whose
// plane that is, within the rounding of the file's fixed point, and makes it the
// SortPolygon, so that saving the model again writes the same planes. A submodel whose
// plane matches no polygon gets SortPolygon 0. `header` is the file's 746-byte header.
// Returns the submodels for which 0 changes the plane a save writes (for the notice).
std::vector<int> RecoverSortPolygons(ModelStore& m, std::span<const uint8_t> header);

// The status notice for those submodels; "" when there are none.
std::string SortPolygonNotice(const std::vector<int>& submodels);

}  // namespace fw
