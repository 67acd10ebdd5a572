// The viewer's file loader, stream interpreter and rasterizer on arbitrary bytes: the bytes
// are a whole model file when they start with the tag, otherwise a bare stream.
#include <cstdint>
#include <cstring>
#include <span>

#include "viewer/StreamInterpreter.h"
#include "viewer/ViewerModel.h"
#include "viewer/ViewerRenderer.h"

namespace {

struct NullSink : fw::PolygonSink {
    void Polygon(const fw::StreamPolygon&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    static fw::PlaceholderTextures textures;
    static fw::FrameBuffer frame;
    if (frame.Width() == 0) frame.Resize(64, 48);
    fw::ViewerModel model;
    if (size >= 4 && std::memcmp(data, "ZPMF", 4) == 0) {
        if (!fw::LoadViewerModel(bytes, model).empty()) return 0;
    } else {
        model.Stream.assign(bytes.begin(), bytes.end());
        model.NumberOfTextures = 8;
        model.HasPolygons = true;
        model.PolygonMin = {-1, -1, -1};
        model.PolygonMax = {1, 1, 1};
        NullSink sink;
        fw::StreamInterpreter interpreter;
        interpreter.Run(model.Stream, fw::IdentityCamera(), {.Cull = false}, sink);
    }
    // Both sides of every plane, culled and not, filled and outlined.
    fw::ViewerRenderer renderer;
    renderer.Render(model, {.Yaw = 30, .Pitch = 20}, {}, textures, frame);
    renderer.Render(model, {.Yaw = 210, .Pitch = -40, .Zoom = 8},
                    {.Cull = false, .Polygons = false}, textures, frame);
    return 0;
}
