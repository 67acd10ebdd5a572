#include <gtest/gtest.h>

#include "textures/UVToolbar.h"

namespace fw {
namespace {

PolygonRecord WithUV(std::vector<std::pair<float, float>> uv) {
    PolygonRecord p;
    p.CornerCount = int16_t(uv.size());
    for (size_t j = 0; j < uv.size(); ++j) p.CornerUVL[j] = {uv[j].first, uv[j].second, 0.25f};
    return p;
}

void ExpectUV(const PolygonRecord& p, std::vector<std::pair<float, float>> uv, float tolerance) {
    ASSERT_EQ(p.CornerCount, int(uv.size()));
    for (size_t j = 0; j < uv.size(); ++j) {
        EXPECT_NEAR(p.CornerUVL[j].U, uv[j].first, tolerance) << "corner " << j;
        EXPECT_NEAR(p.CornerUVL[j].V, uv[j].second, tolerance) << "corner " << j;
        EXPECT_EQ(p.CornerUVL[j].L, 0.25f);
    }
}

TEST(PolygonToolbarUV, EveryButtonOnASquare) {
    using namespace hop_icon;
    const PolygonRecord square = WithUV({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    const TextureSteps steps{0.5, 2, 90};
    using UVs = std::vector<std::pair<float, float>>;
    const std::pair<int, UVs> cases[] = {
        {TRANSLATE_LEFT, {{-0.5, 0}, {0.5, 0}, {0.5, 1}, {-0.5, 1}}},
        {TRANSLATE_RIGHT, {{0.5, 0}, {1.5, 0}, {1.5, 1}, {0.5, 1}}},
        {TRANSLATE_UP, {{0, -0.5}, {1, -0.5}, {1, 0.5}, {0, 0.5}}},
        {TRANSLATE_DOWN, {{0, 0.5}, {1, 0.5}, {1, 1.5}, {0, 1.5}}},
        {WIDER, {{-0.5, 0}, {1.5, 0}, {1.5, 1}, {-0.5, 1}}},
        {THINNER, {{0.25, 0}, {0.75, 0}, {0.75, 1}, {0.25, 1}}},
        {TALLER, {{0, -0.5}, {1, -0.5}, {1, 1.5}, {0, 1.5}}},
        {SHORTER, {{0, 0.25}, {1, 0.25}, {1, 0.75}, {0, 0.75}}},
        {GREATER, {{-0.5, -0.5}, {1.5, -0.5}, {1.5, 1.5}, {-0.5, 1.5}}},
        {SMALLER, {{0.25, 0.25}, {0.75, 0.25}, {0.75, 0.75}, {0.25, 0.75}}},
        {ROTATE_LEFT, {{0, 1}, {0, 0}, {1, 0}, {1, 1}}},  // offset (u, v) becomes (v, -u)
        {ROTATE_RIGHT, {{1, 0}, {1, 1}, {0, 1}, {0, 0}}},
        {MIRROR_LEFT_RIGHT, {{1, 0}, {0, 0}, {0, 1}, {1, 1}}},
        {MIRROR_UP_DOWN, {{0, 1}, {1, 1}, {1, 0}, {0, 0}}},
    };
    for (const auto& [icon, expected] : cases) {
        auto result = PolygonToolbarUV(square, icon, steps);
        ASSERT_TRUE(result) << "button " << icon;
        ExpectUV(*result, expected, 1e-6f);
    }
}

TEST(PolygonToolbarUV, TwentyCornersAllMove) {
    std::vector<std::pair<float, float>> uv;
    for (int j = 0; j < MAX_CORNERS; ++j) uv.push_back({float(j), float(j % 3)});
    const PolygonRecord p = WithUV(uv);
    for (int icon : {hop_icon::GREATER, hop_icon::ROTATE_LEFT, hop_icon::MIRROR_LEFT_RIGHT}) {
        auto result = PolygonToolbarUV(p, icon, TextureSteps{});
        ASSERT_TRUE(result);
        for (int j = 0; j < MAX_CORNERS; ++j)
            EXPECT_NE(result->CornerUVL[j], p.CornerUVL[j]) << icon << " corner " << j;
    }
}

TEST(PolygonToolbarUV, RefusalsLeaveThePolygonAlone) {
    const PolygonRecord p = WithUV({{0, 0}, {1, 0}, {0, 1}});
    const TextureSteps zero{0.1, 0, 5};
    for (int icon = hop_icon::WIDER; icon <= hop_icon::SMALLER; ++icon)
        EXPECT_FALSE(PolygonToolbarUV(p, icon, zero)) << icon;
    EXPECT_TRUE(PolygonToolbarUV(p, hop_icon::TRANSLATE_LEFT, zero));  // the factor is not used
    for (int icon : {-1, 12, 13, 14, hop_icon::RESET, 18})
        EXPECT_FALSE(PolygonToolbarUV(p, icon, TextureSteps{})) << icon;
    EXPECT_FALSE(PolygonToolbarUV(WithUV({}), hop_icon::TRANSLATE_LEFT, TextureSteps{}));
    EXPECT_FALSE(PolygonToolbarUV(p, hop_icon::GREATER, TextureSteps{0.1, 1e39, 5}));  // no float
}

TEST(UVToolbarUV, AlignPutsTheCornerAtTheOriginAndTheNextOnTheUAxis) {
    using namespace hou_icon;
    const PolygonRecord triangle = WithUV({{1, 1}, {1, 3}, {5, 1}});
    auto aligned = UVToolbarUV(triangle, ALIGN_CURRENT, 0, 0.1);
    ASSERT_TRUE(aligned);
    ExpectUV(aligned->Polygon, {{0, 0}, {2, 0}, {0, -4}}, 1e-5f);
    EXPECT_EQ(aligned->Corner, 0);

    // At the last corner the next one is corner 0.
    aligned = UVToolbarUV(triangle, ALIGN_CURRENT, 2, 0.1);
    ExpectUV(aligned->Polygon, {{4, 0}, {4, -2}, {0, 0}}, 1e-5f);
    // Align-next moves on first, wrapping round; a current point past the corners counts as 0.
    aligned = UVToolbarUV(triangle, ALIGN_NEXT, 2, 0.1);
    EXPECT_EQ(aligned->Corner, 0);
    ExpectUV(aligned->Polygon, {{0, 0}, {2, 0}, {0, -4}}, 1e-5f);
    aligned = UVToolbarUV(triangle, ALIGN_NEXT, 9, 0.1);
    EXPECT_EQ(aligned->Corner, 1);
}

TEST(UVToolbarUV, TranslateMovesOnlyTheCurrentPoint) {
    using namespace hou_icon;
    const PolygonRecord triangle = WithUV({{1, 1}, {1, 3}, {5, 1}});
    const std::pair<int, std::pair<float, float>> cases[] = {{TRANSLATE_LEFT, {0.5f, 3}},
                                                             {TRANSLATE_RIGHT, {1.5f, 3}},
                                                             {TRANSLATE_UP, {1, 2.5f}},
                                                             {TRANSLATE_DOWN, {1, 3.5f}}};
    for (auto [icon, moved] : cases) {
        auto r = UVToolbarUV(triangle, icon, 1, 0.5);
        ASSERT_TRUE(r);
        ExpectUV(r->Polygon, {{1, 1}, moved, {5, 1}}, 0);
        EXPECT_EQ(r->Corner, 1);
    }
    auto reset = UVToolbarUV(triangle, TRANSLATE_LEFT, 3, 0.5);
    EXPECT_EQ(reset->Corner, 0);
    EXPECT_EQ(reset->Polygon.CornerUVL[0].U, 0.5f);
    EXPECT_FALSE(UVToolbarUV(triangle, RESET, 0, 0.5));
    EXPECT_FALSE(UVToolbarUV(WithUV({}), ALIGN_CURRENT, 0, 0.5));
}

}  // namespace
}  // namespace fw
