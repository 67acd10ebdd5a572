#include <gtest/gtest.h>

#include "FullStoreCompare.h"
#include "model/Editor.h"
#include "model/RecordingHost.h"

namespace fw {
namespace {

class EditorTest : public ::testing::Test {
protected:
    RecordingHost host;
    Editor ed{host};

    void SetUp() override {
        NewModel(ed.Model());
        ed.MarkLoaded();
    }
    // A content change, as an editing command would make it.
    void MovePoint0(double x) {
        ed.Run("Move", [&] { ed.Model().Points[0].X = x; });
    }
};

TEST_F(EditorTest, ModifiedExactlyWhenContentDiffersFromSaved) {
    // Marks and hiding are not content: no undo entry, not modified.
    ed.Run("Mark", [&] { ed.Model().PointMarked[0] = 1, CountMarkedPoints(ed.Model()); });
    ed.Run("Hide", [&] { ed.Model().PointHidden[0] = 2; });
    EXPECT_EQ(ed.History().UndoCount(), 0u);
    EXPECT_FALSE(ed.Model().Modified);

    ModelStore start = ed.Model();
    for (int n = 1; n <= 120; ++n) MovePoint0(n);
    for (int n = 0; n < 119; ++n) ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);
    ed.Undo();
    EXPECT_FALSE(ed.Model().Modified);               // back at the loaded state, every level kept
    EXPECT_TRUE(SameWholeStore(ed.Model(), start));  // marks included
    ed.Redo();
    ed.MarkSaved();  // saved at X = 1
    ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);  // before the save differs from the file
    ed.Redo();
    // Changing and changing back by hand also counts as unmodified.
    MovePoint0(7);
    MovePoint0(1);
    EXPECT_FALSE(ed.Model().Modified);

    ed.MarkLoaded();  // opening a file starts a fresh history
    EXPECT_FALSE(ed.Undo());
}

TEST_F(EditorTest, AnotherCommandEndsARunOfMergedSteps) {
    auto move = [&] { ed.Run("Move", [&] { ed.Model().Points[0].X += 1; }, "keypad-1"); };
    move();
    move();
    ed.Run("Mark", [&] { ed.Model().PointMarked[0] = 1; });  // no content change, still a break
    move();
    EXPECT_EQ(ed.History().UndoCount(), 2u);
    ed.Undo();
    EXPECT_EQ(ed.Model().Points[0].X, 2);
}

TEST_F(EditorTest, ConfirmDiscardAsksOnlyWhenModified) {
    EXPECT_FALSE(ed.ConfirmDiscard());
    MovePoint0(3);
    EXPECT_FALSE(ed.ConfirmDiscard());  // Yes: go on and lose the changes
    host.answer = false;
    EXPECT_TRUE(ed.ConfirmDiscard());  // No: the caller stops
    ed.Undo();
    EXPECT_FALSE(ed.ConfirmDiscard());
    ASSERT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(host.questions[0].text,
              "File has not been saved yet. Do you really want to do this?");
}

TEST_F(EditorTest, RefreshSetsTheSubmodelMenuCaptionsWithTheGuardSet) {
    struct Case {
        int submodels, current;
        const char *currentCaption, *newCaption;
    } cases[] = {
        {8, 5, "In current submodel (5)", "In a new submodel (8)"},
        {9, 5, "In current submodel (5)", "In a new submodel"},
        {10, 12, "In current submodel (9)", "In a new submodel"},  // current brought in
    };
    for (const Case& c : cases) {
        ed.Model().NumSubmodels = int16_t(c.submodels);
        ed.Model().CurrentSubmodel = int16_t(c.current);
        ed.RefreshAfterEdit(c.submodels % 3);
        EXPECT_EQ(host.currentCaption, c.currentCaption);
        EXPECT_EQ(host.newCaption, c.newCaption);
        EXPECT_EQ(host.newEnabled, c.submodels < 9);
        EXPECT_EQ(host.refreshes.back(), c.submodels % 3);
    }

    // Lists refilled during the refresh must see the guard set, and only then.
    struct GuardWatchingHost : RecordingHost {
        Editor* ed = nullptr;
        bool guardDuringRefresh = false;
        void Refresh(int) override { guardDuringRefresh = ed->RefreshInProgress; }
    } watcher;
    Editor watched(watcher);
    watcher.ed = &watched;
    watched.RefreshAfterEdit(1);
    EXPECT_TRUE(watcher.guardDuringRefresh);
    EXPECT_FALSE(watched.RefreshInProgress);
}

}  // namespace
}  // namespace fw
