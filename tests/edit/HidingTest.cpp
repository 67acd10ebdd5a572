#include <gtest/gtest.h>

#include "EditFixture.h"
#include "edit/Hiding.h"

namespace fw {
namespace {

class HidingTest : public EditFixture {
protected:
    void SetUp() override {
        MakePoints(6);
        AddPolygon({0, 1, 2});
        AddPolygon({1, 2, 3});
        AddPolygon({2, 3, 4});
    }
};

TEST_F(HidingTest, HideAndDarkenConsumeThePolygonMarks) {
    MarkPolygons({0, 2});
    DarkenMarkedPolygons(ed);
    EXPECT_EQ(M().PolygonHidden[0], 1);
    EXPECT_EQ(M().PolygonHidden[1], 0);
    EXPECT_EQ(M().PolygonHidden[2], 1);
    EXPECT_EQ(M().PolygonMarked[0], 0);
    EXPECT_EQ(M().NumMarkedPolygons, 0);
    EXPECT_EQ(host.LastStatus(), "Darkening marked polygons");
    EXPECT_EQ(host.refreshes, (std::vector<int>{2}));

    MarkPolygons({1, 2});
    HideMarkedPolygons(ed);
    EXPECT_EQ(M().PolygonHidden[1], 2);
    EXPECT_EQ(M().PolygonHidden[2], 2) << "hiding a darkened polygon hides it";
    EXPECT_EQ(M().NumMarkedPolygons, 0);
    EXPECT_EQ(host.LastStatus(), "Hiding marked polygons");

    MarkPolygons({2});
    DarkenMarkedPolygons(ed);
    EXPECT_EQ(M().PolygonHidden[2], 1) << "darkening a hidden polygon shows it dim";

    host.Clear();
    HideMarkedPolygons(ed);  // nothing marked: still reports
    EXPECT_EQ(host.LastStatus(), "Hiding marked polygons");

    UnhideAllPolygons(ed);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(M().PolygonHidden[i], 0);
        EXPECT_EQ(M().PolygonMarked[i], 0);
    }
    EXPECT_EQ(host.LastStatus(), "Polygons are no longer hidden");
    EXPECT_EQ(host.refreshes.back(), 2);
}

TEST_F(HidingTest, HidePointsConsumesThePointMarks) {
    MarkPoints({1, 4});
    M().PointMarked[5] = 0;
    HideMarkedPoints(ed);
    EXPECT_EQ(M().PointHidden[1], 2);
    EXPECT_EQ(M().PointHidden[4], 2);
    EXPECT_EQ(M().PointHidden[0], 0);
    EXPECT_EQ(M().PointMarked[1], 0);
    EXPECT_EQ(M().NumMarkedPoints, 0);
    EXPECT_EQ(host.LastStatus(), "Hiding marked points");
    EXPECT_EQ(host.refreshes, (std::vector<int>{2}));

    MarkPoints({0});
    UnhideAllPoints(ed);
    EXPECT_EQ(M().PointHidden[1], 0);
    EXPECT_EQ(M().PointHidden[4], 0);
    EXPECT_EQ(M().PointMarked[0], 1) << "unhiding leaves marks alone";
    EXPECT_EQ(host.LastStatus(), "Points are no longer hidden");
    EXPECT_EQ(host.refreshes.back(), 1);
}

TEST_F(HidingTest, HidingIsNotAnEditOfTheModel) {
    Saved();
    MarkPoints({1});
    MarkPolygons({0});
    ed.Run("Hide Points", [&] { HideMarkedPoints(ed); });
    ed.Run("Hide Polygons", [&] { HideMarkedPolygons(ed); });
    EXPECT_FALSE(M().Modified);
    EXPECT_FALSE(ed.Undo()) << "no undo entry for display state";
}

}  // namespace
}  // namespace fw
