#pragma once

#include <cstdint>
#include <vector>

#include "viewer/FrameBuffer.h"

namespace fw {

// A polygon corner on the screen: pixel position, 1/z and the texture coordinates
// divided by z, which all vary linearly across the screen.
struct ScreenVertex {
    float X = 0, Y = 0, InvZ = 0, UOverZ = 0, VOverZ = 0;
};

// Fills polygons into a frame buffer, each drawn over what is there (no depth buffer).
// Pixels whose centres lie inside are covered (top-left rule, so neighbouring polygons
// neither overlap nor leave gaps). A non-convex outline is filled row by row between its
// outermost edges. Positions far outside the frame are clipped safely.
class Rasterizer {
public:
    static constexpr int MAX_VERTICES = 64;

    void FillFlat(FrameBuffer& frame, const ScreenVertex* v, int n, uint32_t argb);
    // Perspective-correct mapping of 64 x 64 texels (already lit); texture coordinates wrap,
    // 1.0 spans the texture once. With `seeThrough`, texels with alpha below 128 are skipped.
    void FillTextured(FrameBuffer& frame, const ScreenVertex* v, int n, const uint32_t* texels,
                      bool seeThrough);
    void Outline(FrameBuffer& frame, const ScreenVertex* v, int n, uint32_t argb);

    // Pixels written since the last reset (for measurements).
    int64_t PixelsDrawn() const { return pixels_; }
    void ResetCount() { pixels_ = 0; }

private:
    // Rows top..bottom-1 with their first and end pixel; false when nothing is covered.
    bool Spans(const FrameBuffer& frame, const ScreenVertex* v, int n);
    void Line(FrameBuffer& frame, float x0, float y0, float x1, float y1, uint32_t argb);

    int top_ = 0, bottom_ = 0;
    std::vector<float> left_, right_;
    std::vector<int> begin_, end_;
    int64_t pixels_ = 0;
};

}  // namespace fw
