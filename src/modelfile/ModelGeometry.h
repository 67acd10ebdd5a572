#pragma once

#include <array>
#include <optional>

#include "model/ModelStore.h"
#include "model/Vec3.h"

namespace fw {

// Unit normal of a polygon from its first, second and last corner, as the game stream
// carries it; zero for fewer than three corners, a corner that names no point, or a
// degenerate polygon.
Vector3 PolygonNormal(const ModelStore& m, int polygon);

// Absolute position of a polygon's first corner; none when the number names no polygon in
// use or the polygon has no valid first corner.
std::optional<Vector3> FirstCornerPosition(const ModelStore& m, int polygon);

// Smallest and largest coordinate of a set of positions, axis by axis.
struct Box {
    Vector3 Min{}, Max{};
    void Grow(const Vector3& p);
    // 0.4 x the box diagonal: the bounding radius the game expects.
    double Radius() const;
};

}  // namespace fw
