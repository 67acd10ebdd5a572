#include "edit/PolygonUV.h"

#include "edit/PlaneFrame.h"

namespace fw {

void ResetPolygonUVL(ModelStore& m, int p) {
    if (p < 0 || p >= MAX_POLYGONS) return;
    if (!PolygonIsValid(m, p)) return;
    PolygonRecord& poly = m.Polygons[p];
    int n = poly.CornerCount;
    const PointRecord& first = m.Points[poly.Corners[0]];
    PlaneFrame frame(first, m.Points[poly.Corners[n > 1 ? 1 : 0]], m.Points[poly.Corners[n - 1]]);
    for (int i = 0; i < n; ++i) {
        PointRecord flat = frame.ToPlane(m.Points[poly.Corners[i]]);
        poly.CornerUVL[i] = {static_cast<float>(flat.X / 4), static_cast<float>(flat.Y / 4), 0.0f};
    }
}

}  // namespace fw
