#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/ModelStore.h"

namespace fw {

// A model's content as last opened or saved, which the Modified flag compares with: the
// fields a file holds, with the points and polygons in use only. A whole store is 160 KB of
// mostly empty slots; a small model's content takes a few kilobytes.
struct SavedContent {
    SavedContent();  // a new model's
    explicit SavedContent(const ModelStore& m);
    // The same model as a file would save it (SameModelContent).
    bool Matches(const ModelStore& m) const;
    // Heap bytes held.
    size_t BytesUsed() const;

    int16_t NumPoints = 0, NumPolygons = 0, NumSubmodels = 0;
    uint8_t NumberOfTextures = 0;
    int16_t FirstModelTexture = 0;
    uint8_t SimplerModel = 0;
    int32_t HeaderReserved = 0, TrailerValue1 = 0, TrailerValue2 = 0;
    std::array<SubmodelRecord, MAX_SUBMODELS> Submodels{};
    std::vector<PointRecord> Points;
    std::vector<uint8_t> PointSubmodel;
    std::vector<PolygonRecord> Polygons;
};

}  // namespace fw
