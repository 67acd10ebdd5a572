#include "views/ViewPainter.h"

#include "views/RingStamp.h"
#include "views/ViewScene.h"

namespace fw {

namespace {

QPen Pen(int colour, int width = 1) {
    const ViewRgb& c = ViewColours[colour];
    QPen pen(QColor(c.r, c.g, c.b));
    pen.setWidth(width);
    return pen;
}

}  // namespace

void ViewPainter::Paint(QPainter& painter, int view, QSize size) const {
    if (view < 0 || view >= VIEW_COUNT) return;
    Paint(painter, view, views_.Views[view].Window, size);
}

void ViewPainter::Paint(QPainter& painter, int view, const ViewWindow& window, QSize size) const {
    if (view < 0 || view >= VIEW_COUNT || size.isEmpty()) return;
    // Views paint one after another on the one thread: one scene's buffers serve them all.
    thread_local ViewScene scene;
    scene.Build(model_, views_, view, window, size);
    PaintScene(painter, scene, size);
}

void PaintScene(QPainter& painter, const ViewScene& scene, QSize size) {
    if (size.isEmpty()) return;
    painter.save();
    // A view drawn into part of a larger surface stays inside its own rectangle.
    painter.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    const QLineF* lines = scene.Lines().data();
    const QPointF* centres = scene.Centres().data();
    for (const SceneRun& run : scene.Runs()) {
        switch (run.kind) {
            case SceneRun::Lines:
                painter.setPen(Pen(run.colour));
                painter.drawLines(lines + run.first, run.count);
                break;
            case SceneRun::WideLines:
                // One stroke each: a batch of wide lines is filled as one outline.
                painter.setPen(Pen(run.colour, 2));
                for (int i = 0; i < run.count; ++i) painter.drawLine(lines[run.first + i]);
                break;
            case SceneRun::Rings: {
                double r = RING_RADIUS[run.ringSize];
                painter.setPen(Pen(run.colour));
                RingStamp::For(r * scene.ScaleX(), r * scene.ScaleY())
                    .Draw(painter, centres + run.first, run.count);
                break;
            }
        }
    }
    painter.restore();
}

}  // namespace fw
