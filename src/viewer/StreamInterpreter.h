#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "viewer/ViewerCamera.h"

namespace fw {

// The most corners the viewer draws in one polygon; the game's buffer holds 25.
inline constexpr int MAX_DRAW_CORNERS = 25;
// The game's one point buffer for a whole model.
inline constexpr int POINT_SLOT_COUNT = 1000;

// One polygon as the stream draws it, in drawing order.
struct StreamPolygon {
    int Count = 0;
    const Vec3* Model = nullptr;  // corners in model space
    const Vec3* View = nullptr;   // corners in view space
    const float* U = nullptr;     // texture coordinates, textured polygons only
    const float* V = nullptr;
    bool Textured = false;
    int Texture = 0;      // texture number in the model's window
    uint16_t Colour = 0;  // 15-bit colour of a flat polygon
    float Light = 1;      // 0..1, the game's lighting (the game lights textured polygons only)
    bool Facing = true;   // false: a back face drawn because culling is off
};

class PolygonSink {
public:
    virtual ~PolygonSink() = default;
    virtual void Polygon(const StreamPolygon& p) = 0;
};

struct InterpretOptions {
    bool Cull = true;  // skip polygons whose normal faces away from the eye
};

struct InterpretStats {
    int Records = 0, Polygons = 0, Culled = 0, Skipped = 0;
    bool Stopped = false;  // a bound on nesting or records ended the walk early
};

// Runs an interpreter stream the way the game draws it: records in stream order, both
// branches of every d_sortnorm (the one behind the plane first), every d_subcall at its
// offset, polygons culled by their normal against the eye. Bad data never makes it read
// outside `data` or run on: unknown records end their stream, jumps outside are skipped,
// and nesting and the number of records are bounded. Polygons with corners that name no
// defined point are skipped, as are those with fewer than 3 or more than 25 corners.
class StreamInterpreter {
public:
    static constexpr int MAX_NESTING = 32;
    static constexpr int MAX_RECORDS = 100000;

    InterpretStats Run(std::span<const uint8_t> data, const Camera& camera,
                       const InterpretOptions& options, PolygonSink& sink);

private:
    void Walk(int start, Vec3 offset, int nesting);
    void Polygon(int pos, bool textured, Vec3 offset);
    void DefinePoints(int pos, int first, int count, int valuesAt, Vec3 offset);
    bool Facing(Vec3 eye, Vec3 point, Vec3 normal) const;
    Vec3 VecAt(int pos) const;

    std::span<const uint8_t> d_;
    const Camera* camera_ = nullptr;
    InterpretOptions options_;
    PolygonSink* sink_ = nullptr;
    InterpretStats stats_;
    int glow_ = -1;
    uint32_t generation_ = 0;
    std::array<uint32_t, POINT_SLOT_COUNT> defined_{};
    std::array<Vec3, POINT_SLOT_COUNT> model_{};
    std::array<Vec3, POINT_SLOT_COUNT> view_{};
};

}  // namespace fw
