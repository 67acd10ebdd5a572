// The preview viewer redrawing the largest model at 1920x1080 (BM_ViewerRedraw, argument 0
// all polygons flat, 1 all textured), beside measurements in the same run:
// - Floor, BM_ViewerFloorFillSamePixels: one colour into as many pixels as the redraw writes
//   (background included). The redraw paints each pixel once (the polygons in reverse
//   order, each beneath the ones before), so this is about one clear of the frame; the
//   redraw's ratio is its time divided by this floor's, argument for argument.
// - Not a floor, BM_ViewerPolygonsInFullFill: one colour into every polygon's pixels in full
//   plus the clear, the least a painter drawing each polygon over the others must write
//   (about five times the frame for this model). It shows what the overdraw would cost.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "modelfile/ByteIO.h"
#include "modelfile/ModelFile.h"
#include "viewer/ViewerRenderer.h"

namespace fw {
namespace {

constexpr int WIDTH = 1920, HEIGHT = 1080;

// The views' largest model as a file: 512 points on a sphere (16 rings of 32), 512 polygons
// of 20 corners along the rings, written straight as a stream (it is larger than the
// editor's writer allows, which only makes the viewer's job harder). `textured`: every
// polygon textured, otherwise flat.
std::vector<uint8_t> LargestModelFile(bool textured) {
    const int rings = 16, perRing = 32;
    std::vector<uint8_t> stream;
    AppendShort(stream, 7);  // d_defp_start
    AppendShort(stream, MAX_POINTS);
    AppendLong(stream, 0);
    for (int i = 0; i < MAX_POINTS; ++i) {
        double lat = std::numbers::pi * ((i / perRing) + 0.5) / rings - std::numbers::pi / 2;
        double lon = 2 * std::numbers::pi * (i % perRing) / perRing;
        AppendFixVector(stream, {int32_t(4 * std::cos(lat) * std::cos(lon) * FIX_ONE),
                                 int32_t(4 * std::sin(lat) * FIX_ONE),
                                 int32_t(4 * std::cos(lat) * std::sin(lon) * FIX_ONE)});
    }
    for (int k = 0; k < MAX_POLYGONS; ++k) {
        int ring = k % rings, start = (k * 7) % perRing;
        double lat = std::numbers::pi * (ring + 0.5) / rings - std::numbers::pi / 2;
        AppendShort(stream, textured ? 3 : 2);
        AppendShort(stream, MAX_CORNERS);
        AppendFixVector(stream, {0, int32_t(4 * std::sin(lat) * FIX_ONE), 0});
        AppendFixVector(stream, {0, -int32_t(FIX_ONE), 0});  // the rings' corner order points it down
        AppendShort(stream, textured ? int16_t(k % 5) : int16_t(k * 37 % 32768));
        for (int j = 0; j < MAX_CORNERS; ++j)
            AppendShort(stream, int16_t(ring * perRing + (start + j) % perRing));
        AppendShort(stream, 0);  // pads 20 indices to an odd count
        for (int j = 0; textured && j < MAX_CORNERS; ++j) {
            AppendLong(stream, int32_t(j * FIX_ONE / 4));
            AppendLong(stream, int32_t((j % 3) * FIX_ONE / 2));
            AppendLong(stream, 0);
        }
    }
    AppendShort(stream, 0);
    std::vector<uint8_t> file(MODEL_FILE_TAG, MODEL_FILE_TAG + 4);
    AppendLong(file, MODEL_FILE_VERSION);
    AppendLong(file, 0);
    AppendLong(file, 1);
    AppendLong(file, int32_t(stream.size()));
    file.resize(HeaderOffset::NumberOfTextures, 0);
    AppendByte(file, 5);
    file.resize(MODEL_HEADER_SIZE, 0);
    file.insert(file.end(), stream.begin(), stream.end());
    AppendLong(file, -1);
    AppendLong(file, -1);
    return file;
}

struct Scene {
    ViewerModel model;
    PlaceholderTextures textures;
    FrameBuffer frame;
    ViewerRenderer renderer;
    explicit Scene(bool textured) {
        LoadViewerModel(LargestModelFile(textured), model);
        frame.Resize(WIDTH, HEIGHT);
    }
    // From below, where the rings face the eye: nearly every polygon is drawn.
    void Draw() { renderer.Render(model, {.Yaw = 30, .Pitch = -20}, RenderOptions{}, textures, frame); }
};

// Argument: 0 flat polygons, 1 textured polygons. Counters: pixels written, pixels inside
// the polygons (overlaps counted each time) and their ratio to the frame.
void BM_ViewerRedraw(benchmark::State& state) {
    Scene scene(state.range(0) == 1);
    for (auto _ : state) {
        scene.Draw();
        benchmark::DoNotOptimize(scene.frame.Data());
    }
    state.counters["pixels"] = double(scene.renderer.PixelsDrawn());
    state.counters["polygon_pixels"] = double(scene.renderer.PolygonPixels());
    state.counters["overdraw"] = double(scene.renderer.PolygonPixels()) / (WIDTH * HEIGHT);
    state.SetLabel(state.range(0) ? "textured" : "flat");
}
BENCHMARK(BM_ViewerRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One colour into `pixels` pixels, row by row through the frame.
void FillPixels(benchmark::State& state, FrameBuffer& frame, int64_t pixels) {
    for (auto _ : state) {
        uint32_t colour = 0xFF000000u | uint32_t(pixels);
        for (int64_t left = pixels, row = 0; left > 0; left -= WIDTH, row = (row + 1) % HEIGHT) {
            uint32_t* p = frame.Row(int(row));
            std::fill(p, p + std::min<int64_t>(left, WIDTH), colour);
        }
        benchmark::DoNotOptimize(frame.Data());
    }
    state.counters["pixels"] = double(pixels);
    state.SetLabel(state.range(0) ? "textured" : "flat");
}

// Floor: as many pixels as the redraw writes, background included.
void BM_ViewerFloorFillSamePixels(benchmark::State& state) {
    Scene scene(state.range(0) == 1);
    scene.Draw();
    FillPixels(state, scene.frame, scene.renderer.PixelsDrawn());
}
BENCHMARK(BM_ViewerFloorFillSamePixels)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Not a floor: every polygon's pixels in full, and the clear.
void BM_ViewerPolygonsInFullFill(benchmark::State& state) {
    Scene scene(state.range(0) == 1);
    scene.Draw();
    FillPixels(state, scene.frame, scene.renderer.PolygonPixels() + int64_t(WIDTH) * HEIGHT);
}
BENCHMARK(BM_ViewerPolygonsInFullFill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fw
