// Repaints of the views on the largest model, each view at 960x540 and the four views in the
// quarters of a 1920x1080 window, beside two floors measured in the same run:
// - Floor: QPainter drawing exactly the strokes the reference drawing makes (every edge once
//   per polygon and again when marked, a ring per corner, the same radii, the same calls),
//   listed beforehand so that only the drawing is timed.
// - Reference: the frozen reference drawing itself, listing included.
// The painter's ratio to either is its time divided by theirs. DistinctStrokes draws only
// the strokes the painter keeps, listed beforehand: the least any QPainter drawing of the
// same picture can cost.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "BenchApp.h"
#include "views/ReferenceViewPainter.h"
#include "views/SampleModels.h"
#include "views/ViewPainter.h"
#include "views/ViewScene.h"

namespace {

const QSize VIEW_SIZE(960, 540);
const QSize WINDOW_SIZE(1920, 1080);

// The largest model with every view's window sized as the editor sizes it on a 1920x1080
// single view: one model unit is 1000 twips.
struct Fixture {
    std::unique_ptr<fw::ModelStore> model = fw::LargestModel();
    fw::ViewState views;
    QImage image{WINDOW_SIZE, QImage::Format_RGB32};
    Fixture() {
        fw::EnsureBenchApp();
        for (int v = 0; v < fw::VIEW_COUNT; ++v)
            views.InitWindow(v, WINDOW_SIZE.width(), WINDOW_SIZE.height());
    }
};

using PaintOne = std::function<void(QPainter&, int view)>;

void PaintEach(benchmark::State& state, Fixture& f, const PaintOne& paint) {
    int view = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QPainter p(&f.image);
        paint(p, view);
    }
    state.SetLabel(fw::ViewCaption(view));
}

// The four views in the quarters of the window, each through a moved painter as a window's
// child widgets are painted.
void PaintFour(benchmark::State& state, Fixture& f, const PaintOne& paint) {
    for (auto _ : state) {
        QPainter p(&f.image);
        for (int v = 0; v < fw::VIEW_COUNT; ++v) {
            p.save();
            p.translate((v % 2) * VIEW_SIZE.width(), (v / 2) * VIEW_SIZE.height());
            paint(p, v);
            p.restore();
        }
    }
}

// The strokes of every view, listed once.
struct Listed {
    std::array<fw::ViewScene, fw::VIEW_COUNT> scenes;
    Listed(const Fixture& f, bool keepRepeats) {
        for (int v = 0; v < fw::VIEW_COUNT; ++v)
            scenes[v].Build(*f.model, f.views, v, f.views.Views[v].Window, VIEW_SIZE, keepRepeats);
    }
    PaintOne Painter() const {
        return [this](QPainter& p, int v) { fw::PaintScene(p, scenes[v], VIEW_SIZE); };
    }
};

PaintOne Painter(const Fixture& f) {
    return [&f](QPainter& p, int v) { fw::ViewPainter(*f.model, f.views).Paint(p, v, VIEW_SIZE); };
}
PaintOne Reference(const Fixture& f) {
    return [&f](QPainter& p, int v) {
        fw::ReferenceViewPainter(*f.model, f.views).Paint(p, v, VIEW_SIZE);
    };
}

void BM_PaintView(benchmark::State& state) {
    Fixture f;
    PaintEach(state, f, Painter(f));
}
BENCHMARK(BM_PaintView)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_FloorView(benchmark::State& state) {
    Fixture f;
    Listed all(f, true);
    PaintEach(state, f, all.Painter());
    state.counters["strokes"] = all.scenes[state.range(0)].StrokesIssued();
}
BENCHMARK(BM_FloorView)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_ReferenceView(benchmark::State& state) {
    Fixture f;
    PaintEach(state, f, Reference(f));
}
BENCHMARK(BM_ReferenceView)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_DistinctStrokesView(benchmark::State& state) {
    Fixture f;
    Listed distinct(f, false);
    PaintEach(state, f, distinct.Painter());
    state.counters["strokes"] = distinct.scenes[state.range(0)].StrokesKept();
}
BENCHMARK(BM_DistinctStrokesView)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_PaintFourViews(benchmark::State& state) {
    Fixture f;
    PaintFour(state, f, Painter(f));
}
BENCHMARK(BM_PaintFourViews)->Unit(benchmark::kMillisecond);

void BM_FloorFourViews(benchmark::State& state) {
    Fixture f;
    Listed all(f, true);
    PaintFour(state, f, all.Painter());
}
BENCHMARK(BM_FloorFourViews)->Unit(benchmark::kMillisecond);

void BM_ReferenceFourViews(benchmark::State& state) {
    Fixture f;
    PaintFour(state, f, Reference(f));
}
BENCHMARK(BM_ReferenceFourViews)->Unit(benchmark::kMillisecond);

void BM_DistinctStrokesFourViews(benchmark::State& state) {
    Fixture f;
    Listed distinct(f, false);
    PaintFour(state, f, distinct.Painter());
}
BENCHMARK(BM_DistinctStrokesFourViews)->Unit(benchmark::kMillisecond);

}  // namespace
