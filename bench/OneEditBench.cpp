// One edit end to end: a keypad move of the marked points of the largest model in the
// four-view window, each view about 960x540, with the Points list shown, from the key press
// to the end of the repaint. The floor, in the same run, repaints the same window's four
// views without an edit.
#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QSplitter>
#include <QTemporaryDir>

#include "BenchApp.h"
#include "config/Settings.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ModeListPanel.h"
#include "mainwindow/ViewArea.h"
#include "views/SampleModels.h"
#include "views/ViewWidget.h"

namespace {

const QSize VIEW_SIZE(960, 540);

struct EditWindow {
    QTemporaryDir dir;
    fw::Settings settings{dir.path().toStdString()};
    std::unique_ptr<fw::MainWindow> window;

    EditWindow() {
        fw::EnsureBenchApp();
        window = std::make_unique<fw::MainWindow>(settings);
        window->resize(2400, 1300);
        window->show();
        window->Quadmode();
        window->ModeList()->SetMode(fw::ModeListPanel::Points);
        Settle();
        // Grow or shrink the window by what the views lack or have over 960x540.
        for (int i = 0; i < 4 && View()->size() != VIEW_SIZE; ++i) {
            window->resize(window->size() + 2 * (VIEW_SIZE - View()->size()));
            Settle();
            window->Area()->Splitter()->setSizes({1, 1});
            Settle();
        }
        fw::Editor& ed = window->GetEditor();
        ed.Model() = *fw::LargestModel();
        ed.MarkLoaded();
        window->FrameModel();
        ed.RefreshAfterEdit(2);
        Settle();
        View()->setFocus();
    }
    fw::ViewWidget* View(int v = fw::VIEW_XY) const { return window->Area()->View(v); }
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    void Key(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeypadModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::KeypadModifier);
        QCoreApplication::sendEvent(View(), &press);
        QCoreApplication::sendEvent(View(), &release);
    }
};

void BM_OneEditKeypadMove(benchmark::State& state) {
    EditWindow w;
    int step = 0;
    for (auto _ : state) {
        w.Key(step++ % 2 ? Qt::Key_2 : Qt::Key_8);  // up and down again: new undo steps
        QCoreApplication::processEvents();          // the repaint the edit asked for
    }
    state.counters["view_w"] = w.View()->width();
    state.counters["view_h"] = w.View()->height();
}
BENCHMARK(BM_OneEditKeypadMove)->Unit(benchmark::kMillisecond);

void BM_OneEditFloorRepaintOnly(benchmark::State& state) {
    EditWindow w;
    for (auto _ : state) {
        for (int v = 0; v < fw::VIEW_COUNT; ++v) w.View(v)->update();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OneEditFloorRepaintOnly)->Unit(benchmark::kMillisecond);

}  // namespace
