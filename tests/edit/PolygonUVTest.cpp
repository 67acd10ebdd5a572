#include <cmath>

#include "EditFixture.h"
#include "edit/PlaneFrame.h"
#include "edit/PolygonUV.h"

namespace fw {
namespace {

constexpr double EPS = 1e-5;

TEST(PlaneAtan2Test, FollowsTheEditorsBranchRules) {
    EXPECT_DOUBLE_EQ(PlaneAtan2(0, -1), PLANE_PI);  // b < 0, a >= 0
    EXPECT_DOUBLE_EQ(PlaneAtan2(-1, -1), std::atan(1.0) - PLANE_PI);
    EXPECT_DOUBLE_EQ(PlaneAtan2(0, 0), -PLANE_PI / 2);  // not 0 as std::atan2 gives
}

class PolygonUVTest : public EditFixture {
protected:
    const std::array<CornerUVLRecord, MAX_CORNERS>& Reset(std::vector<PointRecord> corners) {
        MakePoints(0);
        for (const PointRecord& p : corners) AddPoint(p.X, p.Y, p.Z);
        int p = AddPolygon({0, 1, 2});
        M().Polygons[p].CornerCount = static_cast<int16_t>(corners.size());
        for (int j = 0; j < int(corners.size()); ++j) M().Polygons[p].Corners[j] = int16_t(j);
        M().Polygons[p].CornerUVL.fill({9, 9, 9});
        ResetPolygonUVL(M(), p);
        return M().Polygons[p].CornerUVL;
    }
};

TEST_F(PolygonUVTest, UnitSquareInXYGetsQuarterSizedSquare) {
    const auto& uv = Reset({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(uv[i].U, i == 1 || i == 2 ? 0.25 : 0, EPS) << i;
        EXPECT_NEAR(uv[i].V, i >= 2 ? 0.25 : 0, EPS) << i;
        EXPECT_EQ(uv[i].L, 0) << i;
    }
    EXPECT_EQ(uv[4].U, 9) << "corners beyond the count are left alone";
}

TEST_F(PolygonUVTest, TiltedPolygonIsLaidFlatKeepingItsShape) {
    const auto& uv = Reset({{5, -2, 1}, {6, -1, 2}, {6, 1, 3.5}, {4.5, 0, 2.5}});
    EXPECT_EQ(uv[0].U, 0);
    EXPECT_EQ(uv[0].V, 0);
    // Laying flat is a rotation, so distances among corners 0, 1 and 3 (which lie in the
    // plane) come out divided by exactly 4.
    EXPECT_NEAR(std::hypot(uv[1].U, uv[1].V), std::sqrt(3.0) / 4, EPS);
    EXPECT_NEAR(std::hypot(uv[3].U, uv[3].V), std::sqrt(0.25 + 4 + 2.25) / 4, EPS);
    EXPECT_NEAR(std::hypot(uv[1].U - uv[3].U, uv[1].V - uv[3].V), std::sqrt(3.5) / 4, EPS);
}

TEST_F(PolygonUVTest, CollinearCornersUseZeroNormalWithoutFailing) {
    const auto& uv = Reset({{1, 1, 1}, {2, 1, 2}, {3, 1, 3}});
    // U = V_i.z / 4, V = -V_i.x / 4.
    EXPECT_NEAR(uv[2].U, 0.5, EPS);
    EXPECT_NEAR(uv[2].V, -0.5, EPS);
}

TEST_F(PolygonUVTest, PolygonNamingNoPointInUseIsLeftAlone) {
    MakePoints(3);
    int p = AddPolygon({0, 1, 7});
    M().Polygons[p].CornerUVL[1] = {3, 4, 5};
    ResetPolygonUVL(M(), p);
    EXPECT_EQ(M().Polygons[p].CornerUVL[1], (CornerUVLRecord{3, 4, 5}));
    ResetPolygonUVL(M(), -1);
    ResetPolygonUVL(M(), MAX_POLYGONS);
}

}  // namespace
}  // namespace fw
