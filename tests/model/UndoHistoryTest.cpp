#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "FullStoreCompare.h"
#include "model/UndoHistory.h"

namespace fw {
namespace {

// A store that differs from a new one in a way each step n makes distinct.
void Step(ModelStore& m, int n) {
    int p = m.NumPoints++;
    m.Points[p] = {double(n), -double(n), 0.5 * n};
    m.PointMarked[p] = uint8_t(n % 2);
    m.PointHidden[n % 7] = 2;
    if (n % 3 == 0) {
        PolygonRecord& poly = m.Polygons[m.NumPolygons++];
        poly.CornerCount = 3;
        poly.Corners = {0, int16_t(p), int16_t(p - 1)};
        poly.CornerUVL[1] = {float(n), 1.5f, 0};
    }
    m.CurrentPoint = int16_t(p);
    m.Submodels[n % MAX_SUBMODELS].SortPolygon = int16_t(n);
}

void PushStep(UndoHistory& history, ModelStore& m, int n, const std::string& key = "") {
    history.Push("Step " + std::to_string(n), m, key);
    Step(m, n);
}

TEST(UndoHistory, UndoAndRedoWalkBackAndForthExactly) {
    ModelStore m;
    UndoHistory history;
    std::vector<std::unique_ptr<ModelStore>> states;
    states.push_back(std::make_unique<ModelStore>(m));
    for (int n = 1; n <= 12; ++n) {
        PushStep(history, m, n);
        states.push_back(std::make_unique<ModelStore>(m));
    }
    EXPECT_EQ(history.UndoName(), "Step 12");
    for (int n = 11; n >= 0; --n) {
        ASSERT_TRUE(history.Undo(m));
        EXPECT_TRUE(SameWholeStore(m, *states[n])) << "after undoing to state " << n;
    }
    EXPECT_FALSE(history.Undo(m));
    EXPECT_EQ(history.RedoName(), "Step 1");
    for (int n = 1; n <= 12; ++n) {
        ASSERT_TRUE(history.Redo(m));
        EXPECT_TRUE(SameWholeStore(m, *states[n])) << "after redoing to state " << n;
    }
    EXPECT_FALSE(history.Redo(m));

    // Back three, then a new step: the redo branch is gone.
    for (int i = 0; i < 3; ++i) history.Undo(m);
    PushStep(history, m, 99);
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(history.Undo(m));
    EXPECT_TRUE(SameWholeStore(m, *states[9]));
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
    EXPECT_TRUE(SameWholeStore(m, start));  // one undo took back the whole first run
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
    EXPECT_TRUE(SameWholeStore(s, third));  // the two oldest states were let go
    small.Clear();
    EXPECT_FALSE(small.CanUndo() || small.CanRedo());
}

}  // namespace
}  // namespace fw
