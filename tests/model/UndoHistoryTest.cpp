#include <gtest/gtest.h>

#include <random>

#include "SnapshotUndoHistory.h"
#include "model/UndoHistory.h"

namespace fw {
namespace {

// Pushes the store, then changes it in a way each step n makes distinct.
void PushStep(UndoHistory& history, ModelStore& m, int n, const std::string& key = "") {
    history.Push("Step " + std::to_string(n), m, key);
    int p = m.NumPoints++;
    m.Points[p] = {double(n), -double(n), 0.5 * n};
    m.PointMarked[p] = uint8_t(n % 2);
    m.PointHidden[n % 7] = 2;
    m.Polygons[n].CornerUVL[1] = {float(n), 1.5f, 0};
    m.NumPolygons = int16_t(n / 3);
    m.CurrentPoint = int16_t(p);
    m.Submodels[n % MAX_SUBMODELS].SortPolygon = int16_t(n);
}

TEST(UndoHistory, EqualMergeKeysShareOneEntryAndTheOldestGoBeyondTheLimit) {
    ModelStore m, start;
    UndoHistory history;
    // Runs of "a" and "b", "b" again after a break ("|"), two without a key: five entries.
    int n = 0;
    for (const char* key : {"a", "a", "a", "b", "|b", "", ""}) {
        if (key[0] == '|') history.BreakMerge(), ++key;
        PushStep(history, m, ++n, key);
    }
    EXPECT_EQ(history.UndoCount(), 5u);
    while (history.Undo(m)) continue;
    EXPECT_TRUE(m == start);  // one undo took back the whole first run
    // An undo ends a run: the next push with the same key is an entry of its own.
    history.Redo(m);
    PushStep(history, m, 10, "a");
    EXPECT_EQ(history.UndoCount(), 2u);

    UndoHistory small(3);
    ModelStore s, third;
    for (n = 1; n <= 5; ++n) {
        if (n == 3) third = s;
        PushStep(small, s, n);
    }
    EXPECT_EQ(small.UndoCount(), 3u);
    while (small.Undo(s)) continue;
    EXPECT_TRUE(s == third);  // the two oldest states were let go
}

// A random change of the kind commands and the views make: coordinates (negative zero
// included), marks, hiding, current items, counts, corners, texture coordinates, submodels,
// the saved flag; now and then nothing at all.
void RandomChange(ModelStore& m, std::mt19937& rng) {
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    switch (pick(9)) {
        case 0:
            m.Points[pick(2) ? 0 : pick(MAX_POINTS)] = {pick(2) ? -0.0 : pick(100) * 0.125,
                                                        double(pick(9)), 1e9};
            break;
        case 1:
            m.PointMarked[pick(MAX_POINTS)] ^= 1;
            m.PolygonHidden[pick(MAX_POLYGONS)] = uint8_t(pick(3));
            break;
        case 2:
            m.CurrentPoint = int16_t(pick(MAX_POINTS));
            m.CurrentPolygon = int16_t(pick(MAX_POLYGONS));
            break;
        case 3:
            m.NumPoints = int16_t(pick(MAX_POINTS + 1));
            m.NumPolygons = int16_t(pick(MAX_POLYGONS + 1));
            break;
        case 4:
            m.Polygons[pick(MAX_POLYGONS)].Corners[pick(MAX_CORNERS)] = int16_t(pick(MAX_POINTS));
            m.Polygons[pick(MAX_POLYGONS)].CornerUVL[pick(MAX_CORNERS)].U = float(pick(64)) / 3;
            break;
        case 5:
            m.Submodels[pick(MAX_SUBMODELS)].Centre[pick(3)] = pick(50) - 25.5;
            // The store's last bytes, so that a difference running to its end is kept.
            m.PointRemap[pick(2) ? MAX_POINTS - 1 : pick(MAX_POINTS)] = int16_t(pick(MAX_POINTS));
            break;
        case 6:  // a whole block of points at once, as a paste or a resize does
            for (int i = 0; i < MAX_POINTS; i += 1 + pick(4)) m.Points[i].Y += 1;
            break;
        case 7:
            m.Modified = !m.Modified;
            m.TrailerValue2 = pick(1000);
            break;
        default:
            break;
    }
}

// Long random runs of pushes (merging and not), undos, redos and merge breaks, on the
// history and on the whole-copy history it replaces: every answer and every state the two
// give back must be the same.
TEST(UndoHistory, BehavesExactlyAsWholeCopiesDo) {
    for (size_t limit : {size_t(200), size_t(4), size_t(1)}) {
        std::mt19937 rng{unsigned(limit)};
        UndoHistory history(limit);
        SnapshotUndoHistory copies(limit);
        ModelStore m, c;
        const char* keys[] = {"", "", "a", "b"};
        for (int step = 0; step < 1500; ++step) {
            int what = int(rng() % 10);
            if (what < 5) {
                std::string name = "Step " + std::to_string(step), key = keys[rng() % 4];
                history.Push(name, m, key);
                copies.Push(name, c, key);
                RandomChange(m, rng);
                c = m;
            } else if (what < 7) {
                ASSERT_EQ(history.Undo(m), copies.Undo(c)) << step;
            } else if (what < 9) {
                ASSERT_EQ(history.Redo(m), copies.Redo(c)) << step;
            } else {
                history.BreakMerge();
                copies.BreakMerge();
            }
            ASSERT_TRUE(m == c) << "step " << step << ", limit " << limit;
            ASSERT_EQ(history.UndoCount(), copies.UndoCount()) << step;
            ASSERT_EQ(history.UndoName(), copies.UndoName()) << step;
            ASSERT_EQ(history.RedoName(), copies.RedoName()) << step;
            ASSERT_EQ(history.CanRedo(), copies.CanRedo()) << step;
        }
    }
}

}  // namespace
}  // namespace fw
