#pragma once

// What every imported model must satisfy, for the format fuzz targets: a consistent store
// that the .pol writer accepts and the .pol reader reads back with the same counts.
#include <cstdlib>
#include <memory>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/GameModel.h"
#include "modelfile/ModelFile.h"
#include "viewer/GameModelPicture.h"

namespace fw::fuzz {

inline void CheckConsistent(const ModelStore& m) {
    if (m.NumPoints < 1 || m.NumPoints > MAX_POINTS) abort();
    if (m.NumPolygons < 0 || m.NumPolygons > MAX_POLYGONS) abort();
    if (m.NumSubmodels < 1 || m.NumSubmodels > MAX_SUBMODELS) abort();
    for (int i = 0; i < m.NumPoints; ++i)
        if (m.PointSubmodel[i] >= m.NumSubmodels) abort();
    for (int i = 0; i < m.NumPolygons; ++i) {
        const PolygonRecord& p = m.Polygons[i];
        if (p.CornerCount < 3 || p.CornerCount > MAX_CORNERS) abort();
        for (int j = 0; j < p.CornerCount; ++j)
            if (p.Corners[j] < 0 || p.Corners[j] >= m.NumPoints) abort();
    }
    if (m.Submodels[0].Parent != NO_PARENT) abort();
    for (int s = 1; s < m.NumSubmodels; ++s)
        if (m.Submodels[s].Parent >= s) abort();
}

// A converted model writes, unless a coordinate lies beyond 16.16 fixed point, and reads back.
inline void CheckWrites(const ModelStore& m) {
    CheckConsistent(m);
    auto work = std::make_unique<ModelStore>(m);
    std::vector<uint8_t> bytes;
    std::string error = SerializeModel(*work, bytes);
    // The writer refuses what a file cannot hold (coordinates beyond 16.16, textures outside
    // the window) with its message; anything else is a fault.
    if (error == WRITE_ERROR_MESSAGE || error.ends_with("Model not saved.")) return;
    if (!error.empty()) abort();
    auto back = std::make_unique<ModelStore>();
    if (!ParseModel(*back, bytes).empty()) abort();
    if (back->NumPolygons != m.NumPolygons || back->NumPoints != m.NumPoints) abort();
}

// The picture a game file's model list shows for a model: drawn or refused with a reason,
// never read outside the model, and always a frame of the size asked for.
inline void CheckPicture(const GameModel& model) {
    static PlaceholderTextures textures;
    FrameBuffer frame;
    RenderGameModelPicture(model, 16, textures, frame);
    if (frame.Width() != 16 || frame.Height() != 16) abort();
}

}  // namespace fw::fuzz
