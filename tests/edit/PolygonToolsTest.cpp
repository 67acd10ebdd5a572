#include <cmath>

#include "EditFixture.h"
#include "edit/CornerOrder.h"
#include "edit/PolygonTools.h"

namespace fw {
namespace {

constexpr double EPS = 1e-5;

class PolygonToolsTest : public EditFixture {
protected:
    // Marked points 0..2 span a plane; the current point 3 is placed in it.
    PointRecord Placed(PointRecord m0, PointRecord m1, PointRecord m2, PointRecord current) {
        MakePoints(0);
        for (const PointRecord& p : {m0, m1, m2, current}) AddPoint(p.X, p.Y, p.Z);
        MarkPoints({0, 1, 2});
        M().CurrentPoint = 3;
        Do([&] { return PlacePointInPlane(ed); });
        return M().Points[3];
    }
};

TEST_F(PolygonToolsTest, PlacePointInPlaneProjectsPerpendicularly) {
    // The plane x + y + z = 3: (2,2,2) lands on (1,1,1).
    PointRecord p = Placed({3, 0, 0}, {0, 3, 0}, {0, 0, 3}, {2, 2, 2});
    EXPECT_NEAR(std::hypot(p.X - 1, p.Y - 1, p.Z - 1), 0, EPS);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PolygonToolsTest, ResetMarkedTexturesMakesMarkedPolygonsDefaultTextured) {
    MakePoints(3);
    AddPolygon({0, 1, 2});
    AddPolygon({2, 1, 0});
    M().Polygons[0].FlatColour = 5;
    M().Polygons[0].CornerUVL[0] = M().Polygons[1].CornerUVL[0] = {7, 7, 7};
    MarkPolygons({0});
    Do([&] { return ResetMarkedTextures(ed); });
    EXPECT_EQ(M().Polygons[0].TextureNumber, 0);
    EXPECT_EQ(M().Polygons[0].CornerUVL[0], (CornerUVLRecord{0, 0, 0}));
    EXPECT_TRUE(M().Polygons[1].IsFlat());
    EXPECT_EQ(M().Polygons[1].CornerUVL[0], (CornerUVLRecord{7, 7, 7}));
}

TEST_F(PolygonToolsTest, RearrangeAndFlipReorderCornersOnly) {
    MakePoints(14);
    AddPolygon({1, 2, 3});
    int quad = AddPolygon({10, 11, 12, 13});
    M().Polygons[quad].CornerUVL[1] = {1, 1, 0};
    M().CurrentPolygon = static_cast<int16_t>(quad);
    Do([&] { return RearrangeFourSided(ed); });
    EXPECT_EQ(CornersOf(quad), (std::vector<int>{10, 12, 13, 11}));
    EXPECT_EQ(M().Polygons[quad].CornerUVL[1], (CornerUVLRecord{1, 1, 0}));
    Do([&] { return FlipPolygon(ed); });
    EXPECT_EQ(CornersOf(quad), (std::vector<int>{11, 13, 12, 10}));
    EXPECT_EQ(M().Polygons[quad].CornerUVL[1], (CornerUVLRecord{1, 1, 0}));

    M().CurrentPolygon = 0;
    Do([&] { return RearrangeFourSided(ed); });  // not four-sided: refused
    EXPECT_EQ(CornersOf(0), (std::vector<int>{1, 2, 3}));
}

TEST_F(PolygonToolsTest, MoveCornerKeepsTheSelectionOnTheMovedCorner) {
    MakePoints(4);
    AddPolygon({0, 1, 2, 3});
    ed.CurrentListCorner = 1;
    Do([&] { return MoveCornerUp(ed); });
    EXPECT_EQ(CornersOf(0), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(ed.CurrentListCorner, 0);
    Do([&] { return MoveCornerUp(ed); });  // already first: refused, nothing moves
    EXPECT_EQ(CornersOf(0), (std::vector<int>{1, 0, 2, 3}));
    ed.CurrentListCorner = 2;
    Do([&] { return MoveCornerDown(ed); });
    Do([&] { return MoveCornerDown(ed); });  // already last
    EXPECT_EQ(CornersOf(0), (std::vector<int>{1, 0, 3, 2}));
    EXPECT_EQ(ed.CurrentListCorner, 3);
}

}  // namespace
}  // namespace fw
