#include "edit/Marking.h"

#include <functional>
#include <string>

namespace fw {

namespace {

// A toggle-set command's message: "M..." when the group became marked, "Unm..." otherwise.
std::string MarkWord(uint8_t state, const char* tail) {
    return std::string(state ? "M" : "Unm") + tail;
}

// The current polygon, or -1 when there is none: with no polygons in use the slot holds
// whatever a deletion left there.
int CurrentPolygonOrNone(const ModelStore& m) {
    if (m.NumPolygons < 1 || m.CurrentPolygon < 0 || m.CurrentPolygon >= m.NumPolygons) return -1;
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

CommandResult SetSubmodelPointMarks(Editor& ed, uint8_t state) {
    ModelStore& m = ed.Model();
    for (int i = 0; i < m.NumPoints; ++i)
        if (m.PointSubmodel[i] == m.CurrentSubmodel) m.PointMarked[i] = state;
    CountMarkedPoints(m);
    return Done("", StatusKind::Plain);
}

CommandResult SetSubmodelPolygonMarks(Editor& ed, uint8_t state) {
    ModelStore& m = ed.Model();
    for (int p = 0; p < m.NumPolygons; ++p)
        if (PolygonTouchesSubmodel(m, p, m.CurrentSubmodel)) m.PolygonMarked[p] = state;
    CountMarkedPolygons(m);
    return Done("", StatusKind::Plain);
}

// Marks every polygon of the group, or unmarks them all when any of them is marked
// already, so a mixed group becomes uniform; then reports with the "M"/"Unm" word.
CommandResult SetPolygonGroupMarks(Editor& ed, const std::function<bool(int)>& inGroup,
                                   const char* tail) {
    ModelStore& m = ed.Model();
    uint8_t state = 1;
    for (int p = 0; p < m.NumPolygons; ++p)
        if (m.PolygonMarked[p] && inGroup(p)) state = 0;
    for (int p = 0; p < m.NumPolygons; ++p)
        if (inGroup(p)) m.PolygonMarked[p] = state;
    CountMarkedPolygons(m);
    return Done(MarkWord(state, tail));
}

}  // namespace

bool PolygonContainsPoint(const ModelStore& m, int p, int point) {
    const PolygonRecord& poly = m.Polygons[p];
    for (int j = 0; j < poly.CornerCount; ++j)
        if (poly.Corners[j] == point) return true;
    return false;
}

CommandResult ToggleCurrentPointMark(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.CurrentPoint < 0 || m.CurrentPoint >= m.NumPoints) return Ignored();
    m.PointMarked[m.CurrentPoint] = m.PointMarked[m.CurrentPoint] ? 0 : 1;
    CountMarkedPoints(m);
    return Done();
}

CommandResult MarkCurrentPolygonPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    int p = CurrentPolygonOrNone(m);
    if (p < 0) return Refused("No polygons.");
    uint8_t state = PolygonHasMarkedCorner(m, p) ? 0 : 1;
    SetCornerMarks(m, p, state);
    CountMarkedPoints(m);
    return Done(MarkWord(state, "arked current polygon's points"));
}

CommandResult MarkMarkedPolygonsPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumMarkedPolygons == 0) return Refused("No marked polygons.");
    uint8_t state = 1;
    for (int p = 0; p < m.NumPolygons; ++p)
        if (m.PolygonMarked[p] && PolygonHasMarkedCorner(m, p)) state = 0;
    for (int p = 0; p < m.NumPolygons; ++p)
        if (m.PolygonMarked[p]) SetCornerMarks(m, p, state);
    CountMarkedPoints(m);
    return Done(MarkWord(state, "arked marked-polygons' points"));
}

CommandResult MarkAllPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    uint8_t state = m.NumMarkedPoints < 1 ? 1 : 0;
    for (int i = 0; i < m.NumPoints; ++i) m.PointMarked[i] = state;
    m.NumMarkedPoints = state ? m.NumPoints : 0;
    return Done(MarkWord(state, "arked all points"));
}

CommandResult ToggleCurrentPolygonMark(Editor& ed) {
    ModelStore& m = ed.Model();
    int p = CurrentPolygonOrNone(m);
    if (p < 0) return Refused("No polygons.");
    m.PolygonMarked[p] = m.PolygonMarked[p] ? 0 : 1;
    CountMarkedPolygons(m);
    return Done();
}

CommandResult MarkCurrentPointPolygons(Editor& ed) {
    const ModelStore& m = ed.Model();
    return SetPolygonGroupMarks(
        ed, [&](int p) { return PolygonContainsPoint(m, p, m.CurrentPoint); },
        "arked current point's polygons");
}

CommandResult MarkMarkedPointsPolygons(Editor& ed) {
    const ModelStore& m = ed.Model();
    return SetPolygonGroupMarks(
        ed, [&](int p) { return PolygonHasMarkedCorner(m, p); }, "arked marked-points' polygons");
}

CommandResult MarkAllPolygons(Editor& ed) {
    ModelStore& m = ed.Model();
    uint8_t state = m.NumMarkedPolygons < 1 ? 1 : 0;
    for (int p = 0; p < m.NumPolygons; ++p) m.PolygonMarked[p] = state;
    m.NumMarkedPolygons = state ? m.NumPolygons : 0;
    return Done(MarkWord(state, "arked all polygons"));
}

CommandResult MarkSubmodelPoints(Editor& ed) {
    return SetSubmodelPointMarks(ed, 1);
}
CommandResult UnmarkSubmodelPoints(Editor& ed) {
    return SetSubmodelPointMarks(ed, 0);
}
CommandResult MarkSubmodelPolygons(Editor& ed) {
    return SetSubmodelPolygonMarks(ed, 1);
}
CommandResult UnmarkSubmodelPolygons(Editor& ed) {
    return SetSubmodelPolygonMarks(ed, 0);
}

CommandResult UnmarkAllPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumMarkedPoints < 1) return Refused("No marked points.");
    m.NumMarkedPoints = 0;
    for (int i = 0; i < m.NumPoints; ++i) m.PointMarked[i] = 0;
    return Done("Unmarked all points");
}

CommandResult UnmarkAllPolygons(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumMarkedPolygons < 1) return Refused("No marked polygons.");
    m.NumMarkedPolygons = 0;
    for (int p = 0; p < m.NumPolygons; ++p) m.PolygonMarked[p] = 0;
    return Done("Unmarked all polygons");
}

}  // namespace fw
