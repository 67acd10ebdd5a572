#include "EditFixture.h"
#include "edit/Hiding.h"

namespace fw {
namespace {

using V = std::vector<int>;

using HidingTest = EditFixture;

TEST_F(HidingTest, HideAndDarkenConsumeTheMarksAndAreNoEdit) {
    MakePoints(6);
    AddPolygon({0, 1, 2});
    AddPolygon({1, 2, 3});
    AddPolygon({2, 3, 4});
    Saved();
    MarkPolygons({0, 2});
    ed.Run("Darken", [&] { return DarkenMarkedPolygons(ed); });
    EXPECT_EQ(First(M().PolygonHidden, 3), (V{1, 0, 1}));
    EXPECT_EQ(M().NumMarkedPolygons, 0);
    MarkPolygons({1, 2});
    Do([&] { return HideMarkedPolygons(ed); });  // hiding a darkened polygon hides it
    EXPECT_EQ(First(M().PolygonHidden, 3), (V{1, 2, 2}));
    EXPECT_EQ(M().NumMarkedPolygons, 0);
    MarkPolygons({2});
    Do([&] { return DarkenMarkedPolygons(ed); });  // darkening a hidden polygon shows it dim
    EXPECT_EQ(First(M().PolygonHidden, 3), (V{1, 2, 1}));
    Do([&] { return UnhideAllPolygons(ed); });
    EXPECT_EQ(First(M().PolygonHidden, 3), (V{0, 0, 0}));

    MarkPoints({1, 4});
    ed.Run("Hide Points", [&] { return HideMarkedPoints(ed); });
    EXPECT_EQ(First(M().PointHidden, 6), (V{0, 2, 0, 0, 2, 0}));
    EXPECT_EQ(M().NumMarkedPoints, 0);
    EXPECT_FALSE(M().Modified);
    EXPECT_FALSE(ed.Undo()) << "no undo entry for display state";
    Do([&] { return UnhideAllPoints(ed); });
    EXPECT_EQ(First(M().PointHidden, 6), (V{0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace fw
