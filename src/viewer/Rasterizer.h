#pragma once

#include <cstdint>
#include <vector>

#include "viewer/FrameBuffer.h"
#include "viewer/SpanCoverage.h"

namespace fw {

// A polygon corner on the screen: pixel position, 1/z and the texture coordinates
// divided by z, which all vary linearly across the screen.
struct ScreenVertex {
    float X = 0, Y = 0, InvZ = 0, UOverZ = 0, VOverZ = 0;
};

// Fills polygons into a frame buffer without a depth buffer: normally each is drawn over
// what is there; between StartUnder and FinishUnder each goes beneath what was filled
// before it (see SpanCoverage), so polygons given in reverse drawing order make the same
// picture while every pixel is written once.
// Pixels whose centres lie inside are covered (top-left rule, so neighbouring polygons
// neither overlap nor leave gaps). A non-convex outline is filled row by row between its
// outermost edges. Positions far outside the frame are clipped safely.
class Rasterizer {
public:
    static constexpr int MAX_VERTICES = 64;
    static constexpr int TEXTURE_SIDE = 64;

    void FillFlat(FrameBuffer& frame, const ScreenVertex* v, int n, uint32_t argb);
    // Perspective-correct mapping of 64 x 64 texels (already lit); texture coordinates wrap,
    // 1.0 spans the texture once. With `seeThrough`, texels with alpha below 128 are skipped
    // (and, painting under, leave the pixel to the polygons beneath).
    void FillTextured(FrameBuffer& frame, const ScreenVertex* v, int n, const uint32_t* texels,
                      bool seeThrough);
    void Outline(FrameBuffer& frame, const ScreenVertex* v, int n, uint32_t argb);
    // The whole frame in one colour.
    void Clear(FrameBuffer& frame, uint32_t argb);

    // Painting under: until FinishUnder, fills only write pixels no fill since StartUnder
    // has covered. FinishUnder gives the still uncovered pixels the background colour.
    void StartUnder(const FrameBuffer& frame);
    void FinishUnder(FrameBuffer& frame, uint32_t background);

    // Pixels written since the last reset, background included (for measurements).
    int64_t PixelsDrawn() const { return pixels_; }
    // Pixels inside the filled polygons, overlaps counted each time: what drawing every
    // polygon over the others in full would write.
    int64_t PolygonPixels() const { return polygonPixels_; }
    void ResetCount() { pixels_ = polygonPixels_ = 0; }

private:
    // Rows top..bottom-1 with their first and end pixel; false when nothing is covered.
    bool Spans(const FrameBuffer& frame, const ScreenVertex* v, int n);
    // The parts of row r's span to write: all of it, or its uncovered parts painting under.
    const std::vector<SpanCoverage::Interval>& Pieces(int r);
    // Marks the runs of `shown_` flags set in [begin, end) covered.
    void CoverShown(int r, int begin, int end);
    void Line(FrameBuffer& frame, float x0, float y0, float x1, float y1, uint32_t argb);

    int top_ = 0, bottom_ = 0;
    std::vector<float> left_, right_;
    std::vector<int> begin_, end_;
    bool under_ = false;
    SpanCoverage covered_;
    std::vector<SpanCoverage::Interval> pieces_;
    std::vector<uint8_t> shown_;  // per column: a see-through polygon's texel was written
    int64_t pixels_ = 0, polygonPixels_ = 0;
};

}  // namespace fw
