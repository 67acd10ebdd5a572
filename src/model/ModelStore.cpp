#include "model/ModelStore.h"

#include <algorithm>

#include "model/ContentFields.h"

namespace fw {

ModelStore::ModelStore() {
    Submodels[0].Parent = NO_PARENT;
}

void NewModel(ModelStore& m) {
    m.Points.fill(PointRecord{});
    for (auto& polygon : m.Polygons) polygon.CornerCount = 0;
    m.PolygonHidden.fill(0);
    m.PointHidden.fill(0);
    m.PointSubmodel.fill(0);
    m.PointMarked.fill(0);
    m.PolygonMarked.fill(0);

    m.NumSubmodels = 1;
    m.NumPolygons = 0;
    m.NumPoints = 1;
    m.NumberOfTextures = 5;
    m.FirstModelTexture = 0;
    m.SimplerModel = 0;
    m.CurrentPolygon = 0;
    m.CurrentPoint = 0;
    m.CurrentSubmodel = 0;
    // Centre, Parent, FirstPoint and PointCount keep their values: a new submodel takes them
    // over, and the user sets them again. The root always stays the root.
    for (auto& submodel : m.Submodels) submodel.SortPolygon = 0;
    m.Submodels[0].Parent = NO_PARENT;

    m.NumMarkedPoints = 0;
    m.NumMarkedPolygons = 0;
    m.TrailerValue1 = -1;
    m.TrailerValue2 = -1;
    m.Modified = false;
}

int PolygonSubmodel(const ModelStore& m, int polygon) {
    const PolygonRecord& p = m.Polygons[polygon];
    if (p.CornerCount < 1) return -1;
    int corner = p.Corners[0];
    if (corner < 0 || corner >= MAX_POINTS) return -1;
    return m.PointSubmodel[corner];
}

bool SamePolygonContent(const PolygonRecord& a, const PolygonRecord& b) {
    if (a.CornerCount != b.CornerCount || a.TextureNumber != b.TextureNumber ||
        a.FlatColour != b.FlatColour)
        return false;
    int n = std::clamp<int>(a.CornerCount, 0, MAX_CORNERS);
    return std::equal(a.Corners.begin(), a.Corners.begin() + n, b.Corners.begin()) &&
           std::equal(a.CornerUVL.begin(), a.CornerUVL.begin() + n, b.CornerUVL.begin());
}

bool SameModelContent(const ModelStore& a, const ModelStore& b) {
    return SameContentFields(a, b);
}

bool PolygonIsValid(const ModelStore& m, int polygon) {
    if (polygon < 0 || polygon >= MAX_POLYGONS) return false;
    const PolygonRecord& p = m.Polygons[polygon];
    if (p.CornerCount < 1 || p.CornerCount > MAX_CORNERS) return false;  // needs a first corner
    for (int j = 0; j < p.CornerCount; ++j)
        if (p.Corners[j] < 0 || p.Corners[j] >= m.NumPoints) return false;
    return true;
}

// Removes polygons that are not valid for the points in use, keeping the others in order.
static void DropInvalidPolygons(ModelStore& m) {
    int kept = 0;
    for (int i = 0; i < m.NumPolygons; ++i) {
        if (!PolygonIsValid(m, i)) continue;
        if (kept != i) {
            m.Polygons[kept] = m.Polygons[i];
            m.PolygonMarked[kept] = m.PolygonMarked[i];
            m.PolygonHidden[kept] = m.PolygonHidden[i];
        }
        ++kept;
    }
    m.NumPolygons = static_cast<int16_t>(kept);
}

void ClampToTables(ModelStore& m) {
    m.NumPoints = std::clamp<int16_t>(m.NumPoints, 1, MAX_POINTS);
    m.NumPolygons = std::clamp<int16_t>(m.NumPolygons, 0, MAX_POLYGONS);
    m.NumSubmodels = std::clamp<int16_t>(m.NumSubmodels, 1, MAX_SUBMODELS);
    for (auto& s : m.PointSubmodel) s = std::min<uint8_t>(s, MAX_SUBMODELS - 1);
    DropInvalidPolygons(m);
    ClampCurrentItems(m);
    CountMarkedPoints(m);
    CountMarkedPolygons(m);
}

void ClampCurrentItems(ModelStore& m) {
    m.CurrentPoint = std::clamp<int16_t>(m.CurrentPoint, 0, std::max(m.NumPoints - 1, 0));
    m.CurrentPolygon = std::clamp<int16_t>(m.CurrentPolygon, 0, std::max(m.NumPolygons - 1, 0));
    m.CurrentSubmodel = std::clamp<int16_t>(m.CurrentSubmodel, 0, std::max(m.NumSubmodels - 1, 0));
}

void CountMarkedPoints(ModelStore& m) {
    int n = std::clamp<int>(m.NumPoints, 0, MAX_POINTS);
    m.NumMarkedPoints = static_cast<int16_t>(std::count_if(
        m.PointMarked.begin(), m.PointMarked.begin() + n, [](uint8_t f) { return f; }));
}

void CountMarkedPolygons(ModelStore& m) {
    int n = std::clamp<int>(m.NumPolygons, 0, MAX_POLYGONS);
    m.NumMarkedPolygons = static_cast<int16_t>(std::count_if(
        m.PolygonMarked.begin(), m.PolygonMarked.begin() + n, [](uint8_t f) { return f; }));
}

}  // namespace fw
