#include "model/SavedContent.h"

#include <algorithm>

#include "model/ContentFields.h"

namespace fw {

// A new store's content, written out rather than copied from a store, which would mean
// making and clearing a whole one.
SavedContent::SavedContent()
    : NumPoints(1),
      NumSubmodels(1),
      NumberOfTextures(5),
      TrailerValue1(-1),
      TrailerValue2(-1),
      Points(1),
      PointSubmodel(1, 0) {
    Submodels[0].Parent = NO_PARENT;
}

SavedContent::SavedContent(const ModelStore& m)
    : NumPoints(m.NumPoints),
      NumPolygons(m.NumPolygons),
      NumSubmodels(m.NumSubmodels),
      NumberOfTextures(m.NumberOfTextures),
      FirstModelTexture(m.FirstModelTexture),
      SimplerModel(m.SimplerModel),
      HeaderReserved(m.HeaderReserved),
      TrailerValue1(m.TrailerValue1),
      TrailerValue2(m.TrailerValue2),
      Submodels(m.Submodels) {
    int points = std::clamp<int>(m.NumPoints, 0, MAX_POINTS);
    int polygons = std::clamp<int>(m.NumPolygons, 0, MAX_POLYGONS);
    Points.assign(m.Points.begin(), m.Points.begin() + points);
    PointSubmodel.assign(m.PointSubmodel.begin(), m.PointSubmodel.begin() + points);
    Polygons.assign(m.Polygons.begin(), m.Polygons.begin() + polygons);
}

bool SavedContent::Matches(const ModelStore& m) const {
    return SameContentFields(m, *this);
}

size_t SavedContent::BytesUsed() const {
    return Points.capacity() * sizeof(PointRecord) + PointSubmodel.capacity() +
           Polygons.capacity() * sizeof(PolygonRecord);
}

}  // namespace fw
