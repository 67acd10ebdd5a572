#include "edit/AttributeEdits.h"

#include <cmath>
#include <string>

#include "model/Axis.h"

namespace fw {

namespace {

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

bool FitsFixed(double value) {
    return std::isfinite(value) && std::fabs(value) <= FIX_LIMIT;
}

std::string RangeText(int low, int high) {
    return std::to_string(low) + " to " + std::to_string(high);
}

CommandResult NoSuch(const char* what, int value) {
    return Refused("There is no " + std::string(what) + " " + std::to_string(value) + ".");
}

const char* const OUT_OF_RANGE = "Values must lie between -32767 and 32767.";

}  // namespace

CommandResult SetPointCoordinate(Editor& ed, int point, int axis, double value) {
    ModelStore& m = ed.Model();
    if (!InRange(point, 0, m.NumPoints - 1)) return NoSuch("point", point);
    if (!IsAxis(axis)) return Refused("Axis must be 1, 2 or 3.");
    if (!FitsFixed(value)) return Refused(OUT_OF_RANGE);
    SetCoordinate(m.Points[point], axis, value);
    return Done();
}

CommandResult SetPointPosition(Editor& ed, int point, const PointRecord& position) {
    ModelStore& m = ed.Model();
    if (!InRange(point, 0, m.NumPoints - 1)) return NoSuch("point", point);
    if (!FitsFixed(position.X) || !FitsFixed(position.Y) || !FitsFixed(position.Z))
        return Refused(OUT_OF_RANGE);
    m.Points[point] = position;
    return Done();
}

CommandResult SetCornerUVL(Editor& ed, int polygon, int corner, int which, double value) {
    ModelStore& m = ed.Model();
    if (!InRange(polygon, 0, m.NumPolygons - 1)) return NoSuch("polygon", polygon);
    PolygonRecord& poly = m.Polygons[polygon];
    if (!InRange(corner, 0, poly.CornerCount - 1)) return NoSuch("corner", corner);
    if (!InRange(which, 0, 2)) return Refused("Only U, V and L can be set.");
    if (!FitsFixed(value)) return Refused(OUT_OF_RANGE);
    CornerUVLRecord& uvl = poly.CornerUVL[corner];
    (which == 0 ? uvl.U : which == 1 ? uvl.V : uvl.L) = static_cast<float>(value);
    return Done();
}

CommandResult SetPolygonTexture(Editor& ed, int polygon, int texture) {
    ModelStore& m = ed.Model();
    if (!InRange(polygon, 0, m.NumPolygons - 1)) return NoSuch("polygon", polygon);
    if (!InRange(texture, -1, m.NumberOfTextures - 1))
        return Refused("Texture must be -1 (flat) or within the model's textures (" +
                       RangeText(0, m.NumberOfTextures - 1) + ").");
    m.Polygons[polygon].TextureNumber = static_cast<int16_t>(texture);
    return Done();
}

CommandResult SetPolygonColour(Editor& ed, int polygon, int colour) {
    ModelStore& m = ed.Model();
    if (!InRange(polygon, 0, m.NumPolygons - 1)) return NoSuch("polygon", polygon);
    if (!InRange(colour, 0, 0x7FFF)) return Refused("Colour must be " + RangeText(0, 0x7FFF) + ".");
    m.Polygons[polygon].FlatColour = static_cast<int16_t>(colour);
    return Done();
}

CommandResult SetSubmodelParent(Editor& ed, int submodel, int parent) {
    ModelStore& m = ed.Model();
    if (!InRange(submodel, 0, m.NumSubmodels - 1)) return NoSuch("submodel", submodel);
    if (submodel == 0 && parent != NO_PARENT)
        return Refused("Submodel 0 is the root: it has no parent.");
    if (submodel > 0 && !InRange(parent, 0, submodel - 1))
        return Refused("The parent of submodel " + std::to_string(submodel) +
                       " must be a lower-numbered submodel (" + RangeText(0, submodel - 1) + ").");
    m.Submodels[submodel].Parent = static_cast<uint8_t>(parent);
    return Done();
}

CommandResult SetSubmodelSortPolygon(Editor& ed, int submodel, int polygon) {
    ModelStore& m = ed.Model();
    if (!InRange(submodel, 0, m.NumSubmodels - 1)) return NoSuch("submodel", submodel);
    if (!InRange(polygon, -1, m.NumPolygons - 1))
        return Refused("The sorting polygon must be -1 or a polygon in use (" +
                       RangeText(0, m.NumPolygons - 1) + ").");
    m.Submodels[submodel].SortPolygon = static_cast<int16_t>(polygon);
    return Done();
}

}  // namespace fw
