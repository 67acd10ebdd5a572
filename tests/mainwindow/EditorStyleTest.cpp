// The editor's own touches to the application style: drawn toolbar chevrons, group-box
// frames, scroll bars and toolbars, and the pressed look of the selected view's button.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QMainWindow>
#include <QToolBar>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "mainwindow/EditorStyle.h"
#include "mainwindow/PressedButtonStyle.h"

namespace fw {
namespace {

QImage Shot(QWidget& w) {
    w.ensurePolished();
    return w.grab().toImage();
}

struct ScrollBar : QScrollBar {
    using QScrollBar::QScrollBar;
    using QScrollBar::initStyleOption;
};

TEST(EditorStyle, ToolbarChevronsAreDrawnAndVisible) {
    EditorStyle style;
    for (auto which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                       QStyle::SP_ToolBarVerticalExtensionButton}) {
        QImage picture = style.standardIcon(which, nullptr, nullptr).pixmap(12, 12).toImage();
        ASSERT_FALSE(picture.isNull());
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) inked += qAlpha(picture.pixel(x, y)) > 128;
        EXPECT_GT(inked, 8) << which;
    }
    // Everything else still comes from the base style.
    EXPECT_FALSE(style.standardIcon(QStyle::SP_MessageBoxWarning, nullptr, nullptr).isNull());
}

// The frame starts below the title, as the base style draws it: the title's row keeps the
// window's colour at the box's left edge, the frame's rows are darker there.
TEST(EditorStyle, GroupBoxFramesLieBelowTheirTitle) {
    EditorStyle style;
    QGroupBox box("Rotate / Scale");
    box.setStyle(&style);
    auto* layout = new QVBoxLayout(&box);
    layout->addSpacing(60);
    box.resize(200, 100);
    QImage shot = Shot(box);
    QRgb window = box.palette().color(QPalette::Window).rgb();
    int titleRow = box.fontMetrics().height() / 2;
    EXPECT_EQ(shot.pixel(0, titleRow), window);
    EXPECT_NE(shot.pixel(0, 70), window);  // the border
    EXPECT_LT(qGray(shot.pixel(20, 70)), qGray(window));
}

// The handle and the step arrows are drawn where the geometry the clicks use puts them, at
// either end of the range and in either direction.
TEST(EditorStyle, ScrollBarsDrawTheirHandleWhereClicksFindIt) {
    EditorStyle style;
    for (Qt::Orientation direction : {Qt::Vertical, Qt::Horizontal}) {
        for (int value : {0, 100}) {
            ScrollBar bar(direction);
            bar.setStyle(&style);
            bar.setPageStep(20);
            bar.setValue(value);
            bar.resize(direction == Qt::Vertical ? QSize(16, 200) : QSize(200, 16));
            QImage shot = Shot(bar);
            QStyleOptionSlider option;
            bar.initStyleOption(&option);
            QRect handle = style.subControlRect(QStyle::CC_ScrollBar, &option,
                                                QStyle::SC_ScrollBarSlider, &bar);
            QRect groove = style.subControlRect(QStyle::CC_ScrollBar, &option,
                                                QStyle::SC_ScrollBarGroove, &bar);
            ASSERT_FALSE(handle.isEmpty());
            const QRgb face = bar.palette().color(QPalette::Button).rgb();
            EXPECT_EQ(shot.pixel(handle.center()), face) << direction << " " << value;
            // The far end of the groove is bare.
            QPoint far = value == 0 ? groove.bottomRight() - QPoint(3, 3) : groove.topLeft() + QPoint(3, 3);
            EXPECT_NE(shot.pixel(far), face) << direction << " " << value;
            // Both step buttons carry an arrow; the one that can still step is the darker.
            int gray[2];
            for (auto step : {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine}) {
                QRect button = style.subControlRect(QStyle::CC_ScrollBar, &option, step, &bar);
                ASSERT_FALSE(button.isEmpty());
                gray[step == QStyle::SC_ScrollBarAddLine] = qGray(shot.pixel(button.center()));
                EXPECT_LT(gray[step == QStyle::SC_ScrollBarAddLine],
                          qGray(bar.palette().color(QPalette::Window).rgb()));
            }
            EXPECT_EQ(gray[value == 0] < gray[value != 0], true) << direction << " " << value;
        }
    }
}

// A lone toolbar at the top: light above, and the doubled edge where it meets the window's
// middle, dark above light.
TEST(EditorStyle, MainWindowToolbarsHaveLightAndDarkEdges) {
    EditorStyle style;
    QMainWindow window;
    window.setStyle(&style);
    QToolBar* bar = window.addToolBar("Main");
    bar->setStyle(&style);
    bar->addAction("Open");
    window.resize(300, 200);
    window.show();
    QImage shot = Shot(*bar);
    const int x = shot.width() - 20, bottom = shot.height() - 1;
    const int plain = qGray(bar->palette().color(QPalette::Window).rgb());
    EXPECT_EQ(qGray(shot.pixel(x, bottom / 2)), plain);
    EXPECT_GT(qGray(shot.pixel(x, 0)), plain);
    EXPECT_GT(qGray(shot.pixel(x, bottom)), plain);
    EXPECT_LT(qGray(shot.pixel(x, bottom - 1)), plain);
}

TEST(PressedButtonStyle, TheCheckedButtonIsWhiteInABlackBorder) {
    PressedButtonStyle style;
    QToolButton button;
    button.setStyle(&style);
    button.setAutoRaise(true);
    button.setCheckable(true);
    button.setText("XY");
    button.resize(40, 30);
    QImage plain = Shot(button);
    button.setChecked(true);
    QImage pressed = Shot(button);
    EXPECT_EQ(pressed.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pressed.pixel(3, 3), qRgb(255, 255, 255));
    EXPECT_NE(plain.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_NE(plain.pixel(3, 3), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace fw
