#include "model/ChangeSet.h"

#include <algorithm>

namespace fw {

namespace {

// Compares the polygons both stores may use, field group by field group.
void DiffPolygons(const ModelStore& a, const ModelStore& b, ChangeSet& changes) {
    int count = std::max(a.NumPolygons, b.NumPolygons);
    for (int p = 0; p < count && p < MAX_POLYGONS; ++p) {
        const PolygonRecord& x = a.Polygons[p];
        const PolygonRecord& y = b.Polygons[p];
        if (x.CornerCount != y.CornerCount || x.Corners != y.Corners) changes |= Change::Structure;
        if (x.CornerUVL != y.CornerUVL) changes |= Change::TextureCoords;
        if (x.TextureNumber != y.TextureNumber || x.FlatColour != y.FlatColour)
            changes |= Change::Attributes;
    }
}

}  // namespace

ChangeSet DiffStores(const ModelStore& a, const ModelStore& b) {
    ChangeSet changes;
    if (a.Points != b.Points) changes |= Change::Geometry;
    if (a.NumPoints != b.NumPoints || a.NumPolygons != b.NumPolygons ||
        a.NumSubmodels != b.NumSubmodels || a.PointSubmodel != b.PointSubmodel ||
        a.Submodels != b.Submodels)
        changes |= Change::Structure;
    DiffPolygons(a, b, changes);
    if (a.NumberOfTextures != b.NumberOfTextures || a.FirstModelTexture != b.FirstModelTexture)
        changes |= Change::Attributes;
    if (a.PointMarked != b.PointMarked || a.PolygonMarked != b.PolygonMarked ||
        a.NumMarkedPoints != b.NumMarkedPoints || a.NumMarkedPolygons != b.NumMarkedPolygons)
        changes |= Change::Marks;
    if (a.PointHidden != b.PointHidden || a.PolygonHidden != b.PolygonHidden)
        changes |= Change::Hiding;
    if (a.CurrentPoint != b.CurrentPoint || a.CurrentPolygon != b.CurrentPolygon ||
        a.CurrentSubmodel != b.CurrentSubmodel)
        changes |= Change::CurrentItems;
    return changes;
}

int RefreshKindOf(ChangeSet changes) {
    if (changes.TouchesContent()) return REFRESH_PREVIEW;
    if (changes.Has(Change::Marks) || changes.Has(Change::Hiding) ||
        changes.Has(Change::CurrentItems) || changes.Has(Change::View))
        return REFRESH_VIEWS;
    return REFRESH_LISTS;
}

}  // namespace fw
