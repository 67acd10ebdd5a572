#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "edit/EditFixture.h"
#include "views/ViewWidget.h"

namespace fw {
namespace {

// A 300 x 300 view showing -1.5..1.5 in both directions: 100 pixels per model unit, the
// origin at pixel (150, 150).
class ViewInput : public EditFixture {
protected:
    ViewState views;
    std::unique_ptr<ViewWidget> widget;

    void Open(int view) {
        for (auto& v : views.Views) {
            v.Window = {-1.5, -1.5, 3, 3};
            v.LaidOut = true;
        }
        views.CurrentView = static_cast<int16_t>(view);
        widget = std::make_unique<ViewWidget>(ed, views, view);
        widget->resize(300, 300);
        widget->show();
    }
    static QPoint Px(double h, double v) {
        return QPoint(int(std::lround(150 + h * 100)), int(std::lround(150 - v * 100)));
    }
    void Click(Qt::MouseButton button, double h, double v, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(widget.get(), button, mods, Px(h, v));
    }
    void Key(int key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(widget.get(), Qt::Key(key), mods);
    }
    void Drag(Qt::MouseButton button, Qt::KeyboardModifiers mods, PlanePos from, PlanePos to) {
        QTest::mousePress(widget.get(), button, mods, Px(from.h, from.v));
        QTest::mouseMove(widget.get(), Px((from.h + to.h) / 2, (from.v + to.v) / 2));
        QTest::mouseMove(widget.get(), Px(to.h, to.v));
        QTest::mouseRelease(widget.get(), button, mods, Px(to.h, to.v));
    }
};

TEST_F(ViewInput, ClicksPickPointsAndPolygons) {
    MakePoints(4);  // x = 0..3, shown: 0 and 1
    AddPoint(0, 1, 0);
    AddPolygon({0, 1, 4});
    AddPolygon({1, 2, 3});
    Open(VIEW_XY);
    EXPECT_EQ(widget->objectName(), "XYViewBox");
    Click(Qt::LeftButton, 0.9, 0.1);
    EXPECT_EQ(M().CurrentPoint, 1);
    EXPECT_EQ(host.refreshes.back(), 1);
    Click(Qt::LeftButton, 0.05, 0.95);
    EXPECT_EQ(M().CurrentPoint, 4);
    Click(Qt::RightButton, 0.1, 0.5);  // polygon 0 is current and skipped; 1 is too far
    EXPECT_EQ(M().CurrentPolygon, 0);
    M().CurrentPolygon = 1;
    Click(Qt::RightButton, 0.1, 0.5);
    EXPECT_EQ(M().CurrentPolygon, 0);
    host.Clear();
    Click(Qt::MiddleButton, 1, 0);  // anything else only refreshes
    EXPECT_EQ(M().CurrentPoint, 4);
    EXPECT_EQ(host.refreshes, std::vector<int>{1});
}

TEST_F(ViewInput, ShiftDragMovesCurrentPointOnSnapGridAsOneUndoStep) {
    MakePoints(2);
    M().CurrentPoint = 1;
    Saved();
    Open(VIEW_XZ);
    views.SetSnapIndex(VIEW_XZ, 6);  // 0.5
    QSignalSpy positions(widget.get(), &ViewWidget::mouseModelPosition);
    Drag(Qt::LeftButton, Qt::ShiftModifier, {1, 0}, {0.3, 0.8});
    EXPECT_EQ(M().Points[1], (PointRecord{0.5, 0, 1.0}));  // h = X, v = Z
    EXPECT_EQ(widget->DragState(), ViewWidget::DragIdle);
    EXPECT_EQ(host.refreshes.back(), 2);
    EXPECT_TRUE(M().Modified);
    EXPECT_EQ(ed.History().UndoCount(), 1u);
    ASSERT_FALSE(positions.isEmpty());
    EXPECT_EQ(positions.last().at(0).toInt(), VIEW_XZ);
    EXPECT_NEAR(positions.last().at(2).toDouble(), 0.8, 0.01);

    // A second drag is a second undo step.
    Drag(Qt::LeftButton, Qt::ShiftModifier, {0.5, 1.0}, {-1, -1});
    EXPECT_EQ(M().Points[1], (PointRecord{-1, 0, -1}));
    EXPECT_EQ(ed.History().UndoCount(), 2u);
    ed.Undo();
    EXPECT_EQ(M().Points[1], (PointRecord{0.5, 0, 1.0}));

    // Shift-press away from the current point starts nothing.
    Drag(Qt::LeftButton, Qt::ShiftModifier, {0, 0}, {1, 1});
    EXPECT_EQ(M().Points[1], (PointRecord{0.5, 0, 1.0}));
    EXPECT_EQ(M().Points[0], (PointRecord{0, 0, 0}));
}

TEST_F(ViewInput, IsoDragSetsXAndYSnappedToWholeUnits) {
    MakePoints(2);
    M().CurrentPoint = 1;
    Open(VIEW_ISO);
    views.HAngle = 0;
    views.VAngle = 0;
    Drag(Qt::LeftButton, Qt::ShiftModifier, {1, 0}, {0.4, 1.3});
    EXPECT_EQ(M().Points[1], (PointRecord{0, 1, 0}));
}

TEST_F(ViewInput, CtrlBandsMarkPointsAndPolygons) {
    MakePoints(4);  // x = 0..3; the view shows up to 1.5
    AddPoint(-1, -1, 0);
    AddPoint(1, 1, 0);
    AddPolygon({0, 1, 5});
    AddPolygon({0, 4, 1});
    M().PointHidden[1] = 2;
    Open(VIEW_XY);
    // Bottom right to top left, taking points 0 and 5; hidden 1 stays unmarked.
    Drag(Qt::LeftButton, Qt::ControlModifier, {1.2, -0.2}, {-0.2, 1.2});
    EXPECT_EQ(M().PointMarked[0], 1);
    EXPECT_EQ(M().PointMarked[1], 0);
    EXPECT_EQ(M().PointMarked[5], 1);
    EXPECT_EQ(M().PointMarked[4], 0);
    EXPECT_EQ(M().NumMarkedPoints, 2);
    EXPECT_EQ(widget->DragState(), ViewWidget::DragIdle);

    Drag(Qt::RightButton, Qt::ControlModifier, {0, 0}, {1, 1});
    EXPECT_EQ(M().PolygonMarked[0], 1);  // centroid (0.67, 0.33)
    EXPECT_EQ(M().PolygonMarked[1], 0);  // centroid (0, -0.33)
    EXPECT_EQ(M().NumMarkedPolygons, 1);
    EXPECT_FALSE(widget->grab().isNull());
}

TEST_F(ViewInput, ViewKeysChangeTheWindow) {
    Open(VIEW_XY);
    QSignalSpy changed(widget.get(), &ViewWidget::viewStateChanged);
    const ViewWindow& w = views.Views[VIEW_XY].Window;
    for (int key : {Qt::Key_PageUp, Qt::Key_A}) Key(key);
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, 2);
    for (int key : {Qt::Key_PageDown, Qt::Key_Y, Qt::Key_Z}) Key(key);
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, -1);
    Key(Qt::Key_PageUp, Qt::ShiftModifier);  // zoom needs no modifier
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, -1);
    EXPECT_EQ(changed.count(), 5);
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_NEAR(w.left, -1.5 * 1.2 - 0.2, 1e-6);
    EXPECT_NEAR(w.top, -1.5 * 1.2 - 0.2, 1e-6);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_NEAR(w.left, -1.5 * 1.2 + 0.2, 1e-6);
    EXPECT_NEAR(w.top, -1.5 * 1.2, 1e-6);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_NEAR(w.left, -w.width / 2, 1e-12);
    EXPECT_NEAR(w.top, -w.height / 2, 1e-12);

    Key(Qt::Key_BracketLeft);
    EXPECT_EQ(views.Views[VIEW_XY].SnapIndex, 3);
    Key(Qt::Key_BracketRight);
    Key(Qt::Key_BracketRight);
    EXPECT_EQ(views.Views[VIEW_XY].SnapIndex, 5);
    Key(Qt::Key_BraceLeft, Qt::ShiftModifier);
    EXPECT_EQ(views.Views[VIEW_XY].GridIndex, 5);
    Key(Qt::Key_BracketRight, Qt::ShiftModifier);
    EXPECT_EQ(views.Views[VIEW_XY].GridIndex, 6);
    EXPECT_EQ(views.Views[VIEW_XZ].GridIndex, 6);
}

TEST_F(ViewInput, KeypadMovesMarkedPointsAlongViewAxes) {
    MakePoints(3);
    MarkPoints({1, 2});
    ed.MoveRate = 0.1;
    Saved();
    Open(VIEW_XZ);
    Key(Qt::Key_6, Qt::KeypadModifier);
    Key(Qt::Key_6, Qt::KeypadModifier);
    EXPECT_NEAR(M().Points[1].X, 1.2, 1e-9);
    EXPECT_EQ(ed.History().UndoCount(), 1u);  // a run of one key is one undo step
    Key(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_NEAR(M().Points[1].X, 1.1, 1e-9);
    EXPECT_EQ(ed.History().UndoCount(), 2u);
    // Shift+keypad 8 arrives as an arrow: five steps along the vertical axis, Z here.
    Key(Qt::Key_Up, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_NEAR(M().Points[2].Z, 0.5, 1e-9);
    Key(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_NEAR(M().Points[2].Z, 0.4, 1e-9);
    Key(Qt::Key_Plus, Qt::KeypadModifier);  // depth: Y
    Key(Qt::Key_Minus, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_NEAR(M().Points[2].Y, -0.4, 1e-9);
    EXPECT_EQ(M().Points[0], (PointRecord{0, 0, 0}));  // unmarked
    EXPECT_TRUE(M().Modified);

    // Under PmoveMode every view moves along X, Y, Z.
    views.PmoveMode = true;
    Key(Qt::Key_8, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_NEAR(M().Points[2].Y, 0.1, 1e-9);
    // A keypad arrow without Shift is Num Lock off: it pans.
    double left = views.Views[VIEW_XZ].Window.left;
    Key(Qt::Key_Left, Qt::KeypadModifier);
    EXPECT_NEAR(views.Views[VIEW_XZ].Window.left, left - 0.2, 1e-6);
}

TEST_F(ViewInput, SelectionKeysStepCornersPointsAndPolygons) {
    MakePoints(5);
    AddPolygon({2, 3, 4});
    AddPolygon({0, 1});
    Open(VIEW_XY);
    M().CurrentPolygon = 0;
    ed.CurrentCorner = 0;
    std::vector<int> corners, points;
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_I);
        corners.push_back(ed.CurrentCorner);
        points.push_back(M().CurrentPoint);
    }
    EXPECT_EQ(corners, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(points, (std::vector<int>{3, 4, 2, 3}));
    Key(Qt::Key_I, Qt::ShiftModifier);
    Key(Qt::Key_I, Qt::ShiftModifier);
    EXPECT_EQ(ed.CurrentCorner, 2);
    EXPECT_EQ(M().CurrentPoint, 4);

    Key(Qt::Key_U);
    EXPECT_EQ(M().CurrentPoint, 0);
    Key(Qt::Key_U, Qt::ShiftModifier);
    EXPECT_EQ(M().CurrentPoint, 4);

    // L keeps the corner when the new polygon has it, else goes to corner 0.
    Key(Qt::Key_L);  // to polygon 1, corner 2 is beyond its last corner
    EXPECT_EQ(M().CurrentPolygon, 1);
    EXPECT_EQ(ed.CurrentCorner, 0);
    EXPECT_EQ(M().CurrentPoint, 0);
    Key(Qt::Key_I);
    Key(Qt::Key_L, Qt::ShiftModifier);
    EXPECT_EQ(M().CurrentPolygon, 0);
    EXPECT_EQ(M().CurrentPoint, 3);

    // K leaves the point and corner alone.
    Key(Qt::Key_K, Qt::ShiftModifier);
    EXPECT_EQ(M().CurrentPolygon, 1);
    Key(Qt::Key_K);
    EXPECT_EQ(M().CurrentPolygon, 0);
    EXPECT_EQ(M().CurrentPoint, 3);
    EXPECT_EQ(ed.CurrentCorner, 1);
    EXPECT_EQ(host.refreshes.back(), 1);

    // Without polygons the polygon keys do nothing.
    M().NumPolygons = 0;
    Key(Qt::Key_K);
    Key(Qt::Key_L);
    Key(Qt::Key_I);
    EXPECT_EQ(M().CurrentPolygon, 0);
    EXPECT_EQ(M().CurrentPoint, 3);
}

TEST_F(ViewInput, MarkingKeysReachTheirCommands) {
    MakePoints(4);
    AddPolygon({0, 1, 2});
    AddPolygon({1, 2, 3});
    Saved();
    Open(VIEW_ZY);
    M().CurrentPoint = 3;
    Key(Qt::Key_Space);
    EXPECT_EQ(M().PointMarked[3], 1);
    Key(Qt::Key_V);
    EXPECT_EQ(M().PointMarked[3], 0);
    Key(Qt::Key_V, Qt::ShiftModifier);  // all points
    EXPECT_EQ(M().NumMarkedPoints, 4);
    Key(Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(M().NumMarkedPoints, 0);
    Key(Qt::Key_V, Qt::ControlModifier);  // the current polygon's points
    EXPECT_EQ(M().NumMarkedPoints, 3);
    EXPECT_EQ(M().PointMarked[3], 0);

    Key(Qt::Key_N);
    EXPECT_EQ(M().PolygonMarked[0], 1);
    Key(Qt::Key_N, Qt::ShiftModifier);  // one was marked: unmark all
    EXPECT_EQ(M().NumMarkedPolygons, 0);
    Key(Qt::Key_N, Qt::ControlModifier);  // the current point's polygons
    EXPECT_EQ(M().PolygonMarked[1], 1);
    EXPECT_EQ(M().PolygonMarked[0], 0);
    // The marked polygon's points 1, 2, 3 hold marks, so the group is unmarked; 0 stays.
    Key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(M().NumMarkedPoints, 1);
    EXPECT_EQ(M().PointMarked[0], 1);
    Key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);  // marked points' polygons
    EXPECT_EQ(M().NumMarkedPolygons, 2);
    EXPECT_FALSE(M().Modified);
}

TEST_F(ViewInput, InsertAndDeleteKeysAreUndoSteps) {
    MakePoints(3);
    Saved();
    Open(VIEW_XY);
    Key(Qt::Key_Insert);
    EXPECT_EQ(M().NumPoints, 4);
    EXPECT_EQ(ed.History().UndoName(), "Insert Point");
    MarkPoints({0, 1, 2});
    M().PointMarked[3] = 0;
    CountMarkedPoints(M());
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(M().NumPolygons, 1);
    EXPECT_EQ(ed.History().UndoName(), "Insert Polygon");
    MarkPolygons({0});
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(M().NumPolygons, 0);
    EXPECT_EQ(ed.History().UndoName(), "Delete Polygons");
    MarkPoints({3});
    Key(Qt::Key_Delete);
    EXPECT_LT(M().NumPoints, 4);
    EXPECT_EQ(ed.History().UndoName(), "Delete Points");
    EXPECT_EQ(ed.History().UndoCount(), 4u);
    EXPECT_TRUE(M().Modified);
}

TEST_F(ViewInput, IsoKeysTurnZoomAndMark) {
    MakePoints(2);
    Open(VIEW_ISO);
    views.HAngle = 30;
    views.VAngle = 0;
    QSignalSpy changed(widget.get(), &ViewWidget::viewStateChanged);
    for (int i = 0; i < 12; ++i) Key(Qt::Key_Right);
    EXPECT_EQ(views.HAngle, 330);
    Key(Qt::Key_Left);
    EXPECT_EQ(views.HAngle, 335);
    Key(Qt::Key_Up);
    EXPECT_EQ(views.VAngle, 355);
    Key(Qt::Key_Down);
    EXPECT_EQ(views.VAngle, 0);
    EXPECT_EQ(changed.count(), 15);
    Key(Qt::Key_A);
    EXPECT_EQ(views.Views[VIEW_ISO].ZoomLevel, 1);
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, 0);
    views.Views[VIEW_ISO].Window.left = 4;
    Key(Qt::Key_Home);
    EXPECT_NEAR(views.Views[VIEW_ISO].Window.left, -views.Views[VIEW_ISO].Window.width / 2, 1e-12);
    Key(Qt::Key_Space);
    EXPECT_EQ(M().PointMarked[0], 1);
    Key(Qt::Key_BracketLeft);  // not an iso key
    Key(Qt::Key_U);
    EXPECT_EQ(views.Views[VIEW_ISO].SnapIndex, 4);
    EXPECT_EQ(M().CurrentPoint, 0);
    Key(Qt::Key_Insert);
    EXPECT_EQ(M().NumPoints, 3);
}

TEST_F(ViewInput, ViewButtonsActOnTheCurrentView) {
    Open(VIEW_XY);
    views.HAngle = 160;
    widget->ViewButton(0);  // Zoom In on XY
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, 1);
    widget->ViewButton(2);  // "Shift Display Right": the window moves left
    EXPECT_NEAR(views.Views[VIEW_XY].Window.left, -1.5 / 1.2 - 0.2, 1e-6);
    widget->ViewButton(11);  // rotation always turns the iso view
    EXPECT_EQ(views.HAngle, 165);
    views.CurrentView = VIEW_ISO;
    widget->ViewButton(0);
    widget->ViewButton(1);
    widget->ViewButton(1);
    EXPECT_EQ(views.Views[VIEW_ISO].ZoomLevel, -1);
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, 1);
    widget->ViewButton(14);
    EXPECT_EQ(views.VAngle, 35);
    views.Views[VIEW_ISO].Window.left = -100;
    widget->ViewButton(2);  // refused at the pan limit
    EXPECT_EQ(views.Views[VIEW_ISO].Window.left, -100);
    widget->ViewButton(8);  // no action
}

TEST_F(ViewInput, FocusMakesTheViewCurrent) {
    Open(VIEW_XY);
    ViewWidget other(ed, views, VIEW_ZY);
    other.resize(300, 300);
    other.show();
    QSignalSpy focused(&other, &ViewWidget::focused);
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&other, &in);
    EXPECT_EQ(views.CurrentView, VIEW_ZY);
    ASSERT_EQ(focused.count(), 1);
    EXPECT_EQ(focused.first().at(0).toInt(), VIEW_ZY);
    // Mouse positions are reported by the current view only.
    QSignalSpy positions(widget.get(), &ViewWidget::mouseModelPosition);
    QTest::mouseMove(widget.get(), Px(1, 1));
    EXPECT_TRUE(positions.isEmpty());
}

}  // namespace
}  // namespace fw
