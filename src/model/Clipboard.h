#pragma once

#include <array>
#include <cstdint>

#include "model/ModelStore.h"

namespace fw {

// The editor's own clipboard of copied points and polygons; polygon corners are numbers
// into ClipPoints. It outlives models: a copy can be pasted into another file.
struct Clipboard {
    std::array<PointRecord, MAX_POINTS> ClipPoints{};
    int16_t ClipPointCount = 0;
    std::array<PolygonRecord, MAX_POLYGONS> ClipPolygons{};
    int16_t ClipPolygonCount = 0;
};

}  // namespace fw
