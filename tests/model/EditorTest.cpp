#include <gtest/gtest.h>

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
    void MovePoint0(double x) {
        ed.Run("Move", [&] { ed.Model().Points[0].X = x; });
    }
};

TEST_F(EditorTest, ModifiedExactlyWhenContentDiffersFromSaved) {
    ModelStore start = ed.Model();
    for (int n = 1; n <= 120; ++n) MovePoint0(n);
    for (int n = 0; n < 119; ++n) ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);
    ed.Undo();
    EXPECT_FALSE(ed.Model().Modified);  // back at the loaded state, every level kept
    EXPECT_TRUE(SameModelContent(ed.Model(), start));
    ed.Redo();
    ed.MarkSaved();  // saved at X = 1
    ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);  // before the save differs from the file
    ed.Redo();
    // Changing and changing back by hand also counts as unmodified. Discarding asks only
    // when modified; "No" stops the caller.
    MovePoint0(7);
    EXPECT_FALSE(ed.ConfirmDiscard());
    host.answer = false;
    EXPECT_TRUE(ed.ConfirmDiscard());
    MovePoint0(1);
    EXPECT_FALSE(ed.Model().Modified);
    EXPECT_FALSE(ed.ConfirmDiscard());
    EXPECT_EQ(host.questions.size(), 2u);

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

TEST_F(EditorTest, RefreshSetsTheSubmodelMenuCaptionsWithTheGuardSet) {
    ed.Model().NumSubmodels = 8;
    ed.Model().CurrentSubmodel = 5;
    ed.RefreshAfterEdit(2);
    EXPECT_EQ(host.currentCaption, "In current submodel (5)");
    EXPECT_EQ(host.newCaption, "In a new submodel (8)");
    ed.Model().NumSubmodels = 10;
    ed.Model().CurrentSubmodel = 12;  // brought in
    ed.RefreshAfterEdit(1);
    EXPECT_EQ(host.currentCaption, "In current submodel (9)");
    EXPECT_EQ(host.newCaption, "In a new submodel");
    EXPECT_FALSE(host.newEnabled);

    // Lists refilled during the refresh must see the guard set, and only then.
    struct GuardWatchingHost : RecordingHost {
        Editor* ed = nullptr;
        bool guardSeen = false;
        void Refresh(int) override { guardSeen = ed->RefreshInProgress; }
    } watcher;
    Editor watched(watcher);
    watcher.ed = &watched;
    watched.RefreshAfterEdit(1);
    EXPECT_TRUE(watcher.guardSeen && !watched.RefreshInProgress);
}

}  // namespace
}  // namespace fw
