#include "config/ui/SplashWindow.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace fw {

namespace {

void DrawSplash(QPainter& p, const QString& versionText) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, SplashWindow::HEIGHT);
    sky.setColorAt(0, QColor(20, 24, 40));
    sky.setColorAt(1, QColor(60, 30, 20));
    p.fillRect(QRect(0, 0, SplashWindow::WIDTH, SplashWindow::HEIGHT), sky);
    // A faceted mark: a wireframe of triangles, as the views draw.
    p.setPen(QPen(QColor(160, 255, 160), 1.5));
    const QPointF corners[] = {{60, 60}, {110, 40}, {140, 95}, {90, 130}, {45, 110}};
    for (int i = 0; i < 5; ++i) {
        p.drawLine(corners[i], corners[(i + 1) % 5]);
        p.drawLine(corners[i], QPointF(93, 85));
    }
    // The application's own font at its own size, which the window loads anyway: every
    // other family, size or weight costs the font database a load of its own. The title is
    // that font drawn larger.
    p.setFont(QApplication::font());
    p.save();
    p.setPen(Qt::white);
    p.translate(165, 45);
    p.scale(2.4, 2.4);
    p.drawText(QRectF(0, 0, 104, 18), Qt::AlignLeft | Qt::AlignVCenter, "FACETWORK");
    p.restore();
    p.setPen(QColor(220, 220, 220));
    p.drawText(QRect(167, 90, 250, 20), Qt::AlignLeft, "Descent 2 polygon model editor");
    p.drawText(QRect(20, 180, 380, 20), Qt::AlignLeft, "Tunnelworks  \u00b7  " + versionText);
}

}  // namespace

SplashWindow::SplashWindow(const QString& versionText)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      versionText_(versionText) {
    setObjectName("Splash");
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is drawn
    setFixedSize(WIDTH, HEIGHT);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed = rect();
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawSplash(p, versionText_);
}

}  // namespace fw
