// Pixels of the viewer's pictures: drawing order, culling, colours, texturing and lighting.
#include <gtest/gtest.h>

#include "modelfile/ModelFile.h"
#include "viewer/ViewerTestUtil.h"

namespace fw::test {
namespace {

// Root square at z = 0 in red, child square at z = 1 in green, drawn on both sides. The
// child's separation plane is its own square; its normal decides the drawing order.
ViewerModel TwoSubmodels(bool childNormalTowardsRoot) {
    auto m = EmptyModel(2);
    AddSquare(*m, 0, 0, true, 0x7C00);
    m->Submodels[1].Parent = 0;
    m->Submodels[1].SortPolygon = static_cast<int16_t>(AddSquare(*m, 1, 1, !childNormalTowardsRoot, 0x03E0));
    return ViewerModelOf(*m);
}

TEST(ViewerRender, TheSeparationPlaneDecidesTheOrderAsInTheGame) {
    ViewerModel model = TwoSubmodels(true);
    RenderOptions noCulling{.Cull = false};
    EXPECT_EQ(Draw(model, 0, noCulling).Centre(), GREEN);   // eye at +z: the child is nearer
    EXPECT_EQ(Draw(model, 180, noCulling).Centre(), RED);   // eye at -z: the root is nearer
    // A plane whose normal points away from the root: the game draws the child first when the
    // eye is on that side, so the farther root covers it. The viewer shows the same.
    EXPECT_EQ(Draw(TwoSubmodels(false), 0, noCulling).Centre(), RED);
}

ViewerModel RedSquare(bool towardsPlusZ = true) {
    auto m = EmptyModel(1);
    AddSquare(*m, 0, 0, towardsPlusZ, 0x7C00);
    return ViewerModelOf(*m);
}

TEST(ViewerRender, BackFacesAreCulledOnlyWhenCullingIsOn) {
    ViewerModel model = RedSquare(false);  // faces -z, away from an eye at +z
    Picture culled = Draw(model, 0);
    EXPECT_EQ(culled.Centre(), BLACK);
    EXPECT_EQ(culled.stats.Culled, 1);
    EXPECT_EQ(Draw(model, 0, {.Cull = false}).Centre(), RED);
    EXPECT_EQ(Draw(model, 180).Centre(), RED);  // seen from its front
}

TEST(ViewerRender, FlatColoursAreThe15BitColourUnlitAndGreyModeShades) {
    ViewerModel model = RedSquare();
    EXPECT_EQ(Draw(model, 50).Centre(), RED);  // the game does not light flat polygons
    EXPECT_EQ(Colour15(0x4210), 0xFF848484u);  // 5 bits widened by repeating the top bits

    uint32_t square = Draw(model, 0, {.Textured = false}).Centre();
    uint32_t slanted = Draw(model, 60, {.Textured = false}).Centre();
    EXPECT_EQ(square & 0xFF, (square >> 8) & 0xFF);  // grey
    EXPECT_GT(square & 0xFF, slanted & 0xFF);
}

TEST(ViewerRender, BackgroundBitsAndOutlines) {
    Picture p = Draw(RedSquare(), 0, {.Polygons = false, .Background = 5});
    EXPECT_EQ(p.Centre(), 0xFFFF00FFu);  // magenta shows through the outline
    int red = 0;
    for (int y = 0; y < p.frame.Height(); ++y)
        for (int x = 0; x < p.frame.Width(); ++x) red += p.frame.At(x, y) == RED;
    EXPECT_GT(red, 40);
}

// Left half of every texture (u < 0.5) in one colour, right half in another.
class HalvesTexture : public TextureSource {
public:
    static constexpr uint32_t LEFT = 0xFF2040C0u, RIGHT = 0xFFE0C020u;
    HalvesTexture() {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) pixels_.Argb[y * 64 + x] = x < 32 ? LEFT : RIGHT;
    }
    const TexturePixels* Texture(int slot) override {
        slots.push_back(slot);
        return &pixels_;
    }
    void SetTextureSet(int) override {}
    std::vector<int> slots;

private:
    TexturePixels pixels_;
};

// A textured square facing +z with u running 0..1 along x.
ViewerModel TexturedSquare() {
    auto m = EmptyModel(1);
    int i = AddSquare(*m, 0, 0, true, 0);
    PolygonRecord& p = m->Polygons[i];
    p.TextureNumber = 2;
    for (int j = 0; j < p.CornerCount; ++j) {
        const PointRecord& c = m->Points[p.Corners[j]];
        p.CornerUVL[j] = {float((c.X + 1) / 2), float((c.Y + 1) / 2), 0};
    }
    m->NumberOfTextures = 3;
    m->FirstModelTexture = 40;
    return ViewerModelOf(*m);
}

TEST(ViewerRender, TexturesAreMappedInPerspectiveAndLitByTheViewAngle) {
    ViewerModel model = TexturedSquare();
    HalvesTexture texture;
    const int size = 200;
    // Seen square on, a texel keeps its colour: the game's full light. The frame is
    // left-handed, so from the front the model's +x (u > 0.5) is on the screen's left.
    Picture straight = Draw(model, 0, {}, &texture, size);
    EXPECT_EQ(straight.frame.At(size / 2 - 10, size / 2), HalvesTexture::RIGHT);
    EXPECT_EQ(straight.frame.At(size / 2 + 10, size / 2), HalvesTexture::LEFT);
    EXPECT_EQ(texture.slots.front(), 42);  // FirstTexture + texture number

    // Seen at 70 degrees, the points at u = 0.45 and u = 0.55 must show the halves they
    // belong to; an affine mapping puts the seam far from u = 0.5 at this angle.
    float yaw = 70;
    Picture slanted = Draw(model, yaw, {}, &texture, size);
    Camera camera = ViewerRenderer::CameraFor(model, {.Yaw = yaw, .Pitch = 0}, {}, size, size);
    auto pixelAt = [&](float x) {
        Vec3 v = camera.ToView({x, 0, 0});
        int sx = static_cast<int>(camera.CentreX + camera.Focal * v.x / v.z);
        int sy = static_cast<int>(camera.CentreY - camera.Focal * v.y / v.z);
        return slanted.frame.At(sx, sy);
    };
    uint32_t left = pixelAt(-0.1f), right = pixelAt(0.1f);
    // Lit by 1/4 + 3/4 cos(70): darker, but still the texel's hue.
    EXPECT_LT(left & 0xFF, HalvesTexture::LEFT & 0xFF);
    EXPECT_GT(left & 0xFF, (left >> 16) & 0xFF);    // blue stays above red: the left half
    EXPECT_GT((right >> 16) & 0xFF, right & 0xFF);  // red above blue: the right half
}

TEST(ViewerRender, TextureNumbersOutsideTheWindowShowTheWarningColour) {
    auto m = EmptyModel(1);
    int i = AddSquare(*m, 0, 0, true, 0);
    m->Polygons[i].TextureNumber = 4;
    m->NumberOfTextures = 5;
    // The writer refuses such a polygon, so narrow the window in the written file's header.
    std::vector<uint8_t> bytes = Serialize(*m);
    bytes[HeaderOffset::NumberOfTextures] = 2;
    ViewerModel v;
    ASSERT_EQ(LoadViewerModel(bytes, v), "");
    EXPECT_EQ(Draw(v, 0).Centre(), 0xFFFF00FFu);
}

TEST(ViewerRender, TheSampleRobotDrawsTexturedPolygons) {
    ViewerModel model;
    ASSERT_EQ(ReadViewerModelFile(std::string(FW_SOURCE_DIR) + "/examples/robot.pol", model), "");
    EXPECT_TRUE(model.Faults.empty());
    Picture p = Draw(model, 30, {}, nullptr, 160);
    EXPECT_GT(p.stats.Polygons, 5);
    EXPECT_EQ(std::pair(p.stats.Skipped, p.stats.Stopped), std::pair(0, false));
    EXPECT_NE(p.Centre(), BLACK);
}

}  // namespace
}  // namespace fw::test
