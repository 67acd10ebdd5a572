#pragma once

#include <QPainter>
#include <QVector>

namespace fw {

// Small circles drawn hundreds of times per paint: the ring's pixels are found once per
// radius and then set as points, which costs far less than stroking every ellipse. Rings
// too large for that are stroked one by one.
class RingStamp {
public:
    // Radii in pixels.
    RingStamp(double rx, double ry);

    // A stamp of these radii from a few kept from earlier paints: a view repainted at the
    // same zoom finds its rings' pixels again instead of working them out anew.
    static const RingStamp& For(double rx, double ry);

    // Draws one ring round each centre with the painter's pen.
    void Draw(QPainter& painter, const QPointF* centres, int count) const;
    void Draw(QPainter& painter, const QVector<QPointF>& centres) const {
        Draw(painter, centres.constData(), static_cast<int>(centres.size()));
    }
    void Draw(QPainter& painter, QPointF centre) const { Draw(painter, &centre, 1); }

private:
    double rx_, ry_;
    QVector<QPoint> offsets_;  // empty when the ring is stroked instead
};

}  // namespace fw
