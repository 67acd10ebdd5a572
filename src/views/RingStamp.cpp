#include "views/RingStamp.h"

#include <QImage>
#include <cmath>

namespace fw {

namespace {

// Beyond this radius a ring has so many pixels that stroking it is as cheap.
constexpr double MAX_STAMP_RADIUS = 32;
// Centres farther out than this are off every surface; leaving them out keeps the pixel
// positions within int range.
constexpr double FAR_AWAY = 1e6;

}  // namespace

RingStamp::RingStamp(double rx, double ry) : rx_(rx), ry_(ry) {
    if (!(rx >= 0 && ry >= 0 && rx <= MAX_STAMP_RADIUS && ry <= MAX_STAMP_RADIUS)) return;
    int r = static_cast<int>(std::ceil(std::max(rx, ry))) + 2;
    QImage image(2 * r + 1, 2 * r + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setPen(Qt::white);
        painter.drawEllipse(QPointF(r, r), rx, ry);
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) offsets_.append(QPoint(x - r, y - r));
}

void RingStamp::Draw(QPainter& painter, const QVector<QPointF>& centres) const {
    if (centres.isEmpty()) return;
    if (offsets_.isEmpty()) {
        for (const QPointF& c : centres) painter.drawEllipse(c, rx_, ry_);
        return;
    }
    QVector<QPoint> pixels;
    pixels.reserve(centres.size() * offsets_.size());
    for (const QPointF& c : centres) {
        if (std::abs(c.x()) > FAR_AWAY || std::abs(c.y()) > FAR_AWAY) continue;
        QPoint centre = c.toPoint();
        for (const QPoint& o : offsets_) pixels.append(centre + o);
    }
    painter.drawPoints(pixels.constData(), static_cast<int>(pixels.size()));
}

}  // namespace fw
