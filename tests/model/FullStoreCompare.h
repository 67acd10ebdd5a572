#pragma once

// Field-by-field comparison of two whole stores, every slot of every table included, for
// tests that must see an undo give back exactly what was there.

#include <gtest/gtest.h>

#include "model/ModelStore.h"

namespace fw {

inline bool SamePolygonRecord(const PolygonRecord& a, const PolygonRecord& b) {
    return a.Corners == b.Corners && a.CornerCount == b.CornerCount &&
           a.TextureNumber == b.TextureNumber && a.FlatColour == b.FlatColour &&
           a.CornerUVL == b.CornerUVL;
}

inline ::testing::AssertionResult SameWholeStore(const ModelStore& a, const ModelStore& b) {
    auto differs = [](const char* what) { return ::testing::AssertionFailure() << what; };
    if (a.Points != b.Points) return differs("Points");
    if (a.PointSubmodel != b.PointSubmodel) return differs("PointSubmodel");
    if (a.PointMarked != b.PointMarked) return differs("PointMarked");
    if (a.PointHidden != b.PointHidden) return differs("PointHidden");
    for (size_t i = 0; i < a.Polygons.size(); ++i)
        if (!SamePolygonRecord(a.Polygons[i], b.Polygons[i]))
            return differs("Polygons") << " [" << i << "]";
    if (a.PolygonMarked != b.PolygonMarked) return differs("PolygonMarked");
    if (a.PolygonHidden != b.PolygonHidden) return differs("PolygonHidden");
    if (a.Submodels != b.Submodels) return differs("Submodels");
    if (a.NumPoints != b.NumPoints || a.NumPolygons != b.NumPolygons ||
        a.NumSubmodels != b.NumSubmodels || a.NumMarkedPoints != b.NumMarkedPoints ||
        a.NumMarkedPolygons != b.NumMarkedPolygons)
        return differs("counts");
    if (a.CurrentPoint != b.CurrentPoint || a.CurrentPolygon != b.CurrentPolygon ||
        a.CurrentSubmodel != b.CurrentSubmodel)
        return differs("current items");
    if (a.NumberOfTextures != b.NumberOfTextures || a.FirstModelTexture != b.FirstModelTexture ||
        a.SimplerModel != b.SimplerModel || a.HeaderReserved != b.HeaderReserved ||
        a.TrailerValue1 != b.TrailerValue1 || a.TrailerValue2 != b.TrailerValue2)
        return differs("model-wide values");
    if (a.PointRemap != b.PointRemap) return differs("PointRemap");
    return ::testing::AssertionSuccess();
}

}  // namespace fw
