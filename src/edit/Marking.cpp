#include "edit/Marking.h"

#include <functional>
#include <string>

namespace fw {

namespace {

// A toggle-set command's message: "M..." when the group became marked, "Unm..." otherwise.
std::string MarkWord(uint8_t state, const char* tail) {
    return std::string(state ? "M" : "Unm") + tail;
}

// The current polygon, or -1 after telling the user there is none: with no polygons in use
// the slot holds whatever a deletion left there.
int CurrentPolygonOrNone(Editor& ed) {
    const ModelStore& m = ed.Model();
    if (m.NumPolygons < 1 || m.CurrentPolygon < 0 || m.CurrentPolygon >= m.NumPolygons) {
        ed.ShowStatus("No polygons.", -1);
        return -1;
    }
    return m.CurrentPolygon;
}

bool PointIsMarked(const ModelStore& m, int point) {
    return point >= 0 && point < m.NumPoints && m.PointMarked[point];
}

bool PolygonHasMarkedCorner(const ModelStore& m, int p) {
    const PolygonRecord& poly = m.Polygons[p];
    for (int j = 0; j < poly.CornerCount; ++j)
        if (PointIsMarked(m, poly.Corners[j])) return true;
    return false;
}

bool PolygonTouchesSubmodel(const ModelStore& m, int p, int submodel) {
    const PolygonRecord& poly = m.Polygons[p];
    for (int j = 0; j < poly.CornerCount; ++j) {
        int c = poly.Corners[j];
        if (c >= 0 && c < m.NumPoints && m.PointSubmodel[c] == submodel) return true;
    }
    return false;
}

void SetCornerMarks(ModelStore& m, int p, uint8_t state) {
    const PolygonRecord& poly = m.Polygons[p];
    for (int j = 0; j < poly.CornerCount; ++j) {
        int c = poly.Corners[j];
        if (c >= 0 && c < m.NumPoints) m.PointMarked[c] = state;
    }
}

void SetSubmodelPointMarks(Editor& ed, uint8_t state) {
    ModelStore& m = ed.Model();
    ed.ShowStatus("", 0);
    for (int i = 0; i < m.NumPoints; ++i)
        if (m.PointSubmodel[i] == m.CurrentSubmodel) m.PointMarked[i] = state;
    CountMarkedPoints(m);
    ed.RefreshAfterEdit(1);
}

void SetSubmodelPolygonMarks(Editor& ed, uint8_t state) {
    ModelStore& m = ed.Model();
    ed.ShowStatus("", 0);
    for (int p = 0; p < m.NumPolygons; ++p)
        if (PolygonTouchesSubmodel(m, p, m.CurrentSubmodel)) m.PolygonMarked[p] = state;
    CountMarkedPolygons(m);
    ed.RefreshAfterEdit(1);
}

// Marks every polygon of the group, or unmarks them all when any of them is marked
// already, so a mixed group becomes uniform; then reports with the "M"/"Unm" word.
void SetPolygonGroupMarks(Editor& ed, const std::function<bool(int)>& inGroup, const char* tail) {
    ModelStore& m = ed.Model();
    uint8_t state = 1;
    for (int p = 0; p < m.NumPolygons; ++p)
        if (m.PolygonMarked[p] && inGroup(p)) state = 0;
    for (int p = 0; p < m.NumPolygons; ++p)
        if (inGroup(p)) m.PolygonMarked[p] = state;
    ed.ShowStatus(MarkWord(state, tail), 1);
    CountMarkedPolygons(m);
    ed.RefreshAfterEdit(1);
}

}  // namespace

bool PolygonContainsPoint(const ModelStore& m, int p, int point) {
    const PolygonRecord& poly = m.Polygons[p];
    for (int j = 0; j < poly.CornerCount; ++j)
        if (poly.Corners[j] == point) return true;
    return false;
}

void ToggleCurrentPointMark(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.CurrentPoint < 0 || m.CurrentPoint >= m.NumPoints) return;
    m.PointMarked[m.CurrentPoint] = m.PointMarked[m.CurrentPoint] ? 0 : 1;
    CountMarkedPoints(m);
    ed.RefreshAfterEdit(1);
}

void MarkCurrentPolygonPoints(Editor& ed) {
    int p = CurrentPolygonOrNone(ed);
    if (p < 0) return;
    ModelStore& m = ed.Model();
    uint8_t state = PolygonHasMarkedCorner(m, p) ? 0 : 1;
    SetCornerMarks(m, p, state);
    ed.ShowStatus(MarkWord(state, "arked current polygon's points"), 1);
    CountMarkedPoints(m);
    ed.RefreshAfterEdit(1);
}

void MarkMarkedPolygonsPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumMarkedPolygons == 0) {
        ed.ShowStatus("No marked polygons.", -1);
        return;
    }
    uint8_t state = 1;
    for (int p = 0; p < m.NumPolygons; ++p)
        if (m.PolygonMarked[p] && PolygonHasMarkedCorner(m, p)) state = 0;
    for (int p = 0; p < m.NumPolygons; ++p)
        if (m.PolygonMarked[p]) SetCornerMarks(m, p, state);
    ed.ShowStatus(MarkWord(state, "arked marked-polygons' points"), 1);
    CountMarkedPoints(m);
    ed.RefreshAfterEdit(1);
}

void MarkAllPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    uint8_t state = m.NumMarkedPoints < 1 ? 1 : 0;
    for (int i = 0; i < m.NumPoints; ++i) m.PointMarked[i] = state;
    m.NumMarkedPoints = state ? m.NumPoints : 0;
    ed.ShowStatus(MarkWord(state, "arked all points"), 1);
    ed.RefreshAfterEdit(1);
}

void ToggleCurrentPolygonMark(Editor& ed) {
    int p = CurrentPolygonOrNone(ed);
    if (p < 0) return;
    ModelStore& m = ed.Model();
    m.PolygonMarked[p] = m.PolygonMarked[p] ? 0 : 1;
    CountMarkedPolygons(m);
    ed.RefreshAfterEdit(1);
}

void MarkCurrentPointPolygons(Editor& ed) {
    const ModelStore& m = ed.Model();
    SetPolygonGroupMarks(
        ed, [&](int p) { return PolygonContainsPoint(m, p, m.CurrentPoint); },
        "arked current point's polygons");
}

void MarkMarkedPointsPolygons(Editor& ed) {
    const ModelStore& m = ed.Model();
    SetPolygonGroupMarks(
        ed, [&](int p) { return PolygonHasMarkedCorner(m, p); }, "arked marked-points' polygons");
}

void MarkAllPolygons(Editor& ed) {
    ModelStore& m = ed.Model();
    uint8_t state = m.NumMarkedPolygons < 1 ? 1 : 0;
    for (int p = 0; p < m.NumPolygons; ++p) m.PolygonMarked[p] = state;
    m.NumMarkedPolygons = state ? m.NumPolygons : 0;
    ed.ShowStatus(MarkWord(state, "arked all polygons"), 1);
    ed.RefreshAfterEdit(1);
}

void MarkSubmodelPoints(Editor& ed) {
    SetSubmodelPointMarks(ed, 1);
}
void UnmarkSubmodelPoints(Editor& ed) {
    SetSubmodelPointMarks(ed, 0);
}
void MarkSubmodelPolygons(Editor& ed) {
    SetSubmodelPolygonMarks(ed, 1);
}
void UnmarkSubmodelPolygons(Editor& ed) {
    SetSubmodelPolygonMarks(ed, 0);
}

void UnmarkAllPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumMarkedPoints < 1) {
        ed.ShowStatus("No marked points.", -1);
        return;
    }
    ed.ShowStatus("Unmarked all points", 1);
    m.NumMarkedPoints = 0;
    for (int i = 0; i < m.NumPoints; ++i) m.PointMarked[i] = 0;
    ed.RefreshAfterEdit(1);
}

void UnmarkAllPolygons(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumMarkedPolygons < 1) {
        ed.ShowStatus("No marked polygons.", -1);
        return;
    }
    ed.ShowStatus("Unmarked all polygons", 1);
    m.NumMarkedPolygons = 0;
    for (int p = 0; p < m.NumPolygons; ++p) m.PolygonMarked[p] = 0;
    ed.RefreshAfterEdit(1);
}

}  // namespace fw
