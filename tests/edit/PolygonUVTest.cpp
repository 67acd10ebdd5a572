#include <gtest/gtest.h>

#include <cmath>

#include "EditFixture.h"
#include "edit/PlaneFrame.h"
#include "edit/PolygonUV.h"

namespace fw {
namespace {

constexpr double EPS = 1e-5;

TEST(PlaneAtan2Test, FollowsTheEditorsBranchRules) {
    EXPECT_DOUBLE_EQ(PlaneAtan2(1, 1), std::atan(1.0));
    EXPECT_DOUBLE_EQ(PlaneAtan2(0, -1), PLANE_PI);  // b < 0, a >= 0
    EXPECT_DOUBLE_EQ(PlaneAtan2(-1, -1), std::atan(1.0) - PLANE_PI);
    EXPECT_DOUBLE_EQ(PlaneAtan2(2, 0), PLANE_PI / 2);
    EXPECT_DOUBLE_EQ(PlaneAtan2(-2, 0), -PLANE_PI / 2);
    EXPECT_DOUBLE_EQ(PlaneAtan2(0, 0), -PLANE_PI / 2);  // not 0 as std::atan2 gives
}

TEST(PlaneFrameTest, TurnsTheNormalOntoZAndBack) {
    PointRecord p0{1, 2, 3}, p1{2, 2.5, 3.2}, p2{0.5, 3, 4};
    PlaneFrame frame(p0, p1, p2);
    EXPECT_FALSE(frame.HasZeroNormal());
    EXPECT_NEAR(frame.ToPlane(p1).Z, 0, EPS);
    EXPECT_NEAR(frame.ToPlane(p2).Z, 0, EPS);

    // A point one unit along the normal (p0 - p1) x (p0 - p2) sits at Z = 1.
    double ax = p0.X - p1.X, ay = p0.Y - p1.Y, az = p0.Z - p1.Z;
    double bx = p0.X - p2.X, by = p0.Y - p2.Y, bz = p0.Z - p2.Z;
    double nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
    double len = std::sqrt(nx * nx + ny * ny + nz * nz);
    PointRecord above{p0.X + nx / len, p0.Y + ny / len, p0.Z + nz / len};
    EXPECT_NEAR(frame.ToPlane(above).Z, 1, EPS);

    PointRecord any{-4, 7, 0.25};
    PointRecord back = frame.FromPlane(frame.ToPlane(any));
    EXPECT_NEAR(back.X, any.X, EPS);
    EXPECT_NEAR(back.Y, any.Y, EPS);
    EXPECT_NEAR(back.Z, any.Z, EPS);
}

class PolygonUVTest : public EditFixture {};

TEST_F(PolygonUVTest, UnitSquareInXYGetsQuarterSizedSquare) {
    MakePoints(0);
    AddPoint(0, 0, 0);
    AddPoint(1, 0, 0);
    AddPoint(1, 1, 0);
    AddPoint(0, 1, 0);
    int p = AddPolygon({0, 1, 2, 3});
    M().Polygons[p].CornerUVL.fill({9, 9, 9});
    ResetPolygonUVL(M(), p);
    const auto& uv = M().Polygons[p].CornerUVL;
    float expected[4][2] = {{0, 0}, {0.25f, 0}, {0.25f, 0.25f}, {0, 0.25f}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(uv[i].U, expected[i][0], EPS) << i;
        EXPECT_NEAR(uv[i].V, expected[i][1], EPS) << i;
        EXPECT_EQ(uv[i].L, 0) << i;
    }
    EXPECT_EQ(uv[4].U, 9) << "corners beyond the count are left alone";
}

TEST_F(PolygonUVTest, TiltedPolygonIsLaidFlatKeepingItsShape) {
    MakePoints(0);
    AddPoint(5, -2, 1);
    AddPoint(6, -1, 2);
    AddPoint(6, 1, 3.5);
    AddPoint(4.5, 0, 2.5);
    int p = AddPolygon({0, 1, 2, 3});
    ResetPolygonUVL(M(), p);
    const auto& uv = M().Polygons[p].CornerUVL;
    EXPECT_EQ(uv[0].U, 0);
    EXPECT_EQ(uv[0].V, 0);
    // Laying flat is a rotation, so distances among corners 0, 1 and 3 (which lie in the
    // plane) come out divided by exactly 4.
    for (int i : {1, 3}) {
        const PointRecord& a = M().Points[0];
        const PointRecord& b = M().Points[i];
        double d =
            std::sqrt(std::pow(a.X - b.X, 2) + std::pow(a.Y - b.Y, 2) + std::pow(a.Z - b.Z, 2));
        EXPECT_NEAR(std::hypot(uv[i].U, uv[i].V), d / 4, EPS) << i;
    }
    double d13 = std::sqrt(1.5 * 1.5 + 1 + 0.25);
    EXPECT_NEAR(std::hypot(uv[1].U - uv[3].U, uv[1].V - uv[3].V), d13 / 4, EPS);
}

TEST_F(PolygonUVTest, CollinearCornersUseZeroNormalWithoutFailing) {
    MakePoints(0);
    AddPoint(1, 1, 1);
    AddPoint(2, 1, 2);
    AddPoint(3, 1, 3);
    int p = AddPolygon({0, 1, 2});
    ResetPolygonUVL(M(), p);
    const auto& uv = M().Polygons[p].CornerUVL;
    // U = V_i.z / 4, V = -V_i.x / 4.
    EXPECT_NEAR(uv[1].U, 0.25, EPS);
    EXPECT_NEAR(uv[1].V, -0.25, EPS);
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
