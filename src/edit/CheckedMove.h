#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/FixedPoint.h"

namespace fw {

// The refusal of a move, resize or centring whose result the model file could not hold.
inline const std::string OUT_OF_RANGE_MESSAGE =
    "The points would leave the model's range of -32768 to 32767. Nothing was moved.";

// True when every coordinate is finite and within the file's 16.16 fixed-point range.
inline bool PointFitsFile(const PointRecord& p) {
    return FitsFixedPoint(p.X) && FitsFixedPoint(p.Y) && FitsFixedPoint(p.Z);
}

// Computes the new position of every point in use that `selected(i)` picks, and applies
// them only when all of them fit the file, so that a refusal never leaves the points half
// moved. Returns false (nothing changed) when one does not fit.
template <typename Selected, typename Transform>
bool MovePointsIfAllFit(ModelStore& m, Selected selected, Transform transform) {
    std::vector<std::pair<int, PointRecord>> moved;
    for (int i = 0; i < m.NumPoints && i < MAX_POINTS; ++i) {
        if (!selected(i)) continue;
        PointRecord p = transform(m.Points[i]);
        if (!PointFitsFile(p)) return false;
        moved.emplace_back(i, p);
    }
    for (const auto& [i, p] : moved) m.Points[i] = p;
    return true;
}

}  // namespace fw
