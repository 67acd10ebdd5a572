#include "edit/InsertDelete.h"

#include <array>
#include <cmath>
#include <numbers>
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

bool CentreOfMarkedPoints(Editor& ed, double& x, double& y, double& z) {
    const ModelStore& m = ed.Model();
    double sx = 0, sy = 0, sz = 0;
    int count = 0;
    for (int i = 0; i < m.NumPoints; ++i) {
        if (!m.PointMarked[i]) continue;
        sx += m.Points[i].X;
        sy += m.Points[i].Y;
        sz += m.Points[i].Z;
        ++count;
    }
    if (count == 0) {
        ed.ShowStatus("Mark at least 1 point first.", -1);
        return false;
    }
    x = sx / count;
    y = sy / count;
    z = sz / count;
    return true;
}

void InsertPoint(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumPoints >= MAX_POINTS) {
        ed.ShowStatus("Cannot insert: the model already has 512 points.", -1);
        return;
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
    PutMarkedPointsInSubmodel(ed, last);
    ed.RefreshAfterEdit(1);
    ed.ShowStatus("Inserted a new point in Submodel " + std::to_string(last) + ".", 1);
}

void DeletePoints(Editor& ed) {
    ModelStore& m = ed.Model();
    int attached = FirstAttachedMarkedPoint(m);
    if (attached >= 0) {
        ed.ShowStatus(
            "Cannot delete point #" + std::to_string(attached) + " - Remove all attached polygons.",
            -1);
        return;
    }

    // A model always keeps a point: the file, the views and the submodel count rely on it.
    CountMarkedPoints(m);
    if (m.NumMarkedPoints >= m.NumPoints) {
        ed.ShowStatus("Cannot delete every point: a model keeps at least one.", -1);
        return;
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
        ed.ShowStatus("No points marked.", -1);
        return;
    }
    ed.RefreshAfterEdit(1);
    ed.ShowStatus("Deleted " + std::to_string(deleted) + " points.", 1);
}

void InsertPolygon(Editor& ed) {
    ModelStore& m = ed.Model();
    CountMarkedPoints(m);
    int marked = m.NumMarkedPoints;
    if (marked < 3 || marked > MAX_CORNERS) {
        // The message names the range that is really accepted (20 corners, not 6).
        ed.ShowStatus("Need 3 to 20 points marked", -1);
        return;
    }
    if (m.NumPolygons >= MAX_POLYGONS) {
        ed.ShowStatus("Cannot insert: the model already has 512 polygons.", -1);
        return;
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
    ed.RefreshAfterEdit(2);
    ed.ShowStatus("Inserted a polygon with " + std::to_string(marked) + " points.", 1);
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

void DeletePolygons(Editor& ed) {
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
        ed.ShowStatus("No polygons marked.", -1);
        return;
    }
    ed.RefreshAfterEdit(2);
    ed.ShowStatus("Deleted " + std::to_string(deleted) + " polygons.", 1);
}

}  // namespace fw
