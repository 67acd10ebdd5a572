#include "EditFixture.h"
#include "edit/Marking.h"

namespace fw {

class Marking : public EditFixture {};

TEST_F(Marking, CurrentPolygonPointsBecomeUniformAndMessageNamesTheNewState) {
    MakePoints(8);
    AddPolygon({3, 4, 5});
    MarkPoints({4});
    MarkCurrentPolygonPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Unmarked current polygon's points");
    EXPECT_EQ(host.LastKind(), 1);
    EXPECT_EQ(M().NumMarkedPoints, 0);
    EXPECT_EQ(host.refreshes.back(), 1);

    MarkCurrentPolygonPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Marked current polygon's points");
    EXPECT_EQ(M().NumMarkedPoints, 3);
    EXPECT_TRUE(M().PointMarked[3] && M().PointMarked[4] && M().PointMarked[5]);
}

TEST_F(Marking, CurrentPolygonCommandsWithNoPolygonsOnlyReport) {
    MakePoints(4);
    // A stale record from an earlier deletion must not be read.
    M().Polygons[0].CornerCount = 3;
    M().Polygons[0].Corners = {0, 1, 2};
    MarkCurrentPolygonPoints(ed);
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(M().NumMarkedPoints, 0);
    ToggleCurrentPolygonMark(ed);
    EXPECT_EQ(M().PolygonMarked[0], 0);
    EXPECT_EQ(M().NumMarkedPolygons, 0);
    EXPECT_TRUE(host.refreshes.empty());
}

TEST_F(Marking, MarkedPolygonsPoints) {
    MakePoints(6);
    AddPolygon({0, 1, 2});
    AddPolygon({3, 4, 5});
    MarkPoints({0});
    MarkMarkedPolygonsPoints(ed);
    EXPECT_EQ(host.LastStatus(), "No marked polygons.");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(M().NumMarkedPoints, 1);
    M().PointMarked[0] = 0;
    CountMarkedPoints(M());
    MarkPolygons({1});
    MarkMarkedPolygonsPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Marked marked-polygons' points");
    EXPECT_EQ(M().NumMarkedPoints, 3);
    EXPECT_FALSE(M().PointMarked[0]);
    MarkMarkedPolygonsPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Unmarked marked-polygons' points");
    EXPECT_EQ(M().NumMarkedPoints, 0);
}

TEST_F(Marking, AllCommandsFlipOnTheCounter) {
    MakePoints(5);
    AddPolygon({0, 1, 2});
    AddPolygon({2, 3, 4});
    MarkPoints({2});
    MarkAllPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Unmarked all points");
    EXPECT_EQ(M().NumMarkedPoints, 0);
    EXPECT_EQ(M().PointMarked[2], 0);
    MarkAllPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Marked all points");
    EXPECT_EQ(M().NumMarkedPoints, 5);

    MarkAllPolygons(ed);
    EXPECT_EQ(host.LastStatus(), "Marked all polygons");
    EXPECT_EQ(M().NumMarkedPolygons, 2);
    MarkAllPolygons(ed);
    EXPECT_EQ(host.LastStatus(), "Unmarked all polygons");
    EXPECT_EQ(M().PolygonMarked[1], 0);
}

TEST_F(Marking, PointPolygonsToggleSets) {
    MakePoints(6);
    AddPolygon({0, 1, 2});
    AddPolygon({2, 3, 4});
    AddPolygon({3, 4, 5});
    M().CurrentPoint = 2;
    MarkCurrentPointPolygons(ed);
    EXPECT_EQ(host.LastStatus(), "Marked current point's polygons");
    EXPECT_EQ(M().NumMarkedPolygons, 2);
    EXPECT_EQ(M().PolygonMarked[2], 0);
    MarkCurrentPointPolygons(ed);
    EXPECT_EQ(host.LastStatus(), "Unmarked current point's polygons");
    EXPECT_EQ(M().NumMarkedPolygons, 0);

    // No marked points: nothing changes, and the message takes the "M" form.
    MarkMarkedPointsPolygons(ed);
    EXPECT_EQ(host.LastStatus(), "Marked marked-points' polygons");
    EXPECT_EQ(M().NumMarkedPolygons, 0);

    MarkPoints({5});
    MarkPolygons({0});
    MarkMarkedPointsPolygons(ed);  // polygon 0 is marked but has no marked corner
    EXPECT_EQ(host.LastStatus(), "Marked marked-points' polygons");
    EXPECT_EQ(M().NumMarkedPolygons, 2);
    MarkMarkedPointsPolygons(ed);
    EXPECT_EQ(host.LastStatus(), "Unmarked marked-points' polygons");
    EXPECT_EQ(M().PolygonMarked[2], 0);
    EXPECT_EQ(M().PolygonMarked[0], 1);
}

TEST_F(Marking, TogglesFlipOnlyTheCurrentItem) {
    MakePoints(3);
    AddPolygon({0, 1, 2});
    M().CurrentPoint = 1;
    ToggleCurrentPointMark(ed);
    EXPECT_EQ(M().PointMarked[1], 1);
    EXPECT_EQ(M().NumMarkedPoints, 1);
    ToggleCurrentPointMark(ed);
    EXPECT_EQ(M().NumMarkedPoints, 0);
    ToggleCurrentPolygonMark(ed);
    EXPECT_EQ(M().NumMarkedPolygons, 1);
    EXPECT_TRUE(host.statuses.empty());
}

TEST_F(Marking, SubmodelCommandsSetOrClearAndCountPolygonsByAnyCorner) {
    MakePoints(6);
    M().PointSubmodel[4] = M().PointSubmodel[5] = 1;
    M().NumSubmodels = 2;
    AddPolygon({0, 1, 2});
    AddPolygon({3, 4, 5});  // first corner in submodel 0, others in 1
    M().CurrentSubmodel = 1;
    M().PointMarked[4] = 1;
    MarkSubmodelPoints(ed);
    EXPECT_EQ(host.statuses.front().text, "");
    EXPECT_EQ(M().NumMarkedPoints, 2);
    MarkSubmodelPoints(ed);  // sets, never toggles
    EXPECT_EQ(M().NumMarkedPoints, 2);
    MarkSubmodelPolygons(ed);
    EXPECT_EQ(M().PolygonMarked[1], 1);
    EXPECT_EQ(M().PolygonMarked[0], 0);
    EXPECT_EQ(M().NumMarkedPolygons, 1);
    UnmarkSubmodelPolygons(ed);
    EXPECT_EQ(M().NumMarkedPolygons, 0);
    UnmarkSubmodelPoints(ed);
    EXPECT_EQ(M().NumMarkedPoints, 0);
}

TEST_F(Marking, UnmarkAll) {
    MakePoints(4);
    AddPolygon({0, 1, 2});
    UnmarkAllPoints(ed);
    EXPECT_EQ(host.LastStatus(), "No marked points.");
    EXPECT_EQ(host.LastKind(), -1);
    UnmarkAllPolygons(ed);
    EXPECT_EQ(host.LastStatus(), "No marked polygons.");
    EXPECT_TRUE(host.refreshes.empty());

    MarkPoints({1, 3});
    MarkPolygons({0});
    UnmarkAllPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Unmarked all points");
    EXPECT_EQ(M().NumMarkedPoints, 0);
    EXPECT_EQ(M().PointMarked[3], 0);
    UnmarkAllPolygons(ed);
    EXPECT_EQ(host.LastStatus(), "Unmarked all polygons");
    EXPECT_EQ(M().PolygonMarked[0], 0);
}

TEST_F(Marking, MarkingMakesNoUndoStepAndLeavesModifiedAlone) {
    MakePoints(3);
    Saved();
    ed.Run("Mark", [&] { MarkAllPoints(ed); });
    EXPECT_FALSE(M().Modified);
    EXPECT_FALSE(ed.Undo());
}

}  // namespace fw
