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

TEST(UndoHistory, UndoAndRedoWalkBackAndForthExactly) {
    ModelStore m;
    NewModel(m);
    UndoHistory history;
    std::vector<std::unique_ptr<ModelStore>> states;
    states.push_back(std::make_unique<ModelStore>(m));
    for (int n = 1; n <= 12; ++n) {
        history.Push("Step " + std::to_string(n), m);
        Step(m, n);
        states.push_back(std::make_unique<ModelStore>(m));
    }
    EXPECT_EQ(history.UndoCount(), 12u);
    EXPECT_EQ(history.UndoName(), "Step 12");

    for (int n = 11; n >= 0; --n) {
        ASSERT_TRUE(history.Undo(m));
        EXPECT_TRUE(SameWholeStore(m, *states[n])) << "after undoing to state " << n;
    }
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo(m));
    EXPECT_TRUE(SameWholeStore(m, *states[0]));
    EXPECT_EQ(history.RedoName(), "Step 1");

    for (int n = 1; n <= 12; ++n) {
        ASSERT_TRUE(history.Redo(m));
        EXPECT_TRUE(SameWholeStore(m, *states[n])) << "after redoing to state " << n;
    }
    EXPECT_FALSE(history.Redo(m));

    // Back three, then a new step: the redo branch is gone.
    for (int i = 0; i < 3; ++i) history.Undo(m);
    history.Push("Other", m);
    Step(m, 99);
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(history.Undo(m));
    EXPECT_TRUE(SameWholeStore(m, *states[9]));
}

TEST(UndoHistory, EqualMergeKeysShareOneEntry) {
    ModelStore m;
    UndoHistory history;
    ModelStore start = m;
    for (int n = 1; n <= 5; ++n) {
        history.Push("Move Points", m, "move 1 +");
        Step(m, n);
    }
    EXPECT_EQ(history.UndoCount(), 1u);
    history.Push("Move Points", m, "move 2 +");  // another key starts a new entry
    Step(m, 6);
    EXPECT_EQ(history.UndoCount(), 2u);
    history.BreakMerge();
    ModelStore beforeSeventh = m;
    history.Push("Move Points", m, "move 2 +");  // the same key after a break does too
    Step(m, 7);
    EXPECT_EQ(history.UndoCount(), 3u);
    history.Push("Insert Point", m);  // no key never merges
    Step(m, 8);
    history.Push("Insert Point", m);
    Step(m, 9);
    EXPECT_EQ(history.UndoCount(), 5u);

    history.Undo(m);
    history.Undo(m);
    history.Undo(m);
    EXPECT_TRUE(SameWholeStore(m, beforeSeventh));
    history.Undo(m);
    history.Undo(m);
    EXPECT_TRUE(SameWholeStore(m, start));  // one undo took back the whole first run

    // An undo ends a run: the next push with the same key is an entry of its own.
    history.Redo(m);
    history.Push("Move Points", m, "move 1 +");
    Step(m, 10);
    EXPECT_EQ(history.UndoCount(), 2u);
}

TEST(UndoHistory, KeepsHundredsOfLevelsAndDropsTheOldestBeyondTheLimit) {
    ModelStore m;
    NewModel(m);
    UndoHistory history;
    for (int n = 1; n <= 150; ++n) {
        history.Push("Step", m);
        Step(m, n);
    }
    EXPECT_EQ(history.UndoCount(), 150u);
    int undone = 0;
    while (history.Undo(m)) ++undone;
    EXPECT_EQ(undone, 150);
    ModelStore fresh;
    NewModel(fresh);
    EXPECT_TRUE(SameWholeStore(m, fresh));

    UndoHistory small(3);
    ModelStore s;
    std::vector<ModelStore> states;
    for (int n = 1; n <= 5; ++n) {
        states.push_back(s);
        small.Push("Step", s);
        Step(s, n);
    }
    EXPECT_EQ(small.UndoCount(), 3u);
    while (small.Undo(s)) {
    }
    EXPECT_TRUE(SameWholeStore(s, states[2]));  // the two oldest states were let go

    small.Clear();
    EXPECT_FALSE(small.CanUndo());
    EXPECT_FALSE(small.CanRedo());
    EXPECT_EQ(small.UndoName(), "");
}

}  // namespace
}  // namespace fw
