#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "model/UndoHistory.h"

namespace fw {
namespace {

// Every field and every slot of two whole stores (Modified aside, which the editor recomputes).
bool SameWholeStore(const ModelStore& a, const ModelStore& b) {
    auto fields = [](const ModelStore& m) {
        return std::tie(m.Points, m.PointSubmodel, m.PointMarked, m.PointHidden, m.PolygonMarked,
                        m.PolygonHidden, m.Submodels, m.NumPoints, m.NumPolygons, m.NumSubmodels,
                        m.NumMarkedPoints, m.NumMarkedPolygons, m.CurrentPoint, m.CurrentPolygon,
                        m.CurrentSubmodel, m.NumberOfTextures, m.FirstModelTexture, m.SimplerModel,
                        m.HeaderReserved, m.TrailerValue1, m.TrailerValue2, m.PointRemap);
    };
    auto polygon = [](const PolygonRecord& p) {
        return std::tie(p.Corners, p.CornerCount, p.TextureNumber, p.FlatColour, p.CornerUVL);
    };
    return fields(a) == fields(b) &&
           std::equal(a.Polygons.begin(), a.Polygons.end(), b.Polygons.begin(),
                      [&](const auto& p, const auto& q) { return polygon(p) == polygon(q); });
}

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

TEST(UndoHistory, UndoAndRedoWalkBackAndForthExactly) {
    ModelStore m;
    UndoHistory history;
    std::vector<ModelStore> states{m};
    for (int n = 1; n <= 12; ++n) PushStep(history, m, n), states.push_back(m);
    for (int n = 11; n >= 0; --n) {
        ASSERT_TRUE(history.Undo(m));
        EXPECT_TRUE(SameWholeStore(m, states[n])) << "after undoing to state " << n;
    }
    EXPECT_FALSE(history.Undo(m));
    for (int n = 1; n <= 12; ++n) {
        ASSERT_TRUE(history.Redo(m));
        EXPECT_TRUE(SameWholeStore(m, states[n])) << "after redoing to state " << n;
    }

    // Back three, then a new step: the redo branch is gone.
    for (int i = 0; i < 3; ++i) history.Undo(m);
    PushStep(history, m, 99);
    EXPECT_FALSE(history.CanRedo());
    ASSERT_TRUE(history.Undo(m));
    EXPECT_TRUE(SameWholeStore(m, states[9]));
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
}

}  // namespace
}  // namespace fw
