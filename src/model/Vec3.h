#pragma once

#include <array>
#include <cmath>

#include "model/ModelStore.h"

namespace fw {

// A direction or position in model units, for the small vector maths of the tools.
using Vector3 = std::array<double, 3>;

inline Vector3 ToVector(const PointRecord& p) {
    return {p.X, p.Y, p.Z};
}

inline Vector3 Subtract(const Vector3& a, const Vector3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

inline Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline double Dot(const Vector3& a, const Vector3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double Length(const Vector3& v) {
    return std::sqrt(Dot(v, v));
}

}  // namespace fw
