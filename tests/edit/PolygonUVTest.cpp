#include "EditFixture.h"
#include "edit/PolygonUV.h"

namespace fw {
namespace {

constexpr double EPS = 1e-5;

using PolygonUVTest = EditFixture;

TEST_F(PolygonUVTest, UnitSquareInXYGetsQuarterSizedSquare) {
    MakePoints(4);
    M().Points[2] = {1, 1, 0};
    M().Points[3] = {0, 1, 0};
    int p = AddPolygon({0, 1, 2, 3});
    M().Polygons[p].CornerUVL.fill({9, 9, 9});
    ResetPolygonUVL(M(), p);
    const auto& uv = M().Polygons[p].CornerUVL;
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(uv[i].U, i == 1 || i == 2 ? 0.25 : 0, EPS) << i;
        EXPECT_NEAR(uv[i].V, i >= 2 ? 0.25 : 0, EPS) << i;
        EXPECT_EQ(uv[i].L, 0) << i;
    }
    EXPECT_EQ(uv[4].U, 9) << "corners beyond the count are left alone";
}

}  // namespace
}  // namespace fw
