#include "EditFixture.h"
#include "edit/InsertDelete.h"

namespace fw {

using V = std::vector<int>;
using InsertDelete = EditFixture;

TEST_F(InsertDelete, InsertPointJoinsTheMarkedPointsInTheLastSubmodel) {
    MakePoints(12);
    M().NumSubmodels = 3;
    M().Points[12] = {7, 7, 7};  // a stale slot must come back at the origin
    MarkPoints({10, 11});
    ed.CurrentCorner = 2;
    Do([&] { return InsertPoint(ed); });
    EXPECT_EQ(M().Points[12], (PointRecord{0, 0, 0}));
    EXPECT_EQ(M().CurrentPoint + ed.CurrentCorner, 12);
    EXPECT_EQ(M().NumMarkedPoints, 3);
    EXPECT_EQ(First(M().PointSubmodel, 13), (V{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2}));
}

TEST_F(InsertDelete, InsertRefusals) {
    MakePoints(MAX_POINTS);
    ModelStore before = M();
    Do([&] { return InsertPoint(ed); });
    EXPECT_EQ(host.LastStatus(), "Cannot insert: the model already has 512 points.");
    EXPECT_TRUE(SameModelContent(before, M()));

    MakePoints(30);
    for (int marked : {2, 21, 20}) {
        M().PointMarked.fill(0);
        for (int i = 0; i < marked; ++i) M().PointMarked[i] = 1;
        CountMarkedPoints(M());
        host.Clear();
        Do([&] { return InsertPolygon(ed); });
        EXPECT_EQ(host.LastStatus() == "Need 3 to 20 points marked", marked != 20) << marked;
    }
    EXPECT_EQ(M().Polygons[0].CornerCount, 20);

    M().NumPolygons = MAX_POLYGONS;
    Do([&] { return InsertPolygon(ed); });
    EXPECT_EQ(host.LastStatus(), "Cannot insert: the model already has 512 polygons.");
    EXPECT_EQ(M().NumPolygons, MAX_POLYGONS);
}

TEST_F(InsertDelete, InsertPolygonOrdersCornersByBearingInTheMostOpenPlane) {
    MakePoints(10);
    MarkPoints({7, 2, 9});
    Do([&] { return InsertPolygon(ed); });
    EXPECT_EQ(CornersOf(0), (V{2, 7, 9}));  // a triangle keeps point order

    // Bearings 225, 135, 45, 315 around (0.5, 0.5), largest first: (0,1,0), (0,0,0), ...
    MakePoints(4);
    M().Points[2] = {1, 1, 0};
    M().Points[3] = {0, 1, 0};
    MarkPoints({0, 1, 2, 3});
    Do([&] { return InsertPolygon(ed); });
    EXPECT_EQ(CornersOf(0), (V{3, 0, 1, 2}));
}

TEST_F(InsertDelete, DeletePointsCompactsAndRenumbersCornersSubmodelsAndHiding) {
    MakePoints(8);
    for (int i = 0; i < 8; ++i) M().PointSubmodel[i] = static_cast<uint8_t>(i % 2);
    M().PointHidden[6] = 2;
    AddPolygon({4, 6, 7});
    AddPolygon({1, 2, 4});
    MarkPoints({3, 5});
    M().CurrentPoint = 7;
    Do([&] { return DeletePoints(ed); });
    EXPECT_EQ(M().NumPoints, 6);
    EXPECT_EQ(M().Points[4].X, 6);
    EXPECT_EQ(First(M().PointSubmodel, 6), (V{0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(First(M().PointHidden, 6), (V{0, 0, 0, 0, 2, 0}));
    EXPECT_EQ(CornersOf(0), (V{3, 4, 5}));
    EXPECT_EQ(CornersOf(1), (V{1, 2, 3}));
    EXPECT_EQ(M().CurrentPoint, 0);

    MarkPoints({1, 0});
    ModelStore before = M();
    Do([&] { return DeletePoints(ed); });
    EXPECT_EQ(host.LastStatus(), "Cannot delete point #1 - Remove all attached polygons.");
    EXPECT_TRUE(SameModelContent(before, M()));

    MakePoints(5);
    MarkPoints({0, 1, 2, 3, 4});  // every point: the model would have none left
    Do([&] { return DeletePoints(ed); });
    EXPECT_EQ(host.LastStatus(), "Cannot delete every point: a model keeps at least one.");
    EXPECT_EQ(M().NumPoints, 5);
}

TEST_F(InsertDelete, DeletePolygonsMovesLaterOnesDownIntactAndKeepsTheCornerInside) {
    MakePoints(20);
    AddPolygon({0, 1, 2});
    int big = AddPolygon({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    for (int j = 0; j < 20; ++j) M().Polygons[big].CornerUVL[j] = {float(j), float(-j), 0.5f};
    M().PolygonHidden[big] = 1;
    PolygonRecord saved = M().Polygons[big];
    M().CurrentPolygon = 1;
    ed.CurrentCorner = 19;
    ed.CurrentListCorner = 18;
    // Nothing marked: refused, and the current polygon and corners stay where they were.
    EXPECT_TRUE(Do([&] { return DeletePolygons(ed); }).Refused());
    EXPECT_EQ(M().CurrentPolygon, 1);
    EXPECT_EQ(ed.CurrentCorner, 19);
    EXPECT_EQ(ed.CurrentListCorner, 18);

    MarkPolygons({0});
    M().CurrentPolygon = 1;
    Do([&] { return DeletePolygons(ed); });
    ASSERT_EQ(M().NumPolygons, 1);
    EXPECT_EQ(CornersOf(0), V(saved.Corners.begin(), saved.Corners.end()));
    EXPECT_EQ(M().Polygons[0].CornerUVL, saved.CornerUVL);
    EXPECT_EQ(M().PolygonHidden[0], 1);
    EXPECT_EQ(M().CurrentPolygon, 0);
}

}  // namespace fw
