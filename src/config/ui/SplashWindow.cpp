#include "config/ui/SplashWindow.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace fw {

namespace {

QPixmap SplashPicture(const QString& versionText) {
    QPixmap pixmap(420, 220);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(20, 24, 40));
    sky.setColorAt(1, QColor(60, 30, 20));
    p.fillRect(pixmap.rect(), sky);
    // A faceted mark: a wireframe of triangles, as the views draw.
    p.setPen(QPen(QColor(160, 255, 160), 1.5));
    const QPointF corners[] = {{60, 60}, {110, 40}, {140, 95}, {90, 130}, {45, 110}};
    for (int i = 0; i < 5; ++i) {
        p.drawLine(corners[i], corners[(i + 1) % 5]);
        p.drawLine(corners[i], QPointF(93, 85));
    }
    p.setPen(Qt::white);
    // The application's own font: asking for a family the system lacks sends the font
    // database on a search that costs more than the rest of the start-up's drawing.
    QFont title = QApplication::font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(165, 45, 250, 44), Qt::AlignLeft | Qt::AlignVCenter, "FACETWORK");
    QFont small = QApplication::font();
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(220, 220, 220));
    p.drawText(QRect(167, 90, 250, 20), Qt::AlignLeft, "Descent 2 polygon model editor");
    p.drawText(QRect(20, 180, 380, 20), Qt::AlignLeft, "Tunnelworks  \u00b7  " + versionText);
    return pixmap;
}

}  // namespace

SplashWindow::SplashWindow(const QString& versionText)
    : QSplashScreen(SplashPicture(versionText)), versionText_(versionText) {
    setObjectName("Splash");
}

}  // namespace fw
