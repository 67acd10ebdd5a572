#include "edit/EditFixture.h"
#include "views/ViewPicking.h"

namespace fw {
namespace {

class Picking : public EditFixture {
protected:
    ViewState views;
    int Pick(double h, double v, int view = VIEW_XY) { return PickPoint(M(), views, view, {h, v}); }
    int PickPoly(double h, double v) { return PickPolygon(M(), views, VIEW_XY, {h, v}); }
};

TEST_F(Picking, NearestPointRules) {
    MakePoints(4);  // points at x = 0, 1, 2, 3
    M().CurrentPoint = 0;
    // Clicking on the current point 0 reaches the nearest other point.
    EXPECT_EQ(Pick(0, 0), 1);
    // Farther than sqrt(3) from every point: nothing.
    EXPECT_EQ(Pick(1, 1.8), -1);
    // A current point other than 0 stays current when clicked.
    M().CurrentPoint = 2;
    EXPECT_EQ(Pick(2, 0), -1);
    EXPECT_EQ(Pick(0.1, 0), 0);
    // Equal distances: the lower number wins.
    EXPECT_EQ(Pick(1.5, 0), 1);
    // Hidden points are never picked, even as the first candidate.
    M().PointHidden[0] = M().PointHidden[1] = 2;
    EXPECT_EQ(Pick(0.5, 0), -1);
    M().Points[4] = {1.5, 0, 0};  // a stale slot past NumPoints, never picked
    EXPECT_EQ(Pick(1.5, 0), -1);
    // Picking uses the view's own axes.
    M().Points[3] = {0, 5, 7};
    EXPECT_EQ(Pick(7, 5, VIEW_ZY), 3);
}

TEST_F(Picking, NearestPolygonByCentroid) {
    MakePoints(0);
    for (double x : {0.0, 3.0}) {
        AddPoint(x, 0, 0);
        AddPoint(x + 1, 0, 0);
        AddPoint(x, 1, 0);
    }
    AddPolygon({0, 1, 2});              // centroid (1/3, 1/3)
    AddPolygon({3, 4, 5});              // centroid (3 1/3, 1/3)
    AddPolygon({0, 1, 2, 9});           // a corner past NumPoints is left out of the centroid
    M().Polygons[3] = M().Polygons[0];  // a stale slot past NumPolygons, never picked
    M().CurrentPolygon = 0;
    EXPECT_EQ(PickPoly(3.3, 0.3), 1);
    EXPECT_EQ(PickPoly(0.3, 0.3), 2);  // current 0 is skipped, 2 has the same centroid
    EXPECT_EQ(PickPoly(9, 9), -1);
    M().CurrentPolygon = 1;
    M().PolygonHidden[0] = 1;  // darkened and hidden polygons are skipped
    M().PolygonHidden[2] = 2;
    EXPECT_EQ(PickPoly(0.3, 0.3), -1);
}

}  // namespace
}  // namespace fw
