#include <gtest/gtest.h>

#include "views/ViewState.h"

namespace fw {
namespace {

TEST(ViewProjection, AxisPairsAndInverse) {
    PointRecord p{1, 2, 3};
    ViewState views;
    EXPECT_EQ(ProjectPoint(views, VIEW_XY, p), (ViewPos{1, -2}));
    EXPECT_EQ(ProjectPoint(views, VIEW_XZ, p), (ViewPos{1, -3}));
    EXPECT_EQ(ProjectPoint(views, VIEW_ZY, p), (ViewPos{3, -2}));
    // The plane position is the model position along the view's two axes.
    EXPECT_EQ(ProjectToPlane(views, VIEW_ZY, p), (PlanePos{3, 2}));

    // Pixels: column i, row j of a W x H surface.
    ViewWindow w{-2, -1, 4, 2};
    ViewPos v = PixelToView(w, 200, 100, 50, 75);
    EXPECT_EQ(v, (ViewPos{-1, 0.5}));
    double i = 0, j = 0;
    ViewToPixel(w, 200, 100, v, i, j);
    EXPECT_DOUBLE_EQ(i, 50);
    EXPECT_DOUBLE_EQ(j, 75);

    // Iso: VAngle 90 looks down on +Z, HAngle 90 turns it right.
    EXPECT_NEAR(IsoProject({0, 0, 1}, 0, 90).y, -1, 1e-9);
    views.HAngle = 90;
    views.VAngle = 0;
    EXPECT_NEAR(ProjectPoint(views, VIEW_ISO, {0, 0, 1}).x, 1, 1e-9);
}

TEST(ViewWindowOps, ZoomKeepsCentreAndStopsAtLimits) {
    ViewState views;
    views.Views[0].Window = {0, 0, 2, 1};
    EXPECT_TRUE(views.ZoomIn(VIEW_XY));
    const ViewWindow& w = views.Views[0].Window;
    EXPECT_NEAR(w.left + w.width / 2, 1, 1e-12);

    while (views.ZoomIn(VIEW_XY)) {
    }
    EXPECT_GT(w.width * 1.2, 0.1);  // stops at the first step at or below 0.1
    EXPECT_LE(w.width, 0.1);
    while (views.ZoomOut(VIEW_XY)) {
    }
    EXPECT_GE(w.height, 100);
    EXPECT_LT(w.height / 1.2, 100);
}

TEST(ViewWindowOps, PanStopsAtLimits) {
    ViewState views;
    ViewWindow& w = views.Views[0].Window;
    w = {-100, 100, 2, 2};
    EXPECT_FALSE(views.PanLeft(VIEW_XY) || views.PanDown(VIEW_XY));
    EXPECT_TRUE(views.PanRight(VIEW_XY));
    w = {100, -100, 2, 2};
    EXPECT_FALSE(views.PanRight(VIEW_XY) || views.PanUp(VIEW_XY));
}

TEST(ViewWindowOps, GridAndSnapStepsStayInTheirTables) {
    ViewState views;
    views.SetGridIndex(VIEW_XZ, 0);
    EXPECT_FALSE(views.StepGrid(VIEW_XZ, -1));
    EXPECT_FLOAT_EQ(views.Views[1].GridSpacing(), 0.0f);
    views.SetSnapIndex(VIEW_ZY, 9);
    EXPECT_FALSE(views.StepSnap(VIEW_ZY, 1));
    EXPECT_TRUE(views.StepSnap(VIEW_ZY, -1));
    EXPECT_FLOAT_EQ(views.Views[2].SnapStep(), 1.5f);
    views.SetGridIndex(VIEW_XY, 42);  // a bad setting is clamped, never an index past the table
    views.SetSnapIndex(VIEW_XY, -3);
    EXPECT_EQ(views.Views[0].GridIndex, 9);
    EXPECT_EQ(views.Views[0].SnapIndex, 0);
}

TEST(SnapToStep, NearestMultipleTiesUp) {
    const float cases[][3] = {
        {0.74f, 0.5f, 0.5f},  {0.75f, 0.5f, 1.0f}, {-0.75f, 0.5f, -0.5f},  // ties go up
        {-1.6f, 1.0f, -2.0f}, {3.3f, 0.0f, 3.3f},                          // step 0: no snapping
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(SnapToStep(c[0], c[1]), c[2]) << c[0];
}

}  // namespace
}  // namespace fw
