// The views inside the main window: one scale both ways through every change of size,
// framing, the splitters, the window's place on the screen and the right strip's labels.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QTest>

#include "MainWindowFixture.h"
#include "mainwindow/ViewArea.h"
#include "mainwindow/WindowPlacement.h"
#include "views/ViewWidget.h"

namespace fw {
namespace {

const std::string ROBOT = std::string(FW_SOURCE_DIR) + "/examples/robot.pol";

class ViewLayout : public MainWindowTest {
protected:
    ViewWidget* View(int v) { return window->Area()->View(v); }
    const ViewWindow& Win(int v) { return window->Views().Views[v].Window; }
    // Lets the pending layout, and the view work that waits for it, run.
    static void Settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    void Show(QSize size = {1100, 760}) {
        window->resize(size);
        window->show();
        Settle();
    }
    // A square on the model is a square on the screen.
    void ExpectOneScale(int v) {
        ViewWidget* w = View(v);
        EXPECT_NEAR(Win(v).width / w->width(), Win(v).height / w->height(), 1e-9)
            << v << ": " << w->width() << "x" << w->height();
    }
    ViewPos Centre(int v) {
        return {Win(v).left + Win(v).width / 2, Win(v).top + Win(v).height / 2};
    }
    // Every shown point of the model lies on the view's surface.
    void ExpectModelInside(int v) {
        const ModelStore& m = M();
        for (int i = 0; i < m.NumPoints; ++i) {
            if (m.PointHidden[i]) continue;
            QPointF p = View(v)->PlaneToPixel(ProjectToPlane(window->Views(), v, m.Points[i]));
            ASSERT_TRUE(QRectF(View(v)->rect()).contains(p)) << "view " << v << " point " << i;
        }
    }
    QLabel* Label(const char* name) { return window->findChild<QLabel*>(name); }
};

TEST_F(ViewLayout, OneScaleAndTheSameCentreThroughResizesAndLayouts) {
    Show();
    for (int v = 1; v < VIEW_COUNT; ++v)  // zoom level 0 means the same height everywhere
        EXPECT_DOUBLE_EQ(Win(v).height, Win(VIEW_XY).height);
    window->Views().PanRight(VIEW_XY);
    ViewPos centre = Centre(VIEW_XY);
    double height = Win(VIEW_XY).height;
    auto same = [&](const char* when) {
        SCOPED_TRACE(when);
        for (int v = 0; v < VIEW_COUNT; ++v)
            if (View(v)->isVisible()) ExpectOneScale(v);
        EXPECT_NEAR(Centre(VIEW_XY).x, centre.x, 1e-9);
        EXPECT_NEAR(Centre(VIEW_XY).y, centre.y, 1e-9);
        EXPECT_DOUBLE_EQ(Win(VIEW_XY).height, height);
        EXPECT_EQ(window->Views().Views[VIEW_XY].ZoomLevel, 0);
    };
    same("single view");
    Action("MenuViewQuad")->trigger();
    Settle();
    same("four views");
    window->resize(900, 700);
    Settle();
    same("smaller window");
    window->Area()->Splitter()->setSizes({100, 400});
    Settle();
    same("splitter moved");
}

TEST_F(ViewLayout, StretchingViewsIsAnOption) {
    ASSERT_EQ(settings->WriteFlag(setting::StretchViews, true), "");
    MakeWindow();
    Show();
    ViewWindow before = Win(VIEW_XY);
    window->resize(700, 700);
    Settle();
    EXPECT_EQ(Win(VIEW_XY), before);
}

TEST_F(ViewLayout, SwitchingToFourViewsGivesEqualRowsAndColumns) {
    for (const char* stored : {"", "7400"}) {
        SCOPED_TRACE(stored);
        ASSERT_EQ(settings->Write(setting::SplitterV, stored), "");
        ASSERT_EQ(settings->WriteInt(setting::InterfaceMode, 0), "");
        MakeWindow();
        Show();
        Action("MenuViewQuad")->trigger();
        Settle();
        QList<int> rows = window->Area()->Splitter()->sizes();
        ASSERT_EQ(rows.size(), 2);
        EXPECT_NEAR(rows[0], rows[1], 1);
        EXPECT_NEAR(View(VIEW_XY)->width(), View(VIEW_ZY)->width(), 1);
        EXPECT_NEAR(View(VIEW_XZ)->width(), View(VIEW_ISO)->width(), 1);
    }
}

TEST_F(ViewLayout, AStoredSplitterBelowHalfwayIsRestored) {
    ASSERT_EQ(settings->WriteInt(setting::InterfaceMode, 1), "");
    ASSERT_EQ(settings->WriteInt(setting::SplitterV, 7000), "");  // 466 pixels
    MakeWindow();
    Show({1100, 900});
    QSplitter* splitter = window->Area()->Splitter();
    ASSERT_GT(splitter->height(), 600);
    EXPECT_NEAR(splitter->sizes().first(), 7000 / 15, 1);
}

TEST_F(ViewLayout, OpenFramesTheModelInEveryView) {
    Show();
    ASSERT_TRUE(window->OpenFile(ROBOT));
    Settle();
    for (int v = 0; v < VIEW_COUNT; ++v) {
        window->SelectView(v);  // hidden until now: framed for the place it shows in
        Settle();
        ExpectOneScale(v);
        ExpectModelInside(v);
    }

    // Zoom to Fit brings a zoomed view back; the zoom label follows.
    window->SelectView(VIEW_ZY);
    int16_t framed = window->Views().Views[VIEW_ZY].ZoomLevel;
    for (int i = 0; i < 5; ++i) window->Views().ZoomIn(VIEW_ZY);
    Action("MenuViewZoomToFit")->trigger();
    EXPECT_EQ(window->Views().Views[VIEW_ZY].ZoomLevel, framed);
    EXPECT_EQ(Label("CoordinateZoom")->text(), QString::number(framed) + ".00");
}

TEST_F(ViewLayout, RightStripCaptionsFitOnOneLine) {
    Show();
    QLabel* caption = Label("LabelView");
    EXPECT_FALSE(caption->wordWrap());
    for (int v = 0; v < VIEW_COUNT; ++v) {
        window->SelectView(v);
        Settle();
        EXPECT_GE(caption->contentsRect().width(),
                  caption->fontMetrics().horizontalAdvance(caption->text()))
            << caption->text().toStdString();
    }
}

TEST_F(ViewLayout, MousePositionLabelsClearWhenTheViewChanges) {
    Show();
    QTest::mouseMove(View(VIEW_XY), QPoint(40, 40));
    EXPECT_FALSE(Label("Coordinate1")->text().isEmpty());
    window->SelectView(VIEW_XZ);
    EXPECT_TRUE(Label("Coordinate1")->text().isEmpty());
    EXPECT_TRUE(Label("Coordinate2")->text().isEmpty());
}

TEST(WindowPlacement, StoredPlaceWhenOnAScreenElseMostOfThePrimaryScreen) {
    const QRect primary(0, 0, 1920, 1080), fresh(96, 54, 1728, 972), kept(2000, 100, 800, 600);
    auto place = [&](std::optional<QRect> stored) {
        return PlaceWindow(stored, {primary, QRect(1920, 0, 1280, 1024)}, primary);
    };
    EXPECT_EQ(place(std::nullopt), fresh);
    EXPECT_EQ(place(kept), kept);
    // Larger than its screen: shrunk to it.
    EXPECT_EQ(place(QRect(-8, -8, 2500, 1500)), QRect(-8, -8, 1920, 1080));
    // On a screen no longer there, barely on one, or too small to use: placed afresh.
    for (QRect gone :
         {QRect(4000, 0, 800, 600), QRect(1900, 1070, 800, 600), QRect(10, 10, 100, 80)})
        EXPECT_EQ(place(gone), fresh);
}

TEST_F(ViewLayout, TheWindowComesBackWhereItWas) {
    window->setGeometry(QRect(40, 50, 600, 450));
    window->show();
    Settle();
    QRect placed = window->geometry();
    ASSERT_TRUE(window->close());
    EXPECT_EQ(settings->Read(setting::WindowMaximized), "0");
    MakeWindow();
    ShowPlaced(*window, *settings);
    Settle();
    EXPECT_EQ(window->geometry(), placed);

    window->showMaximized();
    Settle();
    ASSERT_TRUE(window->close());
    EXPECT_EQ(settings->Read(setting::WindowMaximized), "1");
    MakeWindow();
    ShowPlaced(*window, *settings);
    EXPECT_TRUE(window->isMaximized());

    ASSERT_EQ(settings->Write(setting::WindowWidth, "wide"), "");  // unreadable: placed as on a first run
    ASSERT_EQ(settings->Write(setting::WindowMaximized, ""), "");
    MakeWindow();
    ShowPlaced(*window, *settings);
    Settle();
    QRect screen = window->screen()->availableGeometry();
    EXPECT_EQ(window->geometry().center(), screen.center());
    EXPECT_NEAR(window->width(), screen.width() * 0.9, 1);
}

}  // namespace
}  // namespace fw
