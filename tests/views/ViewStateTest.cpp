#include <gtest/gtest.h>

#include <cmath>

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

TEST(ViewWindowOps, ZoomKeepsCentreOrAnchorAndStopsAtLimits) {
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

    // The wheel zooms about the mouse: the point under it stays put.
    ViewWindow& z = views.Views[VIEW_ZY].Window;
    z = {-2, -1, 4, 3};
    ViewPos anchor{1, 0.5};  // three quarters across, half down
    ASSERT_TRUE(views.ZoomInAt(VIEW_ZY, anchor));
    EXPECT_NEAR((anchor.x - z.left) / z.width, 0.75, 1e-12);
    EXPECT_NEAR((anchor.y - z.top) / z.height, 0.5, 1e-12);
    EXPECT_NEAR(z.width, 4 / 1.2, 1e-6);
    ASSERT_TRUE(views.ZoomOutAt(VIEW_ZY, anchor));
    EXPECT_EQ(views.Views[VIEW_ZY].ZoomLevel, 0);
    EXPECT_NEAR(z.left, -2, 1e-6);

    z = {0, 0, 0.1, 0.1};  // the limits of ZoomIn and ZoomOut
    EXPECT_FALSE(views.ZoomInAt(VIEW_ZY, anchor));
    z = {0, 0, 100, 100};
    EXPECT_FALSE(views.ZoomOutAt(VIEW_ZY, anchor));
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

// Pixels per view unit across less those down: 0 when the picture keeps its proportions.
double ScaleMismatch(const ViewSettings& s) {
    return s.SurfaceWidth / s.Window.width - s.SurfaceHeight / s.Window.height;
}
ViewPos Centre(const ViewWindow& w) {
    return {w.left + w.width / 2, w.top + w.height / 2};
}

TEST(ViewProportions, ResizedSurfacesKeepCentreHeightAndOneScale) {
    ViewState views;
    views.SetSurface(VIEW_XZ, 400, 300);  // before any window: only remembered
    views.InitAllWindows(600, 450);       // 9 x 6.75 units at 1000 twips a unit
    for (int v = 0; v < VIEW_COUNT; ++v) {
        EXPECT_DOUBLE_EQ(views.Views[v].Window.height, 6.75) << v;
        EXPECT_DOUBLE_EQ(views.Views[v].BaseHeight, 6.75) << v;
    }
    EXPECT_DOUBLE_EQ(views.Views[VIEW_XZ].Window.width, 9.0);  // 4:3 like its surface

    views.PanRight(VIEW_XZ);
    ViewPos centre = Centre(views.Views[VIEW_XZ].Window);
    for (auto [w, h] : {std::pair{900, 300}, {200, 500}, {961, 541}}) {
        views.SetSurface(VIEW_XZ, w, h);
        const ViewSettings& s = views.Views[VIEW_XZ];
        EXPECT_NEAR(ScaleMismatch(s), 0, 1e-9) << w << "x" << h;
        EXPECT_DOUBLE_EQ(s.Window.height, 6.75);
        EXPECT_NEAR(Centre(s.Window).x, centre.x, 1e-12);
        EXPECT_NEAR(Centre(s.Window).y, centre.y, 1e-12);
    }

    // Stretching views keep their window: the picture takes the surface's proportions.
    views.StretchViews = true;
    ViewWindow before = views.Views[VIEW_XZ].Window;
    views.SetSurface(VIEW_XZ, 300, 900);
    EXPECT_EQ(views.Views[VIEW_XZ].Window, before);
}

// A model of points from (-3, -1, 0) to (5, 2, 4): the XY view sees 8 x 3 units.
ModelStore BoxModel() {
    ModelStore m;
    NewModel(m);
    m.NumPoints = 3;
    m.Points[0] = {-3, -1, 0};
    m.Points[1] = {5, 2, 4};
    m.Points[2] = {1, 0, 2};
    return m;
}

TEST(ViewFraming, LargestZoomStepThatShowsEveryPointWithAMargin) {
    ModelStore m = BoxModel();
    m.Points[3] = {40, 40, 40};  // hidden points are not framed while others are shown
    m.PointHidden[3] = 1;
    m.NumPoints = 4;
    ViewState views;
    views.SetSurface(VIEW_XY, 400, 300);
    views.InitAllWindows(400, 300);  // zoom level 0 shows 4.5 units of height
    ASSERT_TRUE(views.ZoomToFit(m, VIEW_XY));
    const ViewSettings& s = views.Views[VIEW_XY];
    const ViewWindow& w = s.Window;
    EXPECT_NEAR(ScaleMismatch(s), 0, 1e-9);
    EXPECT_NEAR(Centre(w).x, 1, 1e-12);
    EXPECT_NEAR(Centre(w).y, -0.5, 1e-12);
    // Every point inside with room to spare, and one step closer would cut some off.
    EXPECT_GT(w.width, 8.0);
    EXPECT_GT(w.height, 3.0);
    EXPECT_LT(std::min(w.width / 1.2 / 8.0, w.height / 1.2 / 3.0), 1.2);
    // The zoom level counts the steps from level 0, as ZoomIn and ZoomOut count them.
    EXPECT_LT(s.ZoomLevel, 0);
    EXPECT_NEAR(w.height, 4.5 * std::pow(1.2, -s.ZoomLevel), 1e-6);
    EXPECT_FALSE(views.ZoomToFit(m, VIEW_XY));  // already framed

    // The iso view frames its own picture of the model.
    views.HAngle = 90;
    views.VAngle = 0;  // Z across: 0..4
    ASSERT_TRUE(views.ZoomToFit(m, VIEW_ISO));
    EXPECT_NEAR(Centre(views.Views[VIEW_ISO].Window).x, 2, 1e-9);
}

TEST(ViewFraming, StaysWithinTheZoomLimits) {
    ModelStore m = BoxModel();
    ViewState views;
    views.InitAllWindows(400, 300);
    m.Points[1] = {900, 2, 0};  // too wide for the largest window
    views.ZoomToFit(m, VIEW_XY);
    EXPECT_GE(views.Views[VIEW_XY].Window.height, 100);
    EXPECT_LT(views.Views[VIEW_XY].Window.height / 1.2, 100);

    NewModel(m);  // a single point still gets a window a unit across, not the tightest zoom
    views.ZoomToFit(m, VIEW_XY);
    EXPECT_GE(views.Views[VIEW_XY].Window.height, 1.0);
    EXPECT_LT(views.Views[VIEW_XY].Window.height, 1.2);
    EXPECT_NEAR(Centre(views.Views[VIEW_XY].Window).x, 0, 1e-12);
}

TEST(ViewWindowOps, KeyAndDragPansStopAtTheLimitsWithoutPullingBack) {
    ViewState views;
    ViewWindow& w = views.Views[VIEW_XY].Window;
    w = {-100, 100, 2, 2};
    EXPECT_FALSE(views.PanLeft(VIEW_XY) || views.PanDown(VIEW_XY));
    EXPECT_TRUE(views.PanRight(VIEW_XY));
    w = {100, -100, 2, 2};
    EXPECT_FALSE(views.PanRight(VIEW_XY) || views.PanUp(VIEW_XY));

    w = {0, 0, 2, 2};
    ASSERT_TRUE(views.PanBy(VIEW_XY, -1.5, 2.5));
    EXPECT_EQ(w, (ViewWindow{-1.5, 2.5, 2, 2}));
    views.PanBy(VIEW_XY, -500, 500);
    EXPECT_EQ(w, (ViewWindow{-100, 100, 2, 2}));
    w.left = -100.2;  // where the pan keys may leave it
    EXPECT_FALSE(views.PanBy(VIEW_XY, -1, 0));
    EXPECT_TRUE(views.PanBy(VIEW_XY, 0.5, 0));
    EXPECT_DOUBLE_EQ(w.left, -99.7);
}

}  // namespace
}  // namespace fw
