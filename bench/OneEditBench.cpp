// One edit end to end: a keypad move of the marked points of the largest model in the
// four-view window, each view about 960x540, with the Points list shown, from the key press
// to the end of the repaint. The floor, in the same run, repaints the same window's four
// views without an edit.
#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QTreeView>
#include <QTreeWidget>
#include <QSplitter>
#include <QTemporaryDir>

#include "BenchApp.h"
#include "config/Settings.h"
#include "edit/CommandTable.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ModeListModel.h"
#include "mainwindow/StripContext.h"
#include "mainwindow/ModeListPanel.h"
#include "mainwindow/ViewArea.h"
#include "model/RecordingHost.h"
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
        ed.Notify(fw::ChangeSet::All());
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

// From the key to the end of the refresh, without the repaint it asks for (posted repaints
// merge, so the loop ends with one). The same benchmark, built against the window before the
// command pipeline, gives the "before" figure.
void BM_OneEditKeyToRefresh(benchmark::State& state) {
    EditWindow w;
    int step = 0;
    for (auto _ : state) w.Key(step++ % 2 ? Qt::Key_2 : Qt::Key_8);
    QCoreApplication::processEvents();
}
BENCHMARK(BM_OneEditKeyToRefresh)->Unit(benchmark::kMicrosecond);

// The command pipeline without painting: the keypad move through Editor::Run and the one
// refresh of lists and panels, against the floor of copying the store once (Run takes one
// snapshot per command).
void BM_OneEditCommandAndRefresh(benchmark::State& state) {
    EditWindow w;
    fw::Editor& ed = w.window->GetEditor();
    const fw::ArgValue up[] = {{2, 0, ""}, {1, 0, ""}, {1, 0, ""}};
    const fw::ArgValue down[] = {{2, 0, ""}, {-1, 0, ""}, {1, 0, ""}};
    const fw::CommandEntry& move = *fw::EditingCommands().Find("MoveMarkedPoints");
    int step = 0;
    for (auto _ : state) fw::RunCommand(ed, move, step++ % 2 ? down : up);
}
BENCHMARK(BM_OneEditCommandAndRefresh)->Unit(benchmark::kMicrosecond);

void BM_OneEditFloorStoreCopy(benchmark::State& state) {
    auto model = fw::LargestModel();
    auto copy = std::make_unique<fw::ModelStore>();
    for (auto _ : state) {
        *copy = *model;
        benchmark::DoNotOptimize(copy->Points[0]);
    }
}
BENCHMARK(BM_OneEditFloorStoreCopy)->Unit(benchmark::kMicrosecond);

// The Points list before and after it became a model over the store: 512 widget rows made
// anew on every refresh, against telling the view that the data changed. Both without the
// repaint that follows (the same visible rows either way): posted repaints merge, so each
// loop ends with one.
void BM_PointsListWidgetRows(benchmark::State& state) {
    fw::EnsureBenchApp();
    auto model = fw::LargestModel();
    QTreeWidget list;
    list.resize(300, 600);
    list.show();
    for (auto _ : state) {
        list.clear();
        QList<QTreeWidgetItem*> rows;
        for (int i = 0; i < model->NumPoints; ++i) {
            const fw::PointRecord& p = model->Points[i];
            rows << new QTreeWidgetItem({QString::number(i), model->PointMarked[i] ? "#" : "",
                                         fw::FormatNumber(p.X, 3), fw::FormatNumber(p.Y, 3),
                                         fw::FormatNumber(p.Z, 3),
                                         QString::number(model->PointSubmodel[i])});
        }
        list.addTopLevelItems(rows);
        list.setCurrentItem(list.topLevelItem(7));
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_PointsListWidgetRows)->Unit(benchmark::kMicrosecond);

void BM_PointsListModelRefresh(benchmark::State& state) {
    fw::EnsureBenchApp();
    fw::RecordingHost host;
    fw::Editor editor(host);
    editor.Model() = *fw::LargestModel();
    fw::ModeListModel rows(editor);
    QTreeView list;
    list.setUniformRowHeights(true);
    list.setModel(&rows);
    list.resize(300, 600);
    list.show();
    list.setCurrentIndex(rows.index(7, 0));
    QCoreApplication::processEvents();
    for (auto _ : state) rows.Refresh(fw::Change::Geometry);
    QCoreApplication::processEvents();
}
BENCHMARK(BM_PointsListModelRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace
