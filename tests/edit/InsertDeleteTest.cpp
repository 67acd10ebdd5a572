#include "EditFixture.h"
#include "edit/InsertDelete.h"

namespace fw {

class InsertDelete : public EditFixture {};

TEST_F(InsertDelete, InsertPointJoinsTheMarkedPointsInTheLastSubmodel) {
    MakePoints(12);
    M().NumSubmodels = 3;
    M().Points[12] = {7, 7, 7};  // a stale slot must come back at the origin
    MarkPoints({10, 11});
    ed.CurrentCorner = 2;
    InsertPoint(ed);
    EXPECT_EQ(M().NumPoints, 13);
    EXPECT_EQ(M().Points[12], (PointRecord{0, 0, 0}));
    EXPECT_EQ(M().CurrentPoint, 12);
    EXPECT_EQ(ed.CurrentCorner, 0);
    EXPECT_EQ(M().NumMarkedPoints, 3);
    for (int i : {10, 11, 12}) EXPECT_EQ(M().PointSubmodel[i], 2);
    EXPECT_EQ(M().PointSubmodel[9], 0);
    EXPECT_EQ(host.statuses[0].text, "Marked points put into submodel 2.");
    EXPECT_EQ(host.LastStatus(), "Inserted a new point in Submodel 2.");
    EXPECT_EQ(host.LastKind(), 1);
    EXPECT_EQ(host.refreshes.back(), 1);
}

TEST_F(InsertDelete, InsertRefusesWhenTheTablesAreFull) {
    MakePoints(MAX_POINTS);
    ModelStore before = M();
    InsertPoint(ed);
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(host.LastStatus(), "Cannot insert: the model already has 512 points.");
    EXPECT_TRUE(SameModelContent(before, M()));
    EXPECT_EQ(M().NumMarkedPoints, 0);

    MakePoints(3);
    for (int i = 0; i < MAX_POLYGONS; ++i) AddPolygon({0, 1, 2});
    MarkPoints({0, 1, 2});
    InsertPolygon(ed);
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(host.LastStatus(), "Cannot insert: the model already has 512 polygons.");
    EXPECT_EQ(M().NumPolygons, MAX_POLYGONS);
}

TEST_F(InsertDelete, DeletePointsCompactsAndRenumbersCorners) {
    MakePoints(8);
    for (int i = 0; i < 8; ++i) M().PointSubmodel[i] = static_cast<uint8_t>(i % 2);
    M().PointHidden[6] = 2;
    AddPolygon({4, 6, 7});
    MarkPoints({3, 5});
    M().CurrentPoint = 7;
    DeletePoints(ed);
    EXPECT_EQ(M().NumPoints, 6);
    EXPECT_EQ(M().Points[3].X, 4);
    EXPECT_EQ(M().Points[4].X, 6);
    EXPECT_EQ(M().Points[5].X, 7);
    EXPECT_EQ(M().PointSubmodel[3], 0);
    EXPECT_EQ(M().PointSubmodel[5], 1);
    EXPECT_EQ(M().PointHidden[4], 2);
    EXPECT_EQ(M().PointHidden[5], 0);
    EXPECT_EQ(CornersOf(0), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(M().CurrentPoint, 0);
    EXPECT_EQ(M().NumMarkedPoints, 0);
    EXPECT_EQ(host.LastStatus(), "Deleted 2 points.");
}

TEST_F(InsertDelete, DeletePointsRefusals) {
    MakePoints(5);
    AddPolygon({0, 1, 2});
    AddPolygon({2, 3, 4});
    MarkPoints({4, 1});
    ModelStore before = M();
    DeletePoints(ed);
    EXPECT_EQ(host.LastStatus(), "Cannot delete point #1 - Remove all attached polygons.");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_TRUE(SameModelContent(before, M()));
    EXPECT_EQ(M().NumMarkedPoints, 2);

    MakePoints(5);
    M().CurrentPoint = 3;
    host.Clear();
    DeletePoints(ed);
    EXPECT_EQ(host.LastStatus(), "No points marked.");
    EXPECT_EQ(M().CurrentPoint, 0);
    EXPECT_EQ(M().NumPoints, 5);
    EXPECT_TRUE(host.refreshes.empty());
}

TEST_F(InsertDelete, InsertPolygonFromMarkedPoints) {
    MakePoints(10);
    MarkPoints({7, 2, 9});
    InsertPolygon(ed);
    ASSERT_EQ(M().NumPolygons, 1);
    EXPECT_EQ(CornersOf(0), (std::vector<int>{2, 7, 9}));  // a triangle keeps point order
    EXPECT_EQ(M().Polygons[0].TextureNumber, 0);
    EXPECT_EQ(M().Polygons[0].FlatColour, 16912);
    EXPECT_EQ(M().CurrentPolygon, 0);
    EXPECT_EQ(M().NumMarkedPoints, 3);
    EXPECT_EQ(host.LastStatus(), "Inserted a polygon with 3 points.");
    EXPECT_EQ(host.refreshes.back(), 2);

    MakePoints(4);
    M().Points[0] = {0, 0, 0};
    M().Points[1] = {1, 0, 0};
    M().Points[2] = {1, 1, 0};
    M().Points[3] = {0, 1, 0};
    MarkPoints({0, 1, 2, 3});
    InsertPolygon(ed);
    // Bearings 225, 135, 45, 315 around (0.5, 0.5), largest first.
    EXPECT_EQ(CornersOf(0), (std::vector<int>{3, 0, 1, 2}));
    EXPECT_EQ(M().Polygons[0].CornerUVL[0], (CornerUVLRecord{0, 0, 0}));
}

TEST_F(InsertDelete, InsertPolygonOrdersInTheMostOpenPlane) {
    // A square standing in the ZY plane, given in scrambled point order.
    MakePoints(4);
    M().Points[0] = {5, 1, 1};
    M().Points[1] = {5, -1, -1};
    M().Points[2] = {5, 1, -1};
    M().Points[3] = {5, -1, 1};
    MarkPoints({0, 1, 2, 3});
    InsertPolygon(ed);
    // u = Z, v = Y: (z,y) bearings (1,1) 45, (-1,-1) 225, (-1,1) 315, (1,-1) 135.
    EXPECT_EQ(CornersOf(0), (std::vector<int>{2, 1, 3, 0}));
}

TEST_F(InsertDelete, InsertPolygonNeedsThreeToTwentyMarkedPoints) {
    MakePoints(30);
    MarkPoints({1, 2});
    InsertPolygon(ed);
    EXPECT_EQ(host.LastStatus(), "Need 3 to 20 points marked");
    EXPECT_EQ(host.LastKind(), -1);
    for (int i = 0; i < 21; ++i) M().PointMarked[i] = 1;
    CountMarkedPoints(M());
    InsertPolygon(ed);
    EXPECT_EQ(host.LastStatus(), "Need 3 to 20 points marked");
    EXPECT_EQ(M().NumPolygons, 0);
    M().PointMarked[20] = 0;
    CountMarkedPoints(M());
    InsertPolygon(ed);
    EXPECT_EQ(M().NumPolygons, 1);
    EXPECT_EQ(M().Polygons[0].CornerCount, 20);
}

TEST_F(InsertDelete, DeletePolygonsMovesLaterOnesDownIntact) {
    MakePoints(20);
    AddPolygon({0, 1, 2});
    int big = AddPolygon({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    for (int j = 0; j < 20; ++j) M().Polygons[big].CornerUVL[j] = {float(j), float(-j), 0.5f};
    M().PolygonHidden[big] = 1;
    PolygonRecord saved = M().Polygons[big];
    MarkPolygons({0});
    M().CurrentPolygon = 1;
    DeletePolygons(ed);
    ASSERT_EQ(M().NumPolygons, 1);
    EXPECT_EQ(CornersOf(0), std::vector<int>(saved.Corners.begin(), saved.Corners.end()));
    EXPECT_EQ(M().Polygons[0].CornerUVL, saved.CornerUVL);
    EXPECT_EQ(M().PolygonHidden[0], 1);
    EXPECT_EQ(M().NumPoints, 20);  // points stay
    EXPECT_EQ(M().NumMarkedPolygons, 0);
    EXPECT_EQ(M().CurrentPolygon, 0);
    EXPECT_EQ(host.LastStatus(), "Deleted 1 polygons.");
    EXPECT_EQ(host.refreshes.back(), 2);

    host.Clear();
    DeletePolygons(ed);
    EXPECT_EQ(host.LastStatus(), "No polygons marked.");
    EXPECT_EQ(host.LastKind(), -1);
}

TEST_F(InsertDelete, DeletePolygonsKeepsTheCurrentCornerInsideTheCurrentPolygon) {
    MakePoints(6);
    AddPolygon({0, 1, 2});
    AddPolygon({0, 1, 2, 3, 4, 5});
    M().CurrentPolygon = 1;
    ed.CurrentCorner = 5;
    ed.CurrentListCorner = 4;
    DeletePolygons(ed);  // nothing marked: no refresh, current polygon back to 0
    EXPECT_LT(ed.CurrentCorner, 3);
    EXPECT_LT(ed.CurrentListCorner, 3);

    MarkPolygons({0, 1});
    ed.CurrentCorner = 2;
    DeletePolygons(ed);
    EXPECT_EQ(M().NumPolygons, 0);
    EXPECT_EQ(ed.CurrentCorner, 0);
}

TEST_F(InsertDelete, CentreOfMarkedPoints) {
    MakePoints(4);
    double x = 9, y = 9, z = 9;
    EXPECT_FALSE(CentreOfMarkedPoints(ed, x, y, z));
    EXPECT_EQ(host.LastStatus(), "Mark at least 1 point first.");
    EXPECT_EQ(x, 9);
    MarkPoints({1, 3});
    M().Points[3].Z = 4;
    EXPECT_TRUE(CentreOfMarkedPoints(ed, x, y, z));
    EXPECT_DOUBLE_EQ(x, 2);
    EXPECT_DOUBLE_EQ(z, 2);
}

TEST_F(InsertDelete, ModifiedFollowsRunAndUndo) {
    MakePoints(3);
    Saved();
    ed.Run("Insert Point", [&] { InsertPoint(ed); });
    EXPECT_TRUE(M().Modified);
    EXPECT_TRUE(ed.Undo());
    EXPECT_FALSE(M().Modified);
    EXPECT_EQ(M().NumPoints, 3);

    MarkPoints({2});
    ed.Run("Delete Points", [&] { DeletePoints(ed); });
    EXPECT_TRUE(M().Modified);
    EXPECT_EQ(M().NumPoints, 2);
    EXPECT_TRUE(ed.Undo());
    EXPECT_FALSE(M().Modified);
    EXPECT_EQ(M().NumPoints, 3);

    M().PointMarked[2] = 0;  // undo brought the mark back
    CountMarkedPoints(M());
    ed.Run("Delete Points", [&] { DeletePoints(ed); });
    EXPECT_FALSE(M().Modified);
}

}  // namespace fw
