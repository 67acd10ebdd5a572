#include "EditFixture.h"
#include "edit/SubmodelTools.h"

namespace fw {

class SubmodelTools : public EditFixture {};

TEST_F(SubmodelTools, PutMarkedPointsOnlyAssigns) {
    MakePoints(4);
    MarkPoints({1, 3});
    PutMarkedPointsInSubmodel(ed, 2);
    EXPECT_EQ(M().PointSubmodel[1], 2);
    EXPECT_EQ(M().PointSubmodel[3], 2);
    EXPECT_EQ(M().PointSubmodel[2], 0);
    EXPECT_EQ(M().NumMarkedPoints, 2);
    EXPECT_EQ(host.LastStatus(), "Marked points put into submodel 2.");
    EXPECT_TRUE(host.refreshes.empty());
}

TEST_F(SubmodelTools, NewSubmodelMovesItsPointsToTheEnd) {
    MakePoints(8);
    AddPolygon({4, 5, 6});
    AddPolygon({0, 1, 2});
    M().PointHidden[5] = 2;
    MarkPoints({4, 5, 6});
    ed.RefreshAfterEdit(0);
    EXPECT_EQ(host.newCaption, "In a new submodel (1)");

    PutPointsInNewSubmodel(ed);
    EXPECT_EQ(M().NumSubmodels, 2);
    EXPECT_EQ(M().NumPoints, 8);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(M().PointSubmodel[i], 0);
    for (int i = 5; i < 8; ++i) EXPECT_EQ(M().PointSubmodel[i], 1);
    EXPECT_EQ(M().Points[5].X, 4);
    EXPECT_EQ(M().Points[7].X, 6);
    EXPECT_EQ(M().Points[4].X, 7);
    EXPECT_EQ(M().PointHidden[6], 2);  // hidden flag travels with old point 5
    EXPECT_EQ(M().PointHidden[5], 0);
    EXPECT_EQ(CornersOf(0), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(CornersOf(1), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(M().NumMarkedPoints, 0);
    EXPECT_EQ(M().PointMarked[4], 0);
    EXPECT_EQ(M().Submodels[1].PointCount, 3);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.LastStatus(), "Rearranged, compressed, and checked points of submodels.");
    EXPECT_EQ(host.LastKind(), 1);
    EXPECT_EQ(host.newCaption, "In a new submodel (2)");
}

TEST_F(SubmodelTools, SpreadTriangleIsReportedAndLeftMarked) {
    MakePoints(5);
    AddPolygon({0, 1, 2});
    AddPolygon({2, 3, 4});
    MarkPolygons({1});
    MarkPoints({1});
    M().CurrentSubmodel = 0;
    PutPointsInNewSubmodel(ed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Submodel Checker");
    EXPECT_EQ(host.messages[0].text,
              "WARNING!  1 polygon(s) are spread across one or more submodels");
    EXPECT_EQ(M().PolygonMarked[0], 1);
    EXPECT_EQ(M().PolygonMarked[1], 0);
    EXPECT_EQ(M().NumMarkedPolygons, 1);
    EXPECT_EQ(M().NumSubmodels, 2);
    EXPECT_EQ(host.LastStatus(), "Rearranged, compressed, and checked points of submodels.");
}

TEST_F(SubmodelTools, PutInCurrentSubmodelRenumbersSubmodelsConsistently) {
    MakePoints(6);
    M().PointSubmodel[4] = M().PointSubmodel[5] = 1;
    M().NumSubmodels = 2;
    AddPolygon({0, 1, 2});
    MarkPoints({4, 5});
    M().CurrentSubmodel = 0;
    PutPointsInCurrentSubmodel(ed);
    EXPECT_EQ(M().PointSubmodel[5], 0);
    EXPECT_EQ(M().NumSubmodels, 1);  // submodel 1 lost its last point
    EXPECT_EQ(M().NumMarkedPoints, 0);
}

TEST_F(SubmodelTools, RefusalsOfANewSubmodel) {
    MakePoints(4);
    AddPolygon({0, 1, 2});
    PutPointsInNewSubmodel(ed);
    EXPECT_EQ(host.LastStatus(), "No points marked.");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(M().NumSubmodels, 1);

    M().NumSubmodels = 9;
    MarkPoints({3});
    PutPointsInNewSubmodel(ed);
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(M().NumSubmodels, 9);
    EXPECT_EQ(M().PointSubmodel[3], 0);
}

TEST_F(SubmodelTools, CheckWithoutPolygonsOnlyClearsTheStatusLine) {
    MakePoints(4);
    M().PointSubmodel[0] = 1;
    MarkPoints({2});
    ModelStore before = M();
    CheckAndCompressCommand(ed);
    ASSERT_EQ(host.statuses.size(), 1u);
    EXPECT_EQ(host.LastStatus(), "");
    EXPECT_TRUE(SameModelContent(before, M()));
    EXPECT_EQ(M().NumMarkedPoints, 1);
    EXPECT_TRUE(host.refreshes.empty());
}

}  // namespace fw
