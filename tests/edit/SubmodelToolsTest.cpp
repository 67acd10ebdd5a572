#include "EditFixture.h"
#include "edit/SubmodelTools.h"

namespace fw {

using V = std::vector<int>;

using SubmodelTools = EditFixture;

TEST_F(SubmodelTools, PutMarkedPointsOnlyAssignsAndCurrentRenumbersSubmodels) {
    MakePoints(6);
    AddPolygon({0, 1, 2});
    MarkPoints({4, 5});
    Do([&] { return PutMarkedPointsInSubmodel(ed, 1); });
    EXPECT_EQ(First(M().PointSubmodel, 6), (V{0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(M().NumMarkedPoints, 2);

    M().NumSubmodels = 2;
    M().CurrentSubmodel = 0;
    Do([&] { return PutPointsInCurrentSubmodel(ed); });
    EXPECT_EQ(M().PointSubmodel[5], 0);
    EXPECT_EQ(M().NumSubmodels, 1);  // submodel 1 lost its last point
    EXPECT_EQ(M().NumMarkedPoints, 0);
}

TEST_F(SubmodelTools, NewSubmodelMovesItsPointsToTheEnd) {
    MakePoints(8);
    AddPolygon({4, 5, 6});
    AddPolygon({0, 1, 2});
    M().PointHidden[5] = 2;
    MarkPoints({4, 5, 6});
    Do([&] { return PutPointsInNewSubmodel(ed); });
    EXPECT_EQ(M().NumSubmodels, 2);
    EXPECT_EQ(First(M().PointSubmodel, 8), (V{0, 0, 0, 0, 0, 1, 1, 1}));
    EXPECT_EQ(M().Points[5].X, 4);
    EXPECT_EQ(M().Points[4].X, 7);
    EXPECT_EQ(First(M().PointHidden, 8), (V{0, 0, 0, 0, 0, 0, 2, 0}));  // follows old point 5
    EXPECT_EQ(CornersOf(0), (V{5, 6, 7}));
    EXPECT_EQ(CornersOf(1), (V{0, 1, 2}));
    EXPECT_EQ(M().Submodels[1].PointCount, 3);
    EXPECT_EQ(host.newCaption, "In a new submodel (2)");
}

TEST_F(SubmodelTools, SpreadPolygonIsReportedAndLeftMarked) {
    MakePoints(5);
    AddPolygon({0, 1, 2});
    AddPolygon({2, 3, 4});
    MarkPolygons({1});
    MarkPoints({1});
    Do([&] { return PutPointsInNewSubmodel(ed); });
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(First(M().PolygonMarked, 2), (V{1, 0}));
    EXPECT_EQ(M().NumMarkedPolygons, 1);
}

TEST_F(SubmodelTools, RefusalsAndCheckWithoutPolygons) {
    MakePoints(4);
    AddPolygon({0, 1, 2});
    M().NumSubmodels = 9;
    MarkPoints({3});
    Do([&] { return PutPointsInNewSubmodel(ed); });  // no room for a tenth
    EXPECT_EQ(M().NumSubmodels, 9);
    EXPECT_EQ(M().PointSubmodel[3], 0);

    // With no polygons the check only clears the status line.
    MakePoints(4);
    M().PointSubmodel[0] = 1;
    MarkPoints({2});
    ModelStore before = M();
    Do([&] { return CheckAndCompressCommand(ed); });
    EXPECT_TRUE(SameModelContent(before, M()));
    EXPECT_EQ(M().NumMarkedPoints, 1);
}

}  // namespace fw
