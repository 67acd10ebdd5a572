#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <memory>

#include "edit/EditFixture.h"
#include "views/ViewKeys.h"
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
        for (auto& v : views.Views) v.Window = {-1.5, -1.5, 3, 3};
        views.CurrentView = static_cast<int16_t>(view);
        widget = std::make_unique<ViewWidget>(ed, views, view);
        widget->resize(300, 300);
        widget->show();
    }
    static QPoint Px(double h, double v) {
        return QPoint(int(std::lround(150 + h * 100)), int(std::lround(150 - v * 100)));
    }
    void Click(Qt::MouseButton button, double h, double v) {
        QTest::mouseClick(widget.get(), button, {}, Px(h, v));
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
    MakePoints(2);
    AddPoint(0, 1, 0);
    AddPolygon({0, 1, 2});
    AddPolygon({0, 1, 2});
    Open(VIEW_XY);
    Click(Qt::LeftButton, 0.9, 0.1);
    EXPECT_EQ(M().CurrentPoint, 1);
    Click(Qt::RightButton, 0.3, 0.3);  // the current polygon 0 is skipped
    EXPECT_EQ(M().CurrentPolygon, 1);
    host.Clear();
    Click(Qt::LeftButton, 5, 5);  // nothing there: nothing changes, nothing to refresh
    EXPECT_EQ(M().CurrentPoint, 1);
    EXPECT_TRUE(host.refreshes.empty());
}

TEST_F(ViewInput, ShiftDragMovesCurrentPointOnSnapGridAsOneUndoStep) {
    MakePoints(2);
    M().CurrentPoint = 1;
    Saved();
    Open(VIEW_XZ);
    views.SetSnapIndex(VIEW_XZ, 6);  // 0.5
    Drag(Qt::LeftButton, Qt::ShiftModifier, {1, 0}, {0.3, 0.8});
    EXPECT_EQ(M().Points[1], (PointRecord{0.5, 0, 1.0}));  // h = X, v = Z
    EXPECT_EQ(ed.History().UndoCount(), 1u);

    // Shift-press away from the current point starts nothing.
    Drag(Qt::LeftButton, Qt::ShiftModifier, {0, 0}, {1, 1});
    EXPECT_EQ(M().Points[0], (PointRecord{0, 0, 0}));
    EXPECT_EQ(ed.History().UndoCount(), 1u);
}

TEST_F(ViewInput, CtrlBandsMarkPointsAndPolygons) {
    MakePoints(3);  // x = 0..2; the view shows up to 1.5
    AddPoint(-1, -1, 0);
    AddPolygon({0, 1, 2});  // centroid (1, 0)
    AddPolygon({0, 3, 1});  // centroid (0, -0.33)
    Open(VIEW_XY);
    Drag(Qt::LeftButton, Qt::ControlModifier, {1.2, -0.2}, {-0.2, 1.2});  // either way round
    EXPECT_EQ(M().NumMarkedPoints, 2);
    Drag(Qt::RightButton, Qt::ControlModifier, {0.5, -0.5}, {1.2, 0.5});
    EXPECT_EQ(M().PolygonMarked[0], 1);
}

// Every view key, pressed on a fresh model: points x = 0..3, polygons {0, 1, 2} (current)
// and {2, 3}; windows 3 x 3 with left edge -1; iso angles 30 and 0.
TEST_F(ViewInput, EveryKeyReachesItsCommand) {
    // clang-format off
    enum What { Zoom, Left, Top, Snap, Grid, HAngle, VAngle, Selection, MarkedPoints,
                MarkedPolygons, Points, Polygons, X3, Y3, Z3, Undos };
    auto probe = [&](What what, int view) {
        const ViewSettings& v = views.Views[view];
        const PointRecord& p = M().Points[3];
        const double values[] = {
            double(v.ZoomLevel), v.Window.left, v.Window.top, double(v.SnapIndex),
            double(v.GridIndex), views.HAngle, views.VAngle,
            M().CurrentPolygon * 100. + ed.CurrentCorner * 10 + M().CurrentPoint,
            double(M().NumMarkedPoints), double(M().NumMarkedPolygons), double(M().NumPoints),
            double(M().NumPolygons), p.X, p.Y, p.Z, double(ed.History().UndoCount())};
        return values[what];
    };
    const Qt::KeyboardModifiers S = Qt::ShiftModifier, C = Qt::ControlModifier,
                                KP = Qt::KeypadModifier, SKP = S | KP;
    auto mark3 = [&] { MarkPoints({3}); };
    struct Row {
        int view, key;
        Qt::KeyboardModifiers mods;
        What what;
        double want;
        bool viewChanged;  // viewStateChanged() is sent
        std::function<void()> prep = {};
    };
    const int XZ = VIEW_XZ, ISO = VIEW_ISO;
    const Row rows[] = {
        {XZ, Qt::Key_PageUp, {}, Zoom, 1, true},
        {XZ, Qt::Key_PageDown, {}, Zoom, -1, true},
        {XZ, Qt::Key_Left, {}, Left, -1.2, true},
        {XZ, Qt::Key_Right, {}, Left, -0.8, true},
        {XZ, Qt::Key_Up, {}, Top, -1.7, true},
        {XZ, Qt::Key_Down, {}, Top, -1.3, true},
        {XZ, Qt::Key_Home, {}, Left, -1.5, true},
        {XZ, Qt::Key_BracketLeft, {}, Snap, 3, true},
        {XZ, Qt::Key_BracketRight, {}, Snap, 5, true},
        {XZ, Qt::Key_BraceLeft, S, Grid, 5, true},
        {XZ, Qt::Key_BracketRight, S, Grid, 7, true},
        {XZ, Qt::Key_I, {}, Selection, 11, false},
        {XZ, Qt::Key_I, S, Selection, 22, false},  // wraps to the last corner
        {XZ, Qt::Key_U, {}, Selection, 1, false},
        {XZ, Qt::Key_K, {}, Selection, 100, false},  // the point and corner stay
        {XZ, Qt::Key_L, S, Selection, 102, false, [&] { ed.CurrentCorner = 2; }},  // no corner 2
        {XZ, Qt::Key_V, {}, MarkedPoints, 1, false},
        {XZ, Qt::Key_V, S, MarkedPoints, 4, false},
        {XZ, Qt::Key_V, C, MarkedPoints, 3, false},
        {XZ, Qt::Key_V, C | S, MarkedPoints, 2, false, [&] { MarkPolygons({1}); }},
        {XZ, Qt::Key_N, {}, MarkedPolygons, 1, false},
        {XZ, Qt::Key_N, S, MarkedPolygons, 2, false},
        {XZ, Qt::Key_N, C, MarkedPolygons, 2, false, [&] { M().CurrentPoint = 2; }},
        {XZ, Qt::Key_N, C | S, MarkedPolygons, 1, false, mark3},
        {XZ, Qt::Key_Insert, {}, Points, 5, false},
        {XZ, Qt::Key_Insert, S, Polygons, 3, false, [&] { MarkPoints({0, 1, 3}); }},
        {XZ, Qt::Key_Delete, {}, Points, 4, false, [&] { MarkPoints({AddPoint(5, 0, 0)}); }},
        {XZ, Qt::Key_Delete, S, Polygons, 1, false, [&] { MarkPolygons({0}); }},
        // Keypad moves of the marked points along the view's axes (h X, v Z, depth Y here);
        // Shift makes five steps.
        {XZ, Qt::Key_6, KP, X3, 3.1, false, mark3},
        {XZ, Qt::Key_2, KP, Z3, -0.1, false, mark3},
        {XZ, Qt::Key_Plus, KP, Y3, 0.1, false, mark3},
        {XZ, Qt::Key_Minus, SKP, Y3, -0.5, false, mark3},
        {XZ, Qt::Key_6, KP, Undos, 1, false, [&] { mark3(), Key(Qt::Key_6, KP); }},  // merged
        {XZ, Qt::Key_8, SKP, Y3, 0.5, false, [&] { mark3(), views.PmoveMode = true; }},
        {ISO, Qt::Key_Right, {}, HAngle, 355, true, [&] { views.HAngle = 0; }},  // wraps
        {ISO, Qt::Key_Up, {}, VAngle, 355, true},
        {ISO, Qt::Key_Down, {}, VAngle, 5, true},
        {ISO, Qt::Key_BracketLeft, {}, Snap, 4, false},  // not iso keys
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "view " << row.view << " key " << std::hex << row.key
                                        << " mods " << int(row.mods));
        MakePoints(4);
        AddPolygon({0, 1, 2});
        AddPolygon({2, 3});
        M().CurrentPolygon = M().CurrentPoint = ed.CurrentCorner = 0;
        ed.MoveRate = 0.1;
        Saved();  // clears the undo history
        views = ViewState{};
        Open(row.view);
        for (auto& v : views.Views) v.Window.left = -1;
        views.HAngle = 30;
        views.VAngle = 0;
        if (row.prep) row.prep();
        QSignalSpy changed(widget.get(), &ViewWidget::viewStateChanged);
        Key(row.key, row.mods);
        EXPECT_NEAR(probe(row.what, row.view), row.want, 1e-6);
        EXPECT_EQ(changed.count(), row.viewChanged ? 1 : 0);
    }
}

TEST_F(ViewInput, ViewButtonsActOnTheCurrentView) {
    Open(VIEW_XY);
    views.HAngle = 160;
    ViewButton(ed, views, 0);  // Zoom In on XY
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, 1);
    ViewButton(ed, views, 2);  // "Shift Display Right": the window moves left
    EXPECT_NEAR(views.Views[VIEW_XY].Window.left, -1.5 / 1.2 - 0.2, 1e-6);
    ViewButton(ed, views, 11);  // rotation always turns the iso view
    EXPECT_EQ(views.HAngle, 165);
    views.CurrentView = VIEW_ISO;
    ViewButton(ed, views, 1);
    EXPECT_EQ(views.Views[VIEW_ISO].ZoomLevel, -1);
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, 1);
}

TEST_F(ViewInput, FocusMakesTheViewCurrent) {
    Open(VIEW_XY);
    ViewWidget other(ed, views, VIEW_ZY);
    other.show();
    QSignalSpy focused(&other, &ViewWidget::focused);
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&other, &in);
    EXPECT_EQ(views.CurrentView, VIEW_ZY);
    EXPECT_EQ(focused.count(), 1);
    // Mouse positions are reported by the current view only.
    QSignalSpy positions(widget.get(), &ViewWidget::mouseModelPosition);
    QTest::mouseMove(widget.get(), Px(1, 1));
    EXPECT_TRUE(positions.isEmpty());
}

TEST_F(ViewInput, WheelZoomsAboutTheMouseOneStepPerNotch) {
    Open(VIEW_XY);
    auto wheel = [&](PlanePos at, int delta) {
        QPointF pixel = Px(at.h, at.v);
        QWheelEvent event(pixel, widget->mapToGlobal(pixel), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget.get(), &event);
    };
    QSignalSpy changed(widget.get(), &ViewWidget::viewStateChanged);
    const PlanePos at{1, 0.5};
    wheel(at, 120);
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, 1);
    PlanePos stays = widget->PixelToPlane(Px(at.h, at.v));
    EXPECT_NEAR(stays.h, at.h, 1e-9);
    EXPECT_NEAR(stays.v, at.v, 1e-9);
    wheel(at, 60);  // half a notch waits for the other half
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, 1);
    wheel(at, 60);
    wheel(at, -360);
    EXPECT_EQ(views.Views[VIEW_XY].ZoomLevel, -1);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(ViewInput, MiddleDragPansWithTheMouse) {
    Open(VIEW_XY);
    Drag(Qt::MiddleButton, {}, {0, 0}, {0.5, 0.25});
    PlanePos origin = widget->PixelToPlane(Px(0.5, 0.25));  // the origin moved with the mouse
    EXPECT_NEAR(origin.h, 0, 1e-9);
    EXPECT_NEAR(origin.v, 0, 1e-9);
    QTest::mouseMove(widget.get(), Px(-1, -1));  // released: moving no longer pans
    EXPECT_NEAR(widget->PixelToPlane(Px(0.5, 0.25)).h, 0, 1e-9);
}

TEST_F(ViewInput, ResizingKeepsOneScaleAndZoomToFitFramesTheModel) {
    MakePoints(4);  // x = 0..3
    AddPoint(0, -2, 0);
    Open(VIEW_XY);
    widget->resize(600, 300);
    const ViewWindow& w = views.Views[VIEW_XY].Window;
    EXPECT_EQ(w, (ViewWindow{-3, -1.5, 6, 3}));

    QSignalSpy changed(widget.get(), &ViewWidget::viewStateChanged);
    Key(ZOOM_TO_FIT_KEY);
    EXPECT_EQ(changed.count(), 1);
    // The key framed this view at its new size: the button finds nothing left to do.
    EXPECT_FALSE(ViewButton(ed, views, ZOOM_TO_FIT_BUTTON).viewChanged);
}

}  // namespace
}  // namespace fw
