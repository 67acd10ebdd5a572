#pragma once

#include <algorithm>

#include "model/ModelStore.h"

namespace fw {

// What a file saves of a model, compared between any two holders that name these fields as
// the store does: a whole store, or the compact copy the Modified flag keeps. Marks, hiding
// and current items do not count. `b` may hold its points and polygons in use only.
template <class A, class B>
bool SameContentFields(const A& a, const B& b) {
    if (a.NumPoints != b.NumPoints || a.NumPolygons != b.NumPolygons ||
        a.NumSubmodels != b.NumSubmodels || a.NumberOfTextures != b.NumberOfTextures ||
        a.FirstModelTexture != b.FirstModelTexture || a.SimplerModel != b.SimplerModel ||
        a.HeaderReserved != b.HeaderReserved || a.TrailerValue1 != b.TrailerValue1 ||
        a.TrailerValue2 != b.TrailerValue2 || a.Submodels != b.Submodels)
        return false;
    int points = std::clamp<int>(a.NumPoints, 0, MAX_POINTS);
    if (!std::equal(a.Points.begin(), a.Points.begin() + points, b.Points.begin()) ||
        !std::equal(a.PointSubmodel.begin(), a.PointSubmodel.begin() + points,
                    b.PointSubmodel.begin()))
        return false;
    int polygons = std::clamp<int>(a.NumPolygons, 0, MAX_POLYGONS);
    for (int i = 0; i < polygons; ++i)
        if (!SamePolygonContent(a.Polygons[i], b.Polygons[i])) return false;
    return true;
}

}  // namespace fw
