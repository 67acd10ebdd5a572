// The editor's own touches to the application style: drawn toolbar chevrons and group-box
// frames, and the pressed look of the selected view's button.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
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
    EXPECT_NE(shot.pixel(0, 70), window);   // the border
    EXPECT_NE(shot.pixel(20, 70), window);  // the shaded inside
    EXPECT_LT(qGray(shot.pixel(20, 70)), qGray(window));
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
