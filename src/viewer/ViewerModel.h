#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "viewer/Vec3.h"

namespace fw {

// A model file as the viewer draws it: the interpreter stream and the header values that
// frame it. The viewer never builds an editable model: it runs the stream, as the game does.
struct ViewerModel {
    std::vector<uint8_t> Stream;
    int NumSubmodels = 1;
    int NumberOfTextures = 0;
    int FirstTexture = 0;
    // The game's idea of the object's size (header), and the extent of the points the
    // polygons actually use (found by running the stream).
    Vec3 HeaderMin, HeaderMax;
    float HeaderRadius = 0;
    Vec3 PolygonMin, PolygonMax;
    bool HasPolygons = false;
    // What the stream check found; the viewer still draws what it can.
    std::vector<std::string> Faults;
};

// Takes a whole file. Returns "" or the reason it cannot be drawn; on failure `out` is
// left as it was, so a viewer keeps its last good picture.
std::string LoadViewerModel(std::span<const uint8_t> file, ViewerModel& out);
std::string ReadViewerModelFile(const std::string& path, ViewerModel& out);

}  // namespace fw
