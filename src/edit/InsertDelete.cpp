#include "edit/InsertDelete.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "edit/PolygonUV.h"
#include "edit/SubmodelTools.h"

namespace fw {

namespace {

// Brings the highlighted corners back into the current polygon after it changed.
void ClampCurrentCorners(Editor& ed) {
    const ModelStore& m = ed.Model();
    int corners = m.NumPolygons > 0 ? m.Polygons[m.CurrentPolygon].CornerCount : 0;
    if (ed.CurrentCorner >= corners || ed.CurrentCorner < 0) ed.CurrentCorner = 0;
    if (ed.CurrentListCorner >= corners || ed.CurrentListCorner < 0) ed.CurrentListCorner = 0;
}

// The first marked point that is a polygon corner, or -1.
int FirstAttachedMarkedPoint(const ModelStore& m) {
    for (int p = 0; p < m.NumPolygons; ++p) {
        const PolygonRecord& poly = m.Polygons[p];
        for (int j = 0; j < poly.CornerCount; ++j) {
            int c = poly.Corners[j];
            if (c >= 0 && c < m.NumPoints && m.PointMarked[c]) return c;
        }
    }
    return -1;
}

// Bearing in degrees of (a, b) seen from the centre: 0 along +v, 90 along +u, in [0, 360).
double Bearing(double a, double b) {
    if (a == 0 && b == 0) return 0;
    double degrees = std::atan2(a, b) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace

std::optional<PointRecord> CentreOfMarkedPoints(const ModelStore& m) {
    double sx = 0, sy = 0, sz = 0;
    int count = 0;
    for (int i = 0; i < m.NumPoints; ++i) {
        if (!m.PointMarked[i]) continue;
        sx += m.Points[i].X;
        sy += m.Points[i].Y;
        sz += m.Points[i].Z;
        ++count;
    }
    if (count == 0) return std::nullopt;
    return PointRecord{sx / count, sy / count, sz / count};
}

CommandResult InsertPoint(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumPoints >= MAX_POINTS) {
        return Refused("Cannot insert: the model already has " + std::to_string(MAX_POINTS) +
                       " points.");
    }
    int n = m.NumPoints;
    m.Points[n] = PointRecord{};
    m.PointHidden[n] = 0;
    m.PointMarked[n] = 1;
    m.NumPoints = static_cast<int16_t>(n + 1);
    CountMarkedPoints(m);
    m.CurrentPoint = static_cast<int16_t>(n);
    ed.CurrentCorner = 0;

    int last = m.NumSubmodels - 1;
    ed.Report(PutMarkedPointsInSubmodel(ed, last));
    return Done("Inserted a new point in Submodel " + std::to_string(last) + ".");
}

CommandResult DeletePoints(Editor& ed) {
    ModelStore& m = ed.Model();
    int attached = FirstAttachedMarkedPoint(m);
    if (attached >= 0) {
        return Refused("Cannot delete point #" + std::to_string(attached) +
                       " - Remove all attached polygons.");
    }

    // A model always keeps a point: the file, the views and the submodel count rely on it.
    CountMarkedPoints(m);
    if (m.NumMarkedPoints >= m.NumPoints) {
        return Refused("Cannot delete every point: a model keeps at least one.");
    }

    std::array<int16_t, MAX_POINTS> renumber{};
    int oldCount = m.NumPoints;
    int kept = 0, deleted = 0;
    for (int i = 0; i < oldCount; ++i) {
        if (m.PointMarked[i]) {
            ++deleted;
            renumber[i] = -1;
            continue;
        }
        renumber[i] = static_cast<int16_t>(kept);
        m.Points[kept] = m.Points[i];
        m.PointSubmodel[kept] = m.PointSubmodel[i];
        m.PointHidden[kept] = m.PointHidden[i];
        ++kept;
    }
    m.NumPoints = static_cast<int16_t>(kept);
    m.PointMarked.fill(0);
    m.NumMarkedPoints = 0;
    m.CurrentPoint = 0;

    // No corner names a deleted point: the attachment check above refused those.
    for (int p = 0; p < m.NumPolygons; ++p) {
        PolygonRecord& poly = m.Polygons[p];
        for (int j = 0; j < poly.CornerCount; ++j) {
            int c = poly.Corners[j];
            if (c >= 0 && c < oldCount) poly.Corners[j] = renumber[c];
        }
    }

    if (deleted == 0) {
        return Refused("No points marked.");
    }
    return Done("Deleted " + std::to_string(deleted) + " points.");
}

CommandResult InsertPolygon(Editor& ed) {
    ModelStore& m = ed.Model();
    CountMarkedPoints(m);
    int marked = m.NumMarkedPoints;
    if (marked < 3 || marked > MAX_CORNERS) {
        // The message names the range that is really accepted (20 corners, not 6).
        return Refused("Need 3 to " + std::to_string(MAX_CORNERS) + " points marked");
    }
    if (m.NumPolygons >= MAX_POLYGONS) {
        return Refused("Cannot insert: the model already has " + std::to_string(MAX_POLYGONS) +
                       " polygons.");
    }

    int p = m.NumPolygons;
    PolygonRecord& poly = m.Polygons[p];
    poly.CornerCount = static_cast<int16_t>(marked);
    int j = 0;
    for (int i = 0; i < m.NumPoints; ++i)
        if (m.PointMarked[i]) poly.Corners[j++] = static_cast<int16_t>(i);
    if (marked >= 4) OrderNewPolygonCorners(m, p);
    poly.TextureNumber = 0;
    poly.FlatColour = DEFAULT_FLAT_COLOUR;
    ResetPolygonUVL(m, p);
    m.PolygonMarked[p] = 0;
    m.PolygonHidden[p] = 0;

    m.NumPolygons = static_cast<int16_t>(p + 1);
    m.CurrentPolygon = static_cast<int16_t>(p);
    return Done("Inserted a polygon with " + std::to_string(marked) + " points.");
}

void OrderNewPolygonCorners(ModelStore& m, int p) {
    PolygonRecord& poly = m.Polygons[p];
    int n = poly.CornerCount;
    if (n < 1) return;

    double centre[3] = {0, 0, 0};
    for (int j = 0; j < n; ++j) {
        const PointRecord& pt = m.Points[poly.Corners[j]];
        centre[0] += pt.X;
        centre[1] += pt.Y;
        centre[2] += pt.Z;
    }
    for (double& c : centre) c /= n;

    auto coord = [&](int j, int axis) {
        const PointRecord& pt = m.Points[poly.Corners[j]];
        return (axis == 0 ? pt.X : axis == 1 ? pt.Y : pt.Z) - centre[axis];
    };
    auto spread = [&](int u, int v) {
        double sum = 0;
        for (int j = 0; j < n; ++j) sum += std::hypot(coord(j, u), coord(j, v));
        return sum;
    };
    // Plane (u, v) with the largest spread: XY, else XZ, else ZY; ties keep the earlier.
    std::array<std::pair<int, int>, 3> planes{{{0, 1}, {0, 2}, {2, 1}}};
    std::pair<int, int> plane = planes[0];
    double best = spread(0, 1);
    for (int k = 1; k < 3; ++k) {
        double s = spread(planes[k].first, planes[k].second);
        if (s > best) best = s, plane = planes[k];
    }

    std::vector<std::pair<double, int16_t>> corners(n);
    for (int j = 0; j < n; ++j)
        corners[j] = {Bearing(coord(j, plane.first), coord(j, plane.second)), poly.Corners[j]};
    // Bubble sort, largest bearing first; equal bearings keep their order.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int j = 0; j + 1 < n; ++j) {
            if (corners[j].first < corners[j + 1].first) {
                std::swap(corners[j], corners[j + 1]);
                swapped = true;
            }
        }
    }
    for (int j = 0; j < n; ++j) poly.Corners[j] = corners[j].second;
}

CommandResult DeletePolygons(Editor& ed) {
    ModelStore& m = ed.Model();
    int kept = 0, deleted = 0;
    for (int i = 0; i < m.NumPolygons; ++i) {
        if (m.PolygonMarked[i]) {
            ++deleted;
            continue;
        }
        if (kept != i) {
            m.Polygons[kept] = m.Polygons[i];
            m.PolygonHidden[kept] = m.PolygonHidden[i];
        }
        ++kept;
    }
    m.NumPolygons = static_cast<int16_t>(kept);
    m.PolygonMarked.fill(0);
    m.NumMarkedPolygons = 0;
    m.CurrentPolygon = 0;
    ClampCurrentCorners(ed);

    if (deleted == 0) {
        return Refused("No polygons marked.");
    }
    return Done("Deleted " + std::to_string(deleted) + " polygons.");
}

}  // namespace fw
