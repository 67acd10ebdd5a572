#include "modelfile/ModelDataWriter.h"

#include <array>

#include "modelfile/StreamWriter.h"

namespace fw {

FixVector RelativeFix(const Vector3& p, const FixVector& origin, FixRounder& fix) {
    return fix(p[0] * FIX_ONE - origin.X, p[1] * FIX_ONE - origin.Y, p[2] * FIX_ONE - origin.Z);
}

static FixVector ScaledFix(const Vector3& v, FixRounder& fix) {
    return fix(v[0] * FIX_ONE, v[1] * FIX_ONE, v[2] * FIX_ONE);
}

SeparationPlane SeparationPlaneOf(const ModelStore& m, int t, FixRounder& fix) {
    int polygon = m.Submodels[t].SortPolygon;
    SeparationPlane plane;
    plane.Point = FirstCornerPosition(m, polygon);
    if (plane.Point) plane.Normal = ScaledFix(PolygonNormal(m, polygon), fix);
    return plane;
}

namespace {

void WriteChildGroup(const ModelStore& m, const SaveLayout& layout, int t, FixRounder& fix,
                     std::vector<uint8_t>& out, int32_t& position) {
    const SubmodelLayout& child = layout.Submodels[t];
    SeparationPlane plane = SeparationPlaneOf(m, t, fix);
    FixVector point =
        plane.Point ? RelativeFix(*plane.Point, child.ParentCentre, fix) : FixVector{};
    WriteSortnorm(out, position, plane.Normal, point);
    WriteEof(out, position);
    int32_t jump = child.BlockStart - position;  // checked to fit by the plan
    FixVector offset = fix(double(child.Centre.X) - child.ParentCentre.X,
                           double(child.Centre.Y) - child.ParentCentre.Y,
                           double(child.Centre.Z) - child.ParentCentre.Z);
    WriteSubcall(out, position, static_cast<int16_t>(t), offset, static_cast<int16_t>(jump));
    WriteEof(out, position);
}

void WritePoints(const ModelStore& m, int s, const FixVector& origin, FixRounder& fix,
                 std::vector<uint8_t>& out, int32_t& position) {
    const SubmodelRecord& r = m.Submodels[s];
    std::vector<FixVector> points;
    points.reserve(r.PointCount);
    for (int i = r.FirstPoint; i < r.FirstPoint + r.PointCount; ++i)
        points.push_back(RelativeFix(ToVector(m.Points[i]), origin, fix));
    WriteDefpStart(out, position, r.FirstPoint, points);
}

void WritePolygon(const ModelStore& m, int i, const FixVector& origin, FixRounder& fix,
                  std::vector<uint8_t>& out, int32_t& position) {
    const PolygonRecord& p = m.Polygons[i];
    std::optional<Vector3> first = FirstCornerPosition(m, i);
    FixVector planePoint = first ? RelativeFix(*first, origin, fix) : FixVector{};
    FixVector normal = ScaledFix(PolygonNormal(m, i), fix);
    std::span<const int16_t> corners(p.Corners.data(), p.CornerCount);
    if (p.IsFlat()) {
        WriteFlatPoly(out, position, planePoint, normal, p.FlatColour, corners);
        return;
    }
    std::array<UVFix, MAX_CORNERS> uv;
    for (int j = 0; j < p.CornerCount; ++j)
        uv[j] = {fix(double(p.CornerUVL[j].U) * FIX_ONE), fix(double(p.CornerUVL[j].V) * FIX_ONE)};
    WriteTmapPoly(out, position, planePoint, normal, p.TextureNumber, corners,
                  std::span<const UVFix>(uv.data(), p.CornerCount));
}

}  // namespace

void WriteModelData(const ModelStore& m, const SaveLayout& layout, FixRounder& fix,
                    std::vector<uint8_t>& out, int32_t& position) {
    for (int s = 0; s < m.NumSubmodels; ++s) {
        const SubmodelLayout& block = layout.Submodels[s];
        for (int t : block.Children) WriteChildGroup(m, layout, t, fix, out, position);
        WritePoints(m, s, block.Centre, fix, out, position);
        for (int i = 0; i < m.NumPolygons; ++i)
            if (layout.PolygonOwner[i] == s) WritePolygon(m, i, block.Centre, fix, out, position);
        WriteEof(out, position);
        WriteEof(out, position);
    }
}

}  // namespace fw
