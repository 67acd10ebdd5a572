#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "modelfile/ModelFileTestUtil.h"
#include "viewer/ViewerModel.h"
#include "viewer/ViewerRenderer.h"

namespace fw::test {

inline constexpr uint32_t RED = 0xFFFF0000u, GREEN = 0xFF00FF00u, BLACK = 0xFF000000u;

// The viewer's model of what the writer makes of `m`.
inline ViewerModel ViewerModelOf(ModelStore& m) {
    ViewerModel v;
    EXPECT_EQ(LoadViewerModel(Serialize(m), v), "");
    return v;
}

// A square of side 2 centred on (0, 0, z); `towardsPlusZ` picks the corner order whose
// normal points to +z.
inline int AddSquare(ModelStore& m, double z, int submodel, bool towardsPlusZ, int16_t colour,
                     double half = 1) {
    int a = AddPoint(m, -half, -half, z, submodel);
    int b = AddPoint(m, -half, half, z, submodel);
    int c = AddPoint(m, half, half, z, submodel);
    int d = AddPoint(m, half, -half, z, submodel);
    return towardsPlusZ ? AddFlatPolygon(m, {a, d, c, b}, colour)
                        : AddFlatPolygon(m, {a, b, c, d}, colour);
}

// Renders with the given yaw (pitch 0) on a small frame.
struct Picture {
    FrameBuffer frame;
    InterpretStats stats;
    uint32_t Centre() const { return frame.At(frame.Width() / 2, frame.Height() / 2); }
};

inline Picture Draw(const ViewerModel& model, float yaw, RenderOptions options = {},
                    TextureSource* textures = nullptr, int size = 96) {
    PlaceholderTextures placeholders;
    Picture p;
    p.frame.Resize(size, size);
    ViewAngles angles{.Yaw = yaw, .Pitch = 0};
    p.stats = ViewerRenderer().Render(model, angles, options, textures ? *textures : placeholders,
                                      p.frame);
    return p;
}

}  // namespace fw::test
