#pragma once

// Every field and every slot of two whole stores, for tests that must see an undo give back
// exactly what was there (Modified aside, which the editor recomputes).

#include <algorithm>
#include <tuple>

#include "model/ModelStore.h"

namespace fw {

inline bool SameWholeStore(const ModelStore& a, const ModelStore& b) {
    auto fields = [](const ModelStore& m) {
        return std::tie(m.Points, m.PointSubmodel, m.PointMarked, m.PointHidden, m.PolygonMarked,
                        m.PolygonHidden, m.Submodels, m.NumPoints, m.NumPolygons, m.NumSubmodels,
                        m.NumMarkedPoints, m.NumMarkedPolygons, m.CurrentPoint, m.CurrentPolygon,
                        m.CurrentSubmodel, m.NumberOfTextures, m.FirstModelTexture, m.SimplerModel,
                        m.HeaderReserved, m.TrailerValue1, m.TrailerValue2, m.PointRemap);
    };
    auto polygon = [](const PolygonRecord& p) {
        return std::tie(p.Corners, p.CornerCount, p.TextureNumber, p.FlatColour, p.CornerUVL);
    };
    return fields(a) == fields(b) &&
           std::equal(a.Polygons.begin(), a.Polygons.end(), b.Polygons.begin(),
                      [&](const auto& p, const auto& q) { return polygon(p) == polygon(q); });
}

}  // namespace fw
