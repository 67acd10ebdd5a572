// Undo memory: one hundred steps that each move one point of the largest model, as separate
// undo entries. The history counts what it holds (BytesUsed); the floor is the history that
// kept a whole copy of the store per entry, run side by side. Counters: "added_MiB" what the
// hundred steps add, "floor_MiB" what whole copies add, and their ratio.
#include <benchmark/benchmark.h>

#include "model/Editor.h"
#include "model/RecordingHost.h"
#include "model/SnapshotUndoHistory.h"  // kept with the tests
#include "views/SampleModels.h"

namespace {

constexpr int STEPS = 100;
constexpr double MIB = 1024.0 * 1024.0;

void MovePoint(fw::ModelStore& m, int step) {
    m.Points[(step * 37) % fw::MAX_POINTS].X += 0.125;
}

void BM_UndoHundredPointMoves(benchmark::State& state) {
    fw::RecordingHost host;
    double added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fw::Editor ed(host);
        ed.Model() = *fw::LargestModel();
        ed.MarkLoaded();
        size_t before = ed.History().BytesUsed();
        state.ResumeTiming();
        for (int step = 0; step < STEPS; ++step)
            ed.Run("Move Point", [&] { MovePoint(ed.Model(), step); });
        state.PauseTiming();
        added = double(ed.History().BytesUsed() - before);
        state.ResumeTiming();
    }
    state.counters["added_MiB"] = added / MIB;
    state.counters["floor_MiB"] = STEPS * double(sizeof(fw::ModelStore)) / MIB;
    state.counters["ratio"] = added / (STEPS * double(sizeof(fw::ModelStore)));
}
BENCHMARK(BM_UndoHundredPointMoves)->Unit(benchmark::kMillisecond);

// The floor: the same hundred steps recorded as whole copies, as Editor::Run records them.
void BM_WholeCopyHundredPointMoves(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto m = fw::LargestModel();
        fw::SnapshotUndoHistory history;
        state.ResumeTiming();
        for (int step = 0; step < STEPS; ++step) {
            auto before = std::make_unique<fw::ModelStore>(*m);
            MovePoint(*m, step);
            if (!fw::SameModelContent(*before, *m)) history.Push("Move Point", *before, "");
        }
        benchmark::DoNotOptimize(history.UndoCount());
    }
    state.counters["added_MiB"] = STEPS * double(sizeof(fw::ModelStore)) / MIB;
}
BENCHMARK(BM_WholeCopyHundredPointMoves)->Unit(benchmark::kMillisecond);

// Taking the hundred steps back and forth again.
void BM_UndoRedoHundredSteps(benchmark::State& state) {
    fw::RecordingHost host;
    fw::Editor ed(host);
    ed.Model() = *fw::LargestModel();
    ed.MarkLoaded();
    for (int step = 0; step < STEPS; ++step)
        ed.Run("Move Point", [&] { MovePoint(ed.Model(), step); });
    for (auto _ : state) {
        while (ed.Undo()) continue;
        while (ed.Redo()) continue;
    }
    state.counters["peak_MiB"] = double(ed.History().BytesUsed()) / MIB;
}
BENCHMARK(BM_UndoRedoHundredSteps)->Unit(benchmark::kMillisecond);

}  // namespace
