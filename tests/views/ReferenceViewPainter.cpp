#include "views/ReferenceViewPainter.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace fw {
namespace {

constexpr double POINT_RADIUS = 0.08;
constexpr double RING_RADIUS = 0.1;
// A grid denser than this many lines would only paint the surface grey; skip it rather
// than spend seconds on it.
constexpr double MAX_GRID_LINES = 100000;
constexpr double MAX_STAMP_RADIUS = 32;
constexpr double FAR_AWAY = 1e6;

QPen Pen(int colour, int width = 1) {
    const ViewRgb& c = ViewColours[colour];
    QPen pen(QColor(c.r, c.g, c.b));
    pen.setWidth(width);
    return pen;
}

// Ring pixels found once per radius and set as points; rings too large are stroked.
class RingStamp {
public:
    RingStamp(double rx, double ry) : rx_(rx), ry_(ry) {
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

    void Draw(QPainter& painter, const QVector<QPointF>& centres) const {
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
    void Draw(QPainter& painter, QPointF centre) const { Draw(painter, QVector<QPointF>{centre}); }

private:
    double rx_, ry_;
    QVector<QPoint> offsets_;
};

// The model, the mapping from view coordinates to pixels, and every point in use mapped.
struct Surface {
    const ModelStore& m;
    const ViewState& views;
    int view;
    ViewWindow window;
    QSize size;
    double sx, sy;  // pixels per view unit
    RingStamp pointRing, currentRing;
    std::array<QPointF, MAX_POINTS> points;

    Surface(const ModelStore& model, const ViewState& vs, int v, const ViewWindow& w, QSize s)
        : m(model),
          views(vs),
          view(v),
          window(w),
          size(s),
          sx(s.width() / w.width),
          sy(s.height() / w.height),
          pointRing(POINT_RADIUS * sx, POINT_RADIUS * sy),
          currentRing(RING_RADIUS * sx, RING_RADIUS * sy) {}

    QPointF Map(ViewPos p) const { return {(p.x - window.left) * sx, (p.y - window.top) * sy}; }
    bool ValidPoint(int i) const { return i >= 0 && i < std::min<int>(m.NumPoints, MAX_POINTS); }
    bool ValidPolygon(int i) const {
        return i >= 0 && i < std::min<int>(m.NumPolygons, MAX_POLYGONS);
    }
    int Corners(int polygon) const {
        return std::clamp<int>(m.Polygons[polygon].CornerCount, 0, MAX_CORNERS);
    }
    // The mapped points in use whose flag is set (or, with `set` false, clear).
    QVector<QPointF> PointsWhere(const std::array<uint8_t, MAX_POINTS>& flags, bool set) const {
        QVector<QPointF> out;
        for (int i = 0; ValidPoint(i); ++i)
            if ((flags[i] != 0) == set) out.append(points[i]);
        return out;
    }
};

void PaintGridAndAxes(QPainter& p, const Surface& s) {
    const float spacing = s.views.Views[s.view].GridSpacing();
    const ViewWindow& w = s.window;
    double width = s.size.width(), height = s.size.height();
    if (spacing > 0 && (w.width + w.height) / spacing < MAX_GRID_LINES) {
        QVector<QLineF> lines;
        double g = spacing;
        for (double i = std::floor(w.left / g); i <= std::floor((w.left + w.width) / g); ++i) {
            double x = s.Map({i * g, 0}).x();
            lines.append(QLineF(x, 0, x, height));
        }
        for (double j = std::floor(w.top / g); j <= std::floor((w.top + w.height) / g); ++j) {
            double y = s.Map({0, j * g}).y();
            lines.append(QLineF(0, y, width, y));
        }
        p.setPen(Pen(COLOUR_DIM));
        p.drawLines(lines);
    }
    QPointF origin = s.Map({0, 0});
    p.setPen(Pen(COLOUR_DIM, 2));
    p.drawLine(QLineF(0, origin.y(), width, origin.y()));
    p.drawLine(QLineF(origin.x(), 0, origin.x(), height));
}

void AddOutline(QVector<QLineF>& lines, const Surface& s, int polygon) {
    const PolygonRecord& poly = s.m.Polygons[polygon];
    int n = s.Corners(polygon);
    for (int j = 0; j < n; ++j) {
        int a = poly.Corners[j], b = poly.Corners[(j + 1) % n];
        if (s.ValidPoint(a) && s.ValidPoint(b)) lines.append(QLineF(s.points[a], s.points[b]));
    }
}

void PaintMarkedPoints(QPainter& p, const Surface& s) {
    p.setPen(Pen(COLOUR_MARKED));
    s.pointRing.Draw(p, s.PointsWhere(s.m.PointMarked, true));
}

// Drawn even when the point is hidden, so the user always sees where keys will act.
void PaintCurrentPoint(QPainter& p, const Surface& s) {
    if (!s.ValidPoint(s.m.CurrentPoint)) return;
    p.setPen(Pen(COLOUR_CURRENT_POINT));
    s.currentRing.Draw(p, s.points[s.m.CurrentPoint]);
}

// Shown polygons in number order; in the orthographic views darkened ones are dim, in the
// iso view they are left out. Runs of one colour are drawn together, keeping the order.
void PaintPolygons(QPainter& p, const Surface& s, bool iso) {
    QVector<QLineF> lines;
    int runColour = -1;
    auto flush = [&] {
        if (lines.isEmpty()) return;
        p.setPen(Pen(runColour));
        p.drawLines(lines);
        lines.clear();
    };
    for (int i = 0; s.ValidPolygon(i); ++i) {
        int hidden = s.m.PolygonHidden[i];
        if (hidden == 2 || (iso && hidden != 0)) continue;
        int colour = hidden == 1 ? COLOUR_DIM : COLOUR_EDGE;
        if (colour != runColour) flush();
        runColour = colour;
        AddOutline(lines, s, i);
    }
    flush();
}

void PaintMarkedPolygons(QPainter& p, const Surface& s, bool iso) {
    const ModelStore& m = s.m;
    const bool crossed = !iso && s.views.CrossMarked;
    QVector<QLineF> lines;
    QVector<QPointF> corners;
    bool currentMarked = false;
    p.setPen(Pen(COLOUR_MARKED));
    for (int i = 0; s.ValidPolygon(i); ++i) {
        if (m.PolygonMarked[i] == 0 || (iso && m.PolygonHidden[i] != 0)) continue;
        if (i == m.CurrentPolygon) currentMarked = true;
        const PolygonRecord& poly = m.Polygons[i];
        int n = s.Corners(i);
        if (crossed) {
            QPointF sum;
            int used = 0;
            for (int j = 0; j < n; ++j)
                if (s.ValidPoint(poly.Corners[j])) sum += s.points[poly.Corners[j]], ++used;
            if (used == 0) continue;
            QPointF centroid = sum / used;
            for (int j = 0; j < n; ++j)
                if (s.ValidPoint(poly.Corners[j]))
                    lines.append(QLineF(s.points[poly.Corners[j]], centroid));
            continue;
        }
        AddOutline(lines, s, i);
        if (iso)
            for (int j = 0; j < n; ++j)
                if (s.ValidPoint(poly.Corners[j])) corners.append(s.points[poly.Corners[j]]);
    }
    p.drawLines(lines);
    s.currentRing.Draw(p, corners);
    if (currentMarked && !crossed) {
        lines.clear();
        AddOutline(lines, s, m.CurrentPolygon);
        p.setPen(Pen(COLOUR_MARKED, 2));
        p.drawLines(lines);
    }
}

// Corner rings and edges of the current polygon; corner 1 and the closing edge stand out so
// that the corner order shows.
void PaintCurrentPolygon(QPainter& p, const Surface& s) {
    if (!s.ValidPolygon(s.m.CurrentPolygon)) return;
    const PolygonRecord& poly = s.m.Polygons[s.m.CurrentPolygon];
    int n = s.Corners(s.m.CurrentPolygon);
    for (int j = 0; j < n; ++j) {
        if (!s.ValidPoint(poly.Corners[j])) continue;
        p.setPen(Pen(j == 1 ? COLOUR_ORDER : COLOUR_CURRENT_POLYGON));
        s.currentRing.Draw(p, s.points[poly.Corners[j]]);
    }
    for (int j = 0; j < n; ++j) {
        int a = poly.Corners[j], b = poly.Corners[(j + 1) % n];
        if (!s.ValidPoint(a) || !s.ValidPoint(b)) continue;
        p.setPen(Pen(j == n - 1 ? COLOUR_ORDER : COLOUR_CURRENT_POLYGON));
        p.drawLine(QLineF(s.points[a], s.points[b]));
    }
}

void PaintNormal(QPainter& p, const Surface& s) {
    if (!s.ValidPolygon(s.m.CurrentPolygon)) return;
    const PolygonRecord& poly = s.m.Polygons[s.m.CurrentPolygon];
    int n = s.Corners(s.m.CurrentPolygon);
    if (n < 3) return;  // fewer corners span no plane
    int i0 = poly.Corners[0], i1 = poly.Corners[1], in = poly.Corners[n - 1];
    if (!s.ValidPoint(i0) || !s.ValidPoint(i1) || !s.ValidPoint(in)) return;
    const PointRecord &p0 = s.m.Points[i0], &p1 = s.m.Points[i1], &pn = s.m.Points[in];
    double ax = p0.X - p1.X, ay = p0.Y - p1.Y, az = p0.Z - p1.Z;
    double bx = p0.X - pn.X, by = p0.Y - pn.Y, bz = p0.Z - pn.Z;
    double nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
    double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length == 0) return;  // collinear corners: the normal has no direction
    PointRecord tip{p0.X + nx / length, p0.Y + ny / length, p0.Z + nz / length};
    p.setPen(Pen(COLOUR_NORMAL));
    p.drawLine(QLineF(s.points[i0], s.Map(ProjectPoint(s.views, s.view, tip))));
}

void PaintOrtho(QPainter& p, const Surface& s) {
    PaintGridAndAxes(p, s);
    if (s.m.NumPoints <= 0 && s.m.NumPolygons <= 0) return;
    p.setPen(Pen(COLOUR_POINT));
    s.pointRing.Draw(p, s.PointsWhere(s.m.PointHidden, false));
    PaintPolygons(p, s, false);
    PaintMarkedPoints(p, s);
    PaintMarkedPolygons(p, s, false);
    PaintCurrentPolygon(p, s);
    PaintCurrentPoint(p, s);
    PaintNormal(p, s);
}

void PaintIso(QPainter& p, const Surface& s) {
    PaintPolygons(p, s, true);
    PaintMarkedPolygons(p, s, true);
    PaintMarkedPoints(p, s);
    PaintCurrentPolygon(p, s);
    PaintCurrentPoint(p, s);
}

}  // namespace

void ReferenceViewPainter::Paint(QPainter& painter, int view, QSize size) const {
    if (view < 0 || view >= VIEW_COUNT) return;
    Paint(painter, view, views_.Views[view].Window, size);
}

void ReferenceViewPainter::Paint(QPainter& painter, int view, const ViewWindow& window,
                                 QSize size) const {
    if (view < 0 || view >= VIEW_COUNT || size.isEmpty()) return;
    painter.save();
    // A view drawn into part of a larger surface stays inside its own rectangle.
    painter.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    if (window.width > 0 && window.height > 0) {
        auto s = std::make_unique<Surface>(model_, views_, view, window, size);
        for (int i = 0; s->ValidPoint(i); ++i)
            s->points[i] = s->Map(ProjectPoint(views_, view, model_.Points[i]));
        if (view == VIEW_ISO)
            PaintIso(painter, *s);
        else
            PaintOrtho(painter, *s);
    }
    painter.restore();
}

}  // namespace fw
