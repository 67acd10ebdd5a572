#include "edit/SortPolygonFinder.h"

#include <algorithm>
#include <cmath>

#include "edit/PlaneFrame.h"
#include "edit/PolygonTools.h"

namespace fw {

namespace {

// Parent corners closer to the candidate's plane than this count as lying on it.
constexpr double ON_PLANE_TOLERANCE = 0.1;

// True when the polygon is in use, belongs to submodel s and names only points in use.
bool IsPolygonOf(const ModelStore& m, int polygon, int s) {
    return PolygonIsValid(m, polygon) && PolygonSubmodel(m, polygon) == s;
}

struct ParentCount {
    int front = 0, straddling = 0;
};

// Sorts the parent's polygons into those in front of the candidate's plane, those cut by it
// and the rest (behind or on it).
ParentCount CountParentPolygons(const ModelStore& m, const PlaneFrame& frame, int candidate,
                                int parent) {
    ParentCount count;
    for (int q = 0; q < m.NumPolygons; ++q) {
        if (q == candidate || !IsPolygonOf(m, q, parent)) continue;
        const PolygonRecord& poly = m.Polygons[q];
        bool anyFront = false, anyBehind = false;
        for (int j = 0; j < poly.CornerCount; ++j) {
            double z = frame.ToPlane(m.Points[poly.Corners[j]]).Z;
            if (std::fabs(z) < ON_PLANE_TOLERANCE) continue;
            if (z > 0) anyFront = true;
            if (z < 0) anyBehind = true;
        }
        if (!anyFront) continue;
        if (anyBehind)
            ++count.straddling;
        else
            ++count.front;
    }
    return count;
}

}  // namespace

int16_t FindSortPolygon(const ModelStore& m, int s, MessageSink& sink) {
    if (s < 0 || s >= MAX_SUBMODELS) return 0;
    int parent = m.Submodels[s].Parent;
    int first = -1, second = -1, best = 0;
    for (int c = 0; c < m.NumPolygons; ++c) {
        if (!IsPolygonOf(m, c, s)) continue;
        const PolygonRecord& poly = m.Polygons[c];
        int n = poly.CornerCount;
        PlaneFrame frame(m.Points[poly.Corners[0]], m.Points[poly.Corners[std::min(1, n - 1)]],
                         m.Points[poly.Corners[n - 1]]);
        if (frame.HasZeroNormal())
            sink.ShowMessage(EDIT_MESSAGE_TITLE, "A polygon had a side of length zero!");
        ParentCount count = CountParentPolygons(m, frame, c, parent);
        if (count.front <= 0) continue;
        if (count.straddling == 0) {
            first = c;
        } else if (count.front > best) {
            second = c;
            best = count.front;
        }
    }
    if (first != -1) return static_cast<int16_t>(first);
    if (second != -1) return static_cast<int16_t>(second);
    return 0;
}

CommandResult FindCurrentSortPolygon(Editor& ed) {
    ed.ShowStatus("", 0);
    ModelStore& m = ed.Model();
    int s = m.CurrentSubmodel;
    if (s < 0 || s >= MAX_SUBMODELS) return Ignored();
    m.Submodels[s].SortPolygon = FindSortPolygon(m, s, ed.Host());
    return Done();
}

CommandResult FindAllSortPolygons(Editor& ed) {
    ed.ShowStatus("", 0);
    ModelStore& m = ed.Model();
    int submodels = std::min<int>(m.NumSubmodels, MAX_SUBMODELS);
    for (int s = 1; s < submodels; ++s)
        m.Submodels[s].SortPolygon = FindSortPolygon(m, s, ed.Host());
    return Done();
}

CommandResult ShowSortingPolygons(Editor& ed) {
    ModelStore& m = ed.Model();
    int submodels = std::min<int>(m.NumSubmodels, MAX_SUBMODELS);
    for (int s = 1; s < submodels; ++s) {
        for (int i = 0; i < m.NumPolygons; ++i)
            if (PolygonSubmodel(m, i) == s) m.PolygonMarked[i] = 0;
        // A stale choice after polygons were deleted names no polygon in use: skip it.
        int sort = m.Submodels[s].SortPolygon;
        if (sort >= 0 && sort < m.NumPolygons) m.PolygonMarked[sort] = 1;
    }
    CountMarkedPolygons(m);
    return Done();
}

}  // namespace fw
