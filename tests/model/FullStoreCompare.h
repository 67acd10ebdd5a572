#pragma once

// Field-by-field comparison of two whole stores, every slot of every table included, for
// tests that must see an undo give back exactly what was there.

#include <gtest/gtest.h>

#include "model/ModelStore.h"

namespace fw {

inline ::testing::AssertionResult SameWholeStore(const ModelStore& a, const ModelStore& b) {
    // clang-format off
#define FW_SAME(field) \
    if (!(a.field == b.field)) return ::testing::AssertionFailure() << #field;
    FW_SAME(Points) FW_SAME(PointSubmodel) FW_SAME(PointMarked) FW_SAME(PointHidden)
    FW_SAME(PolygonMarked) FW_SAME(PolygonHidden) FW_SAME(Submodels) FW_SAME(NumPoints)
    FW_SAME(NumPolygons) FW_SAME(NumSubmodels) FW_SAME(NumMarkedPoints)
    FW_SAME(NumMarkedPolygons) FW_SAME(CurrentPoint) FW_SAME(CurrentPolygon)
    FW_SAME(CurrentSubmodel) FW_SAME(NumberOfTextures) FW_SAME(FirstModelTexture)
    FW_SAME(SimplerModel) FW_SAME(HeaderReserved) FW_SAME(TrailerValue1)
    FW_SAME(TrailerValue2) FW_SAME(PointRemap)
    for (size_t i = 0; i < a.Polygons.size(); ++i) {
        FW_SAME(Polygons[i].Corners) FW_SAME(Polygons[i].CornerCount)
        FW_SAME(Polygons[i].TextureNumber) FW_SAME(Polygons[i].FlatColour)
        FW_SAME(Polygons[i].CornerUVL)
    }
#undef FW_SAME
    // clang-format on
    return ::testing::AssertionSuccess();
}

}  // namespace fw
