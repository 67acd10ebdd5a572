#include "views/ViewPicking.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// Distance a hidden first candidate counts as: far enough never to be picked.
constexpr double HIDDEN_DISTANCE = 1000;

double DistanceSquared(PlanePos a, PlanePos b) {
    return (a.h - b.h) * (a.h - b.h) + (a.v - b.v) * (a.v - b.v);
}

// The common nearest-item search of point and polygon picking.
template <class Distance, class Shown>
int PickNearest(int count, int current, Distance distance, Shown shown) {
    int first = current == 0 ? 1 : 0;
    if (first >= count) return -1;
    int best = first;
    double bestDistance = shown(first) ? distance(first) : HIDDEN_DISTANCE;
    for (int i = first + 1; i < count; ++i) {
        if (!shown(i)) continue;
        double d = distance(i);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return bestDistance < PICK_DISTANCE_SQUARED && best != current ? best : -1;
}

// Inclusive band test in single precision, as the band corners are kept.
struct Band {
    float h0, h1, v0, v1;
    Band(PlanePos a, PlanePos b)
        : h0(static_cast<float>(std::min(a.h, b.h))),
          h1(static_cast<float>(std::max(a.h, b.h))),
          v0(static_cast<float>(std::min(a.v, b.v))),
          v1(static_cast<float>(std::max(a.v, b.v))) {}
    bool Contains(PlanePos p) const {
        float h = static_cast<float>(p.h), v = static_cast<float>(p.v);
        return h >= h0 && h <= h1 && v >= v0 && v <= v1;
    }
};

int PointsInUse(const ModelStore& m) {
    return std::clamp<int>(m.NumPoints, 0, MAX_POINTS);
}
int PolygonsInUse(const ModelStore& m) {
    return std::clamp<int>(m.NumPolygons, 0, MAX_POLYGONS);
}

}  // namespace

int PickPoint(const ModelStore& m, const ViewState& views, int view, PlanePos mouse) {
    int count = PointsInUse(m);
    if (count <= 1) return -1;
    return PickNearest(
        count, m.CurrentPoint,
        [&](int i) { return DistanceSquared(ProjectToPlane(views, view, m.Points[i]), mouse); },
        [&](int i) { return m.PointHidden[i] == 0; });
}

bool PolygonCentroid(const ModelStore& m, const ViewState& views, int view, int polygon,
                     PlanePos& centroid) {
    if (polygon < 0 || polygon >= PolygonsInUse(m)) return false;
    const PolygonRecord& poly = m.Polygons[polygon];
    int corners = std::clamp<int>(poly.CornerCount, 0, MAX_CORNERS);
    int used = 0;
    PlanePos sum;
    for (int j = 0; j < corners; ++j) {
        int p = poly.Corners[j];
        if (p < 0 || p >= PointsInUse(m)) continue;
        PlanePos c = ProjectToPlane(views, view, m.Points[p]);
        sum.h += c.h;
        sum.v += c.v;
        ++used;
    }
    if (used == 0) return false;
    centroid = {sum.h / used, sum.v / used};
    return true;
}

int PickPolygon(const ModelStore& m, const ViewState& views, int view, PlanePos mouse) {
    std::array<PlanePos, MAX_POLYGONS> centroids{};
    std::array<bool, MAX_POLYGONS> shown{};
    int count = PolygonsInUse(m);
    for (int i = 0; i < count; ++i)
        shown[i] = m.PolygonHidden[i] == 0 && PolygonCentroid(m, views, view, i, centroids[i]);
    return PickNearest(
        count, m.CurrentPolygon, [&](int i) { return DistanceSquared(centroids[i], mouse); },
        [&](int i) { return shown[i]; });
}

bool NearCurrentPoint(const ModelStore& m, const ViewState& views, int view, PlanePos mouse) {
    if (m.CurrentPoint < 0 || m.CurrentPoint >= PointsInUse(m)) return false;
    PlanePos p = ProjectToPlane(views, view, m.Points[m.CurrentPoint]);
    return std::sqrt(DistanceSquared(p, mouse)) <= DRAG_START_DISTANCE;
}

int MarkPointsInBand(ModelStore& m, const ViewState& views, int view, PlanePos a, PlanePos b) {
    Band band(a, b);
    int added = 0;
    for (int i = 0; i < PointsInUse(m); ++i) {
        if (m.PointHidden[i] != 0 || m.PointMarked[i] != 0) continue;
        if (!band.Contains(ProjectToPlane(views, view, m.Points[i]))) continue;
        m.PointMarked[i] = 1;
        ++added;
    }
    CountMarkedPoints(m);
    return added;
}

int MarkPolygonsInBand(ModelStore& m, const ViewState& views, int view, PlanePos a, PlanePos b) {
    Band band(a, b);
    int added = 0;
    for (int i = 0; i < PolygonsInUse(m); ++i) {
        PlanePos c;
        if (m.PolygonHidden[i] != 0 || m.PolygonMarked[i] != 0) continue;
        if (!PolygonCentroid(m, views, view, i, c) || !band.Contains(c)) continue;
        m.PolygonMarked[i] = 1;
        ++added;
    }
    CountMarkedPolygons(m);
    return added;
}

}  // namespace fw
