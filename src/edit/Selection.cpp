#include "edit/Selection.h"

#include <string>

namespace fw {

namespace {

// Steps a number through 0..count-1, wrapping at both ends.
int Wrap(int value, int step, int count) {
    value += step;
    if (value >= count) return 0;
    if (value < 0) return count - 1;
    return value;
}

bool ValidCorner(const ModelStore& m, const PolygonRecord& poly, int corner) {
    return corner >= 0 && corner < poly.CornerCount && poly.Corners[corner] >= 0 &&
           poly.Corners[corner] < m.NumPoints;
}

bool HasCurrentPolygon(const ModelStore& m) {
    return m.NumPolygons > 0 && m.CurrentPolygon >= 0 && m.CurrentPolygon < m.NumPolygons;
}

CommandResult NoSuch(const char* what, int value) {
    return Refused("There is no " + std::string(what) + " " + std::to_string(value) + ".");
}

}  // namespace

CommandResult SelectPoint(Editor& ed, int point) {
    ModelStore& m = ed.Model();
    if (point < 0 || point >= m.NumPoints) return NoSuch("point", point);
    m.CurrentPoint = static_cast<int16_t>(point);
    return Done();
}

CommandResult SelectPolygon(Editor& ed, int polygon) {
    ModelStore& m = ed.Model();
    if (polygon < 0 || polygon >= m.NumPolygons) return NoSuch("polygon", polygon);
    m.CurrentPolygon = static_cast<int16_t>(polygon);
    return Done();
}

CommandResult SelectSubmodel(Editor& ed, int submodel) {
    ModelStore& m = ed.Model();
    if (submodel < 0 || submodel >= m.NumSubmodels) return NoSuch("submodel", submodel);
    m.CurrentSubmodel = static_cast<int16_t>(submodel);
    return Done();
}

CommandResult SelectCorner(Editor& ed, int corner) {
    ModelStore& m = ed.Model();
    if (!HasCurrentPolygon(m)) return Refused("No polygons.");
    const PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    if (corner < 0 || corner >= poly.CornerCount) return NoSuch("corner", corner);
    ed.CurrentCorner = static_cast<int16_t>(corner);
    if (ValidCorner(m, poly, corner)) m.CurrentPoint = poly.Corners[corner];
    return Done();
}

CommandResult SelectListCorner(Editor& ed, int corner) {
    ModelStore& m = ed.Model();
    if (!HasCurrentPolygon(m)) return Refused("No polygons.");
    if (corner < 0 || corner >= m.Polygons[m.CurrentPolygon].CornerCount)
        return NoSuch("corner", corner);
    ed.CurrentListCorner = static_cast<int16_t>(corner);
    return Done();
}

CommandResult StepCorner(Editor& ed, int step) {
    ModelStore& m = ed.Model();
    if (!HasCurrentPolygon(m)) return Ignored();
    const PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    if (poly.CornerCount <= 0) return Ignored();
    ed.CurrentCorner = static_cast<int16_t>(Wrap(ed.CurrentCorner, step, poly.CornerCount));
    if (ValidCorner(m, poly, ed.CurrentCorner)) m.CurrentPoint = poly.Corners[ed.CurrentCorner];
    return Done();
}

CommandResult StepPoint(Editor& ed, int step) {
    ModelStore& m = ed.Model();
    if (m.NumPoints <= 0) return Ignored();
    m.CurrentPoint = static_cast<int16_t>(Wrap(m.CurrentPoint, step, m.NumPoints));
    return Done();
}

CommandResult StepPolygon(Editor& ed, int step, bool followCorner) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons <= 0) return Ignored();
    m.CurrentPolygon = static_cast<int16_t>(Wrap(m.CurrentPolygon, step, m.NumPolygons));
    if (!followCorner) return Done();
    const PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    if (ed.CurrentCorner >= poly.CornerCount) ed.CurrentCorner = 0;
    if (ValidCorner(m, poly, ed.CurrentCorner)) m.CurrentPoint = poly.Corners[ed.CurrentCorner];
    return Done();
}

}  // namespace fw
