// Full repaints of the views on the largest model, beside the floor: QPainter drawing the
// same number of plain lines and circles with one pen.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "views/ViewPainter.h"

namespace {

const QSize SCREEN(1920, 1080);

// QPainter needs an application for fonts and pixmaps; one off-screen instance serves all.
void EnsureApp() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "facetwork-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// 512 points on a sphere (16 rings of 32) and 512 polygons of 20 corners along the rings;
// every other point and polygon marked, so every drawing step has work.
std::unique_ptr<fw::ModelStore> LargestModel() {
    auto m = std::make_unique<fw::ModelStore>();
    fw::NewModel(*m);
    const int rings = 16, perRing = 32;
    m->NumPoints = fw::MAX_POINTS;
    for (int i = 0; i < fw::MAX_POINTS; ++i) {
        double lat = M_PI * ((i / perRing) + 0.5) / rings - M_PI / 2;
        double lon = 2 * M_PI * (i % perRing) / perRing;
        m->Points[i] = {4 * std::cos(lat) * std::cos(lon), 4 * std::sin(lat),
                        4 * std::cos(lat) * std::sin(lon)};
        m->PointMarked[i] = i % 2;
    }
    m->NumPolygons = fw::MAX_POLYGONS;
    for (int k = 0; k < fw::MAX_POLYGONS; ++k) {
        fw::PolygonRecord& poly = m->Polygons[k];
        poly.CornerCount = fw::MAX_CORNERS;
        poly.TextureNumber = -1;
        int ring = k % rings, start = (k * 7) % perRing;
        for (int j = 0; j < fw::MAX_CORNERS; ++j)
            poly.Corners[j] = static_cast<int16_t>(ring * perRing + (start + j) % perRing);
        m->PolygonMarked[k] = k % 2;
    }
    fw::CountMarkedPoints(*m);
    fw::CountMarkedPolygons(*m);
    return m;
}

struct Fixture {
    std::unique_ptr<fw::ModelStore> model = LargestModel();
    fw::ViewState views;
    QImage image{SCREEN, QImage::Format_RGB32};
    Fixture() {
        EnsureApp();
        for (int v = 0; v < fw::VIEW_COUNT; ++v)
            views.InitWindow(v, SCREEN.width(), SCREEN.height());
    }
};

void BM_PaintView(benchmark::State& state) {
    Fixture f;
    int view = static_cast<int>(state.range(0));
    fw::ViewPainter painter(*f.model, f.views);
    for (auto _ : state) {
        QPainter p(&f.image);
        painter.Paint(p, view, SCREEN);
    }
    state.SetLabel(fw::ViewCaption(view));
}
BENCHMARK(BM_PaintView)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The four-view layout: each view in a quarter of the screen.
void BM_PaintFourViews(benchmark::State& state) {
    Fixture f;
    fw::ViewPainter painter(*f.model, f.views);
    QSize quarter(SCREEN.width() / 2, SCREEN.height() / 2);
    for (auto _ : state) {
        QPainter p(&f.image);
        for (int v = 0; v < fw::VIEW_COUNT; ++v) {
            p.save();
            p.translate((v % 2) * quarter.width(), (v / 2) * quarter.height());
            painter.Paint(p, v, quarter);
            p.restore();
        }
    }
}
BENCHMARK(BM_PaintFourViews)->Unit(benchmark::kMillisecond);

// The floor: the view's lines (grid and axes in the orthographic views, every shown
// polygon edge, marked outlines, the current polygon) and circles (points, marked points,
// corner rings) projected as the view projects them and drawn with one pen, lines in one
// batch.
void BM_PlainLinesAndCircles(benchmark::State& state) {
    Fixture f;
    int view = static_cast<int>(state.range(0));
    bool iso = view == fw::VIEW_ISO;
    const fw::ModelStore& m = *f.model;
    const fw::ViewWindow& w = f.views.Views[view].Window;
    double sx = SCREEN.width() / w.width, sy = SCREEN.height() / w.height;
    auto map = [&](int point) {
        fw::ViewPos p = fw::ProjectPoint(f.views, view, m.Points[point]);
        return QPointF((p.x - w.left) * sx, (p.y - w.top) * sy);
    };
    QVector<QLineF> lines;
    QVector<QPointF> circles;
    if (!iso) {
        for (double x = std::floor(w.left); x <= w.left + w.width; ++x)
            lines.append(QLineF((x - w.left) * sx, 0, (x - w.left) * sx, SCREEN.height()));
        for (double y = std::floor(w.top); y <= w.top + w.height; ++y)
            lines.append(QLineF(0, (y - w.top) * sy, SCREEN.width(), (y - w.top) * sy));
        lines.append(QLineF(0, -w.top * sy, SCREEN.width(), -w.top * sy));
        lines.append(QLineF(-w.left * sx, 0, -w.left * sx, SCREEN.height()));
    }
    for (int k = 0; k < m.NumPolygons; ++k) {
        const fw::PolygonRecord& poly = m.Polygons[k];
        int outlines = 1 + (m.PolygonMarked[k] ? 1 : 0) + (k == m.CurrentPolygon ? 1 : 0);
        for (int repeat = 0; repeat < outlines; ++repeat)
            for (int j = 0; j < poly.CornerCount; ++j)
                lines.append(
                    QLineF(map(poly.Corners[j]), map(poly.Corners[(j + 1) % poly.CornerCount])));
        int rings = (iso && m.PolygonMarked[k] ? 1 : 0) + (k == m.CurrentPolygon ? 1 : 0);
        for (int repeat = 0; repeat < rings; ++repeat)
            for (int j = 0; j < poly.CornerCount; ++j) circles.append(map(poly.Corners[j]));
    }
    for (int i = 0; i < m.NumPoints; ++i) {
        int drawn = (iso ? 0 : 1) + (m.PointMarked[i] ? 1 : 0) + (i == m.CurrentPoint ? 1 : 0);
        for (int repeat = 0; repeat < drawn; ++repeat) circles.append(map(i));
    }
    double rx = 0.08 * sx, ry = 0.08 * sy;
    for (auto _ : state) {
        QPainter p(&f.image);
        p.setClipRect(f.image.rect());  // as the views clip; QPainter strokes faster with it
        p.fillRect(f.image.rect(), Qt::black);
        p.setPen(Qt::white);
        p.drawLines(lines);
        for (const QPointF& c : circles) p.drawEllipse(c, rx, ry);
    }
    state.counters["lines"] = lines.size();
    state.counters["circles"] = circles.size();
}
BENCHMARK(BM_PlainLinesAndCircles)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
