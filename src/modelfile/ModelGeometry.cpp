#include "modelfile/ModelGeometry.h"

#include <cmath>

namespace fw {

static bool NamesPoint(const ModelStore& m, int corner) {
    return corner >= 0 && corner < m.NumPoints && corner < MAX_POINTS;
}

static bool IsPolygonInUse(const ModelStore& m, int polygon) {
    return polygon >= 0 && polygon < m.NumPolygons && polygon < MAX_POLYGONS;
}

Vector3 PolygonNormal(const ModelStore& m, int polygon) {
    if (!IsPolygonInUse(m, polygon)) return {};
    const PolygonRecord& p = m.Polygons[polygon];
    if (p.CornerCount < 3 || p.CornerCount > MAX_CORNERS) return {};
    int i0 = p.Corners[0], i1 = p.Corners[1], il = p.Corners[p.CornerCount - 1];
    if (!NamesPoint(m, i0) || !NamesPoint(m, i1) || !NamesPoint(m, il)) return {};
    Vector3 p0 = ToVector(m.Points[i0]);
    Vector3 n = Cross(Subtract(p0, ToVector(m.Points[i1])), Subtract(p0, ToVector(m.Points[il])));
    double length = Length(n);
    if (!(length > 0) || !std::isfinite(length)) return {};
    return {n[0] / length, n[1] / length, n[2] / length};
}

std::optional<Vector3> FirstCornerPosition(const ModelStore& m, int polygon) {
    if (!IsPolygonInUse(m, polygon)) return std::nullopt;
    const PolygonRecord& p = m.Polygons[polygon];
    if (p.CornerCount < 1 || p.CornerCount > MAX_CORNERS || !NamesPoint(m, p.Corners[0]))
        return std::nullopt;
    return ToVector(m.Points[p.Corners[0]]);
}

void Box::Grow(const Vector3& p) {
    for (int axis = 0; axis < 3; ++axis) {
        if (p[axis] < Min[axis]) Min[axis] = p[axis];
        if (p[axis] > Max[axis]) Max[axis] = p[axis];
    }
}

double Box::Radius() const {
    double dx = Max[0] - Min[0], dy = Max[1] - Min[1], dz = Max[2] - Min[2];
    return 0.4 * std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace fw
