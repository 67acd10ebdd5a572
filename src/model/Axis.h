#pragma once

#include "model/ModelStore.h"

namespace fw {

// Axes are numbered 1 = X, 2 = Y, 3 = Z everywhere: commands, scripts, keys and views.
enum Axis : int { AXIS_X = 1, AXIS_Y = 2, AXIS_Z = 3 };

inline bool IsAxis(int axis) {
    return axis >= AXIS_X && axis <= AXIS_Z;
}

// The coordinate of `p` along an axis (1 to 3).
inline double& Coordinate(PointRecord& p, int axis) {
    return axis == AXIS_X ? p.X : axis == AXIS_Y ? p.Y : p.Z;
}
inline double Coordinate(const PointRecord& p, int axis) {
    return axis == AXIS_X ? p.X : axis == AXIS_Y ? p.Y : p.Z;
}
inline void SetCoordinate(PointRecord& p, int axis, double value) {
    Coordinate(p, axis) = value;
}

}  // namespace fw
