#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/FixedPoint.h"
#include "modelfile/ModelGeometry.h"
#include "modelfile/SaveLayout.h"

namespace fw {

// The interpreter stream of a planned model: per submodel its child groups, its
// d_defp_start, its polygons in polygon-number order and two d_eof. Appends to `out`;
// `position` counts the model data bytes written. Values that do not fit a Fix are
// recorded in `fix`.
void WriteModelData(const ModelStore& m, const SaveLayout& layout, FixRounder& fix,
                    std::vector<uint8_t>& out, int32_t& position);

// A position relative to a Fix origin: scaled before the subtraction, then rounded. Every
// origin is itself a Fix value, so the offsets of a submodel chain add up without error.
FixVector RelativeFix(const Vector3& p, const FixVector& origin, FixRounder& fix);

// Separation plane of child t: the unit normal of its SortPolygon in Fix and that polygon's
// first corner (absolute); a zero normal and no point when it names no polygon in use.
struct SeparationPlane {
    FixVector Normal;
    std::optional<Vector3> Point;
};
SeparationPlane SeparationPlaneOf(const ModelStore& m, int t, FixRounder& fix);

}  // namespace fw
