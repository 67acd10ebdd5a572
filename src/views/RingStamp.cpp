#include "views/RingStamp.h"

#include <QImage>
#include <cmath>
#include <list>

namespace fw {

namespace {

// Beyond this radius a ring has so many pixels that stroking it is as cheap.
constexpr double MAX_STAMP_RADIUS = 32;
// Centres farther out than this are off every surface; leaving them out keeps the pixel
// positions within int range.
constexpr double FAR_AWAY = 1e6;
constexpr size_t KEPT_STAMPS = 8;

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

const RingStamp& RingStamp::For(double rx, double ry) {
    // Two sizes per view and four views: eight stamps cover a whole window's repaint. The
    // list is kept in order of use; moving an entry keeps references to it valid.
    static std::list<RingStamp> kept;
    for (auto it = kept.begin(); it != kept.end(); ++it)
        if (it->rx_ == rx && it->ry_ == ry) {
            kept.splice(kept.end(), kept, it);
            return kept.back();
        }
    if (kept.size() >= KEPT_STAMPS) kept.pop_front();
    return kept.emplace_back(rx, ry);
}

void RingStamp::Draw(QPainter& painter, const QPointF* centres, int count) const {
    if (count <= 0) return;
    if (offsets_.isEmpty()) {
        for (int i = 0; i < count; ++i) painter.drawEllipse(centres[i], rx_, ry_);
        return;
    }
    thread_local QVector<QPoint> pixels;
    pixels.clear();
    pixels.reserve(count * offsets_.size());
    for (int i = 0; i < count; ++i) {
        const QPointF& c = centres[i];
        if (std::abs(c.x()) > FAR_AWAY || std::abs(c.y()) > FAR_AWAY) continue;
        QPoint centre = c.toPoint();
        for (const QPoint& o : offsets_) pixels.append(centre + o);
    }
    painter.drawPoints(pixels.constData(), static_cast<int>(pixels.size()));
}

}  // namespace fw
