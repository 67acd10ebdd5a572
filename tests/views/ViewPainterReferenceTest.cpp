// The painter leaves out strokes that a later one covers; the picture must not change. Each
// case draws the same view with the painter and with the frozen reference and compares
// every pixel.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>
#include <sstream>

#include "views/ReferenceViewPainter.h"
#include "views/SampleModels.h"
#include "views/ViewPainter.h"

namespace fw {
namespace {

const char* const STATE_NAMES[] = {"plain",    "marked", "current marked",
                                   "darkened", "hidden", "crossed"};

// "" when the two pictures are equal, else where they differ first and how often.
std::string Difference(const QImage& a, const QImage& b) {
    int count = 0;
    std::ostringstream first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
                first << "first at (" << x << ", " << y << "): " << std::hex << a.pixel(x, y)
                      << " instead of " << b.pixel(x, y) << std::dec;
    if (count == 0) return "";
    return std::to_string(count) + " pixels differ, " + first.str();
}

// Both painters onto red images (so that an unpainted pixel shows), through a painter moved
// by `offset` as a view inside a larger window is.
std::string CompareView(const ModelStore& m, const ViewState& views, int view,
                        const ViewWindow& window, QSize size, QPoint offset = {}) {
    QSize full = size + QSize(offset.x(), offset.y());
    auto draw = [&](const auto& painter) {
        QImage image(full, QImage::Format_RGB32);
        image.fill(Qt::red);
        {
            QPainter p(&image);
            p.translate(offset);
            painter.Paint(p, view, window, size);
        }
        return image;
    };
    return Difference(draw(ViewPainter(m, views)), draw(ReferenceViewPainter(m, views)));
}

// The largest model in one of the drawing states.
std::unique_ptr<ModelStore> LargestInState(int state, ViewState& views) {
    auto m = LargestModel();
    views.CrossMarked = state == 5;
    for (int k = 0; k < MAX_POLYGONS; ++k) {
        if (state == 0) m->PolygonMarked[k] = 0;
        if (state == 3) m->PolygonHidden[k] = k % 3 == 0;
        if (state == 4) m->PolygonHidden[k] = k % 3 == 0 ? 2 : 0;
    }
    if (state == 0)
        for (int i = 0; i < MAX_POINTS; ++i) m->PointMarked[i] = 0;
    m->CurrentPolygon = state == 2 ? 5 : 6;  // odd polygons are marked
    m->CurrentPoint = 37;
    return m;
}

TEST(PainterMatchesReference, LargestModelInEveryViewAndStateAt960x540) {
    const QSize size(960, 540);
    for (int state = 0; state < 6; ++state) {
        ViewState views;
        auto m = LargestInState(state, views);
        for (int view = 0; view < VIEW_COUNT; ++view) {
            views.InitWindow(view, 1920, 1080);
            EXPECT_EQ(CompareView(*m, views, view, views.Views[view].Window, size), "")
                << ViewCaption(view) << ", " << STATE_NAMES[state];
        }
    }
}

// Four views in the quarters of one surface, each through a moved painter, as a window
// paints them.
TEST(PainterMatchesReference, ViewsInsideALargerSurface) {
    ViewState views;
    auto m = LargestInState(1, views);
    const QSize quarter(480, 270);
    for (int view = 0; view < VIEW_COUNT; ++view) {
        views.InitWindow(view, 960, 540);
        QPoint offset((view % 2) * quarter.width() + 3, (view / 2) * quarter.height() + 2);
        EXPECT_EQ(CompareView(*m, views, view, views.Views[view].Window, quarter, offset), "")
            << ViewCaption(view);
    }
}

// Small random models with shared corners and edges, both ways round, in every view and
// state, at scales where rings are stamped and where they are stroked, with the window
// partly off the model, odd grid spacings and odd iso angles.
TEST(PainterMatchesReference, RandomModelsAtManyScales) {
    const QSize size(160, 120);
    const ViewWindow windows[] = {
        {-2.5, -1.9, 5, 3.75},    // the whole model; rings of 3 pixels
        {-1.3, -0.7, 2.2, 1.65},  // part of it
        {-0.2, -0.1, 0.3, 0.25},  // rings of 50 pixels and more, stroked
        {-3, -1, 9, 2},           // unequal scales
    };
    std::mt19937 rng(7);
    for (unsigned seed = 1; seed <= 50; ++seed) {
        auto m = RandomModel(seed);
        ViewState views;
        views.HAngle = rng() % 72 * 5;
        views.VAngle = rng() % 72 * 5;
        for (int view = 0; view < VIEW_COUNT; ++view) {
            if (view < VIEW_ISO) views.SetGridIndex(view, int(rng() % 10));
            for (bool crossed : {false, true}) {
                views.CrossMarked = crossed;
                const ViewWindow& w = windows[(seed + view) % 4];
                EXPECT_EQ(CompareView(*m, views, view, w, size), "")
                    << "seed " << seed << ", " << ViewCaption(view) << (crossed ? ", crossed" : "");
            }
        }
    }
}

// Leftovers beyond the items in use, bad current items and degenerate windows.
TEST(PainterMatchesReference, StaleTablesAndEmptyWindows) {
    auto m = RandomModel(3);
    m->Points[m->NumPoints] = {1, 1, 1};
    m->PointMarked[m->NumPoints] = 1;
    m->Polygons[m->NumPolygons] = m->Polygons[1];  // a marked slot past the polygons in use
    m->PolygonMarked[m->NumPolygons] = 1;
    m->Polygons[0].CornerCount = 999;
    ViewState views;
    // Current items out of range, and on the stale slots just past the items in use.
    for (auto [point, polygon] : {std::pair<int, int>{-2, 400}, {m->NumPoints, m->NumPolygons}}) {
        m->CurrentPoint = int16_t(point);
        m->CurrentPolygon = int16_t(polygon);
        for (int view = 0; view < VIEW_COUNT; ++view) {
            EXPECT_EQ(CompareView(*m, views, view, {-2, -2, 4, 4}, {90, 90}), "") << view;
            EXPECT_EQ(CompareView(*m, views, view, {0, 0, 0, 3}, {90, 90}), "") << view;
        }
    }
    m->NumPoints = 0;
    m->NumPolygons = 0;
    EXPECT_EQ(CompareView(*m, views, VIEW_XY, {-2, -2, 4, 4}, {90, 90}), "");
}

}  // namespace
}  // namespace fw
