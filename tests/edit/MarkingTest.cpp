#include "EditFixture.h"
#include "edit/Marking.h"

namespace fw {

using Marking = EditFixture;

// Toggle-set commands mark the whole group when none of it is marked, else unmark it all, and
// name the new state with "M..." or "Unm...".
TEST_F(Marking, ToggleSetsFlipTheWholeGroupAndNameTheNewState) {
    MakePoints(6);
    AddPolygon({0, 1, 2});
    AddPolygon({2, 3, 4});
    AddPolygon({3, 4, 5});
    M().CurrentPolygon = 1;
    M().CurrentPoint = 2;
    const struct {
        CommandResult (*command)(Editor&);
        std::string what;
        int points, polygons;  // marked by the first run
    } rows[] = {{MarkCurrentPolygonPoints, "current polygon's points", 3, 0},
                {MarkAllPoints, "all points", 6, 0},
                {MarkCurrentPointPolygons, "current point's polygons", 0, 2},
                {MarkAllPolygons, "all polygons", 0, 3}};
    for (const auto& row : rows) {
        Do([&] { return row.command(ed); });
        EXPECT_EQ(host.LastStatus(), "Marked " + row.what);
        EXPECT_EQ(M().NumMarkedPoints, row.points) << row.what;
        EXPECT_EQ(M().NumMarkedPolygons, row.polygons) << row.what;
        Do([&] { return row.command(ed); });
        EXPECT_EQ(host.LastStatus(), "Unmarked " + row.what);
        EXPECT_EQ(M().NumMarkedPoints, 0) << row.what;
        EXPECT_EQ(M().NumMarkedPolygons, 0) << row.what;
    }
    MarkPoints({3});
    Do([&] { return MarkCurrentPolygonPoints(ed); });  // partly marked: unmarks
    EXPECT_EQ(M().NumMarkedPoints, 0);

    MarkPoints({5});
    MarkPolygons({0});
    // Polygon 0 is marked but has no marked corner.
    Do([&] { return MarkMarkedPointsPolygons(ed); });
    EXPECT_EQ(M().NumMarkedPolygons, 2);
    Do([&] { return MarkMarkedPointsPolygons(ed); });
    EXPECT_EQ(host.LastStatus(), "Unmarked marked-points' polygons");
    EXPECT_EQ(First(M().PolygonMarked, 3), (std::vector<int>{1, 0, 0}));

    // Only polygon 0 is marked, none of its corners.
    Do([&] { return MarkMarkedPolygonsPoints(ed); });
    EXPECT_EQ(host.LastStatus(), "Marked marked-polygons' points");
    EXPECT_EQ(First(M().PointMarked, 6), (std::vector<int>{1, 1, 1, 0, 0, 1}));
    Do([&] { return MarkMarkedPolygonsPoints(ed); });
    EXPECT_EQ(M().NumMarkedPoints, 1);
}

TEST_F(Marking, TogglesUnmarkAllAndNoPolygons) {
    MakePoints(3);
    AddPolygon({0, 1, 2});
    M().CurrentPoint = 1;
    Do([&] { return ToggleCurrentPointMark(ed); });
    Do([&] { return ToggleCurrentPolygonMark(ed); });
    EXPECT_EQ(M().NumMarkedPoints, 1);
    EXPECT_EQ(M().NumMarkedPolygons, 1);
    Do([&] { return UnmarkAllPoints(ed); });
    Do([&] { return UnmarkAllPolygons(ed); });
    EXPECT_EQ(M().NumMarkedPoints + M().NumMarkedPolygons, 0);

    // With no polygons in use, a stale record from an earlier deletion must not be read.
    M().NumPolygons = 0;
    Do([&] { return MarkCurrentPolygonPoints(ed); });
    Do([&] { return ToggleCurrentPolygonMark(ed); });
    EXPECT_EQ(M().NumMarkedPoints + M().PolygonMarked[0], 0);
}

TEST_F(Marking, SubmodelCommandsSetOrClearAndCountPolygonsByAnyCorner) {
    MakePoints(6);
    M().PointSubmodel[4] = M().PointSubmodel[5] = 1;
    M().NumSubmodels = 2;
    AddPolygon({0, 1, 2});
    AddPolygon({3, 4, 5});  // first corner in submodel 0, others in 1
    M().CurrentSubmodel = 1;
    M().PointMarked[4] = 1;
    Do([&] { return MarkSubmodelPoints(ed); });
    Do([&] { return MarkSubmodelPoints(ed); });  // sets, never toggles
    EXPECT_EQ(M().NumMarkedPoints, 2);
    Do([&] { return MarkSubmodelPolygons(ed); });
    EXPECT_EQ(M().PolygonMarked[1], 1);
    EXPECT_EQ(M().NumMarkedPolygons, 1);
    Do([&] { return UnmarkSubmodelPolygons(ed); });
    Do([&] { return UnmarkSubmodelPoints(ed); });
    EXPECT_EQ(M().NumMarkedPoints + M().NumMarkedPolygons, 0);
}

}  // namespace fw
