#include <gtest/gtest.h>

#include "EditFixture.h"
#include "edit/PolygonTools.h"

namespace fw {
namespace {

constexpr double EPS = 1e-5;

class PolygonToolsTest : public EditFixture {
protected:
    // Marked points 0..2 spanning a plane, and the current point 3 off it.
    void MakePlane(PointRecord m0, PointRecord m1, PointRecord m2, PointRecord current) {
        MakePoints(0);
        for (const PointRecord& p : {m0, m1, m2, current}) AddPoint(p.X, p.Y, p.Z);
        MarkPoints({0, 1, 2});
        M().CurrentPoint = 3;
    }
    void ExpectPoint(int i, PointRecord expected) {
        EXPECT_NEAR(M().Points[i].X, expected.X, EPS);
        EXPECT_NEAR(M().Points[i].Y, expected.Y, EPS);
        EXPECT_NEAR(M().Points[i].Z, expected.Z, EPS);
    }
};

TEST_F(PolygonToolsTest, PlacePointInPlaneProjectsPerpendicularly) {
    MakePlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0.3, 0.4, 2});
    PlacePointInPlane(ed);
    ExpectPoint(3, {0.3, 0.4, 0});
    EXPECT_EQ(host.LastStatus(), "Placed point in plane.");
    EXPECT_EQ(host.refreshes, (std::vector<int>{2}));
    EXPECT_TRUE(host.messages.empty());

    // A tilted plane x + y + z = 3 through (3,0,0), (0,3,0), (0,0,3): (2,2,2) lands on (1,1,1).
    MakePlane({3, 0, 0}, {0, 3, 0}, {0, 0, 3}, {2, 2, 2});
    PlacePointInPlane(ed);
    ExpectPoint(3, {1, 1, 1});

    // Already in the plane: stays.
    MakePlane({3, 0, 0}, {0, 3, 0}, {0, 0, 3}, {1, 0.5, 1.5});
    PlacePointInPlane(ed);
    ExpectPoint(3, {1, 0.5, 1.5});
}

TEST_F(PolygonToolsTest, PlacePointInPlaneRefusals) {
    MakePlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0.3, 0.4, 2});
    M().PointMarked[2] = 0;
    CountMarkedPoints(M());
    PlacePointInPlane(ed);
    EXPECT_EQ(host.LastStatus(), "Need to mark 3 points total.");
    EXPECT_EQ(host.LastKind(), -1);

    MakePlane({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0.3, 0.4, 2});
    M().CurrentPoint = 1;
    PlacePointInPlane(ed);
    EXPECT_EQ(host.LastStatus(), "Current point should not be marked.");
    ExpectPoint(3, {0.3, 0.4, 2});
    EXPECT_TRUE(host.refreshes.empty());
}

TEST_F(PolygonToolsTest, PlacePointInPlaneWithCollinearPointsWarnsAndGoesOn) {
    MakePlane({1, 5, 1}, {2, 5, 2}, {3, 5, 3}, {7, 8, 9});
    PlacePointInPlane(ed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Error while calculating normal");
    ExpectPoint(3, {7, 5, 9});  // keeps X and Z, takes M0's Y
    EXPECT_EQ(host.LastStatus(), "Placed point in plane.");
}

TEST_F(PolygonToolsTest, ResetMarkedTexturesMakesMarkedPolygonsDefaultTextured) {
    MakePoints(0);
    AddPoint(2, 3, 4);
    AddPoint(3, 3, 4);
    AddPoint(3, 4, 4);
    int flat = AddPolygon({0, 1, 2});
    int other = AddPolygon({2, 1, 0});
    M().Polygons[flat].FlatColour = 5;
    M().Polygons[flat].CornerUVL[0] = {7, 7, 7};
    M().Polygons[other].CornerUVL[0] = {7, 7, 7};
    MarkPolygons({flat});

    ResetMarkedTextures(ed);
    const PolygonRecord& p = M().Polygons[flat];
    EXPECT_EQ(p.TextureNumber, 0);
    EXPECT_EQ(p.FlatColour, DEFAULT_FLAT_COLOUR);
    EXPECT_EQ(p.CornerUVL[0], (CornerUVLRecord{0, 0, 0}));
    EXPECT_NEAR(p.CornerUVL[1].U, 0.25, EPS);
    EXPECT_TRUE(M().Polygons[other].IsFlat());
    EXPECT_EQ(M().Polygons[other].CornerUVL[0], (CornerUVLRecord{7, 7, 7}));
    EXPECT_TRUE(host.statuses.empty());
    EXPECT_TRUE(host.refreshes.empty());
}

TEST_F(PolygonToolsTest, RearrangeFourSided) {
    MakePoints(14);
    AddPolygon({1, 2, 3});
    int quad = AddPolygon({10, 11, 12, 13});
    M().Polygons[quad].CornerUVL[1] = {1, 1, 0};
    M().CurrentPolygon = static_cast<int16_t>(quad);

    RearrangeFourSided(ed);
    EXPECT_EQ(CornersOf(quad), (std::vector<int>{10, 12, 13, 11}));
    EXPECT_EQ(M().Polygons[quad].CornerUVL[1], (CornerUVLRecord{1, 1, 0}));
    EXPECT_EQ(host.LastStatus(), "Tried quick rearrange.");
    EXPECT_EQ(host.refreshes, (std::vector<int>{2}));
    RearrangeFourSided(ed);
    RearrangeFourSided(ed);
    EXPECT_EQ(CornersOf(quad), (std::vector<int>{10, 11, 12, 13}));

    M().CurrentPolygon = 0;
    RearrangeFourSided(ed);
    EXPECT_EQ(host.LastStatus(), "Must have a 4-sided polygon for this feature.");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(CornersOf(0), (std::vector<int>{1, 2, 3}));

    MakePoints(3);
    host.Clear();
    RearrangeFourSided(ed);
    EXPECT_TRUE(host.statuses.empty());
}

TEST_F(PolygonToolsTest, FlipPolygonReversesCornersOnly) {
    MakePoints(6);
    int p = AddPolygon({0, 1, 2, 3, 4});
    M().Polygons[p].CornerUVL[0] = {1, 2, 0};
    M().CurrentPolygon = 0;

    FlipPolygon(ed);
    EXPECT_EQ(CornersOf(p), (std::vector<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(M().Polygons[p].CornerUVL[0], (CornerUVLRecord{1, 2, 0}));
    EXPECT_EQ(host.LastStatus(), "Flipped polygon point order and normal.");
    EXPECT_EQ(host.refreshes, (std::vector<int>{1}));
    FlipPolygon(ed);
    EXPECT_EQ(CornersOf(p), (std::vector<int>{0, 1, 2, 3, 4}));

    MakePoints(3);
    host.Clear();
    FlipPolygon(ed);
    EXPECT_EQ(host.LastStatus(), "No polygons available.");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_TRUE(host.refreshes.empty());
}

}  // namespace
}  // namespace fw
