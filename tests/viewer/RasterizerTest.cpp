// The rasterizer's pixels against straightforward references: textures against a ray cast
// per pixel, painting under (reverse order) against painting over in drawing order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "viewer/Rasterizer.h"
#include "viewer/Vec3.h"

namespace fw {
namespace {

constexpr int N = Rasterizer::TEXTURE_SIDE;
constexpr int WIDTH = 320, HEIGHT = 240;
constexpr float FOCAL = 200, CX = WIDTH / 2.0f, CY = HEIGHT / 2.0f;
constexpr uint32_t BACKGROUND = 0xFF000000u;

// Every texel names itself: x in bits 8..15, y in bits 0..7.
std::vector<uint32_t> SelfNamingTexels() {
    std::vector<uint32_t> t(N * N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) t[y * N + x] = 0xFF000000u | uint32_t(x) << 8 | uint32_t(y);
    return t;
}

// A rectangle in view space, P0 + a E1 + b E2 for a, b in [0, 1], with u = a US and
// v = b VS; E1 runs into the screen, so the far side is four times as deep as the near one.
struct SlantedQuad {
    Vec3 P0{-1.5f, -1, 2}, E1{3, 0, 6}, E2{0, 2, 0};
    float US = 1.5f, VS = 1.25f;

    std::array<ScreenVertex, 4> Corners(bool perspective) const {
        std::array<ScreenVertex, 4> out;
        const float ab[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        for (int i = 0; i < 4; ++i) {
            Vec3 p = P0 + E1 * ab[i][0] + E2 * ab[i][1];
            float iz = perspective ? 1 / p.z : 1;  // 1/z fixed: the affine mapping
            out[i] = {CX + FOCAL * p.x / p.z, CY - FOCAL * p.y / p.z, iz, ab[i][0] * US * iz,
                      ab[i][1] * VS * iz};
        }
        return out;
    }
    // The texel a ray through the pixel's centre hits; false off the quad or near its rim.
    bool TexelAt(int px, int py, int& tx, int& ty) const {
        Vec3 d{(px + 0.5f - CX) / FOCAL, -(py + 0.5f - CY) / FOCAL, 1};
        Vec3 n = Cross(E1, E2);
        Vec3 q = d * (Dot(n, P0) / Dot(n, d));
        double a = Dot(q - P0, E1) / Dot(E1, E1), b = Dot(q - P0, E2) / Dot(E2, E2);
        if (a < 0.01 || a > 0.99 || b < 0.01 || b > 0.99) return false;
        tx = static_cast<int>(std::floor(a * US * N)) & (N - 1);
        ty = static_cast<int>(std::floor(b * VS * N)) & (N - 1);
        return true;
    }
};

int WrappedDistance(int a, int b) {
    int d = std::abs(a - b) % N;
    return std::min(d, N - d);
}

// Pixels of the quad whose texel is more than a texel away from the ray cast's, and the
// number compared. Pixels left at the background (covered by something else) are skipped.
std::pair<int, int> TexelErrors(const FrameBuffer& frame, const SlantedQuad& quad) {
    int wrong = 0, compared = 0;
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x) {
            int tx, ty;
            uint32_t c = frame.At(x, y);
            if (!quad.TexelAt(x, y, tx, ty) || (c >> 16 & 0xFF) != 0) continue;
            ++compared;
            wrong += WrappedDistance(int(c >> 8 & 0xFF), tx) > 1 ||
                     WrappedDistance(int(c & 0xFF), ty) > 1;
        }
    return {wrong, compared};
}

TEST(Rasterizer, TexturesMatchARayCastAtEveryPixelOverOrUnderOtherFills) {
    std::vector<uint32_t> texels = SelfNamingTexels();
    SlantedQuad quad;
    Rasterizer raster;
    FrameBuffer frame;
    frame.Resize(WIDTH, HEIGHT);
    auto corners = quad.Corners(true);
    raster.FillTextured(frame, corners.data(), 4, texels.data(), false);
    auto [wrong, compared] = TexelErrors(frame, quad);
    EXPECT_GT(compared, 15000);
    EXPECT_EQ(wrong, 0);

    // Painting under a block across the middle: the rows are drawn in pieces either side,
    // each starting its mapping afresh, and the block's pixels stay.
    const uint32_t block = 0xFFFF0000u;
    std::array<ScreenVertex, 4> square{{{60, 40}, {140, 40}, {140, 200}, {60, 200}}};
    frame.Fill(BACKGROUND);
    raster.StartUnder(frame);
    raster.FillFlat(frame, square.data(), 4, block);
    raster.FillTextured(frame, corners.data(), 4, texels.data(), false);
    raster.FinishUnder(frame, BACKGROUND);
    EXPECT_EQ(frame.At(100, 120), block);
    std::tie(wrong, compared) = TexelErrors(frame, quad);
    EXPECT_GT(compared, 8000);
    EXPECT_EQ(wrong, 0);

    // The comparison sees distortion: an affine mapping of the same quad fails it.
    frame.Fill(BACKGROUND);
    auto affine = quad.Corners(false);
    raster.FillTextured(frame, affine.data(), 4, texels.data(), false);
    EXPECT_GT(TexelErrors(frame, quad).first, 1000);
}

// Random polygons, flat or with a see-through checker texture mapped 4 pixels to a texel
// (texel edges never near a pixel centre, so both orders must agree exactly).
struct RandomFill {
    std::vector<ScreenVertex> corners;
    bool textured = false;
    uint32_t colour = 0;
};

std::vector<RandomFill> RandomFills(int count, unsigned seed, bool seeThrough) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> x(-20, WIDTH + 20), y(-20, HEIGHT + 20);
    std::vector<RandomFill> fills(count);
    for (RandomFill& f : fills) {
        int n = 3 + int(rng() % 5);  // convex or not
        for (int i = 0; i < n; ++i) {
            float px = x(rng), py = y(rng);
            f.corners.push_back({px, py, 1, px / (4 * N), py / (4 * N)});
        }
        f.textured = seeThrough && rng() % 3 == 0;
        f.colour = 0xFF000000u | (rng() & 0xFFFFFFu);
    }
    return fills;
}

TEST(Rasterizer, PaintingUnderInReverseOrderGivesThePaintersPicture) {
    std::vector<uint32_t> seeThrough(N * N);
    for (int i = 0; i < N * N; ++i)  // transparent texels in a checker, opaque ones tinted
        seeThrough[i] = ((i % N) / 3 + (i / N) / 2) % 2 ? 0x00000000u : 0xFF00FF00u + uint32_t(i);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        bool seeThroughFills = seed % 2 == 1;
        std::vector<RandomFill> fills = RandomFills(12, seed, seeThroughFills);
        auto draw = [&](Rasterizer& raster, FrameBuffer& frame, const RandomFill& f) {
            int n = static_cast<int>(f.corners.size());
            if (f.textured)
                raster.FillTextured(frame, f.corners.data(), n, seeThrough.data(), true);
            else
                raster.FillFlat(frame, f.corners.data(), n, f.colour);
        };
        Rasterizer over, under;
        FrameBuffer painted, reversed;
        painted.Resize(WIDTH, HEIGHT);
        reversed.Resize(WIDTH, HEIGHT);
        reversed.Fill(0xFFFFFFFFu);  // whatever was there before must not show
        over.Clear(painted, BACKGROUND);
        for (const RandomFill& f : fills) draw(over, painted, f);
        under.StartUnder(reversed);
        for (auto f = fills.rbegin(); f != fills.rend(); ++f) draw(under, reversed, *f);
        under.FinishUnder(reversed, BACKGROUND);

        int differing = 0;
        for (int y = 0; y < HEIGHT; ++y)
            for (int x = 0; x < WIDTH; ++x) differing += painted.At(x, y) != reversed.At(x, y);
        EXPECT_EQ(differing, 0) << "seed " << seed;
        // Opaque fills write each pixel once; see-through texels are written where opaque.
        if (!seeThroughFills) {
            EXPECT_EQ(under.PixelsDrawn(), int64_t(WIDTH) * HEIGHT);
        }
        EXPECT_EQ(under.PolygonPixels(), over.PolygonPixels());
    }
}

}  // namespace
}  // namespace fw
