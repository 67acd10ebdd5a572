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

TEST_F(EditorTest, OnlyContentChangesMakeUndoSteps) {
    ed.Run("Mark", [&] {
        ed.Model().PointMarked[0] = 1;
        CountMarkedPoints(ed.Model());
    });
    ed.Run("Hide", [&] { ed.Model().PointHidden[0] = 2; });
    EXPECT_EQ(ed.History().UndoCount(), 0u);
    EXPECT_FALSE(ed.Model().Modified);

    MovePoint0(1.5);
    EXPECT_EQ(ed.History().UndoCount(), 1u);
    EXPECT_EQ(ed.History().UndoName(), "Move");
    EXPECT_TRUE(ed.Model().Modified);

    // Undo gives back the whole store as it was before the command, marks included.
    ModelStore before = ed.Model();
    MovePoint0(2.5);
    EXPECT_TRUE(ed.Undo());
    EXPECT_TRUE(SameWholeStore(ed.Model(), before));
    EXPECT_TRUE(ed.Redo());
    EXPECT_EQ(ed.Model().Points[0].X, 2.5);
    EXPECT_FALSE(ed.Redo());
}

TEST_F(EditorTest, ModifiedFollowsTheSavedState) {
    MovePoint0(1);
    MovePoint0(2);
    EXPECT_TRUE(ed.Model().Modified);
    ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);
    ed.Undo();
    EXPECT_FALSE(ed.Model().Modified);  // back at the loaded state
    ed.Redo();
    EXPECT_TRUE(ed.Model().Modified);

    ed.MarkSaved();  // saved at X = 1
    EXPECT_FALSE(ed.Model().Modified);
    ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);  // before the save differs from the file
    ed.Redo();
    EXPECT_FALSE(ed.Model().Modified);

    // Changing and changing back by hand also counts as unmodified.
    MovePoint0(7);
    MovePoint0(1);
    EXPECT_FALSE(ed.Model().Modified);
    EXPECT_EQ(ed.History().UndoCount(), 3u);

    ed.MarkLoaded();  // opening a file starts a fresh history
    EXPECT_FALSE(ed.History().CanUndo());
    EXPECT_FALSE(ed.Undo());
}

TEST_F(EditorTest, ManyLevelsUndoBackToTheStart) {
    ModelStore start = ed.Model();
    for (int n = 1; n <= 120; ++n) MovePoint0(n);
    EXPECT_EQ(ed.History().UndoCount(), 120u);
    for (int n = 119; n >= 0; --n) {
        ASSERT_TRUE(ed.Undo());
        EXPECT_EQ(ed.Model().Points[0].X, n);
    }
    EXPECT_TRUE(SameWholeStore(ed.Model(), start));
    EXPECT_FALSE(ed.Model().Modified);
}

TEST_F(EditorTest, MergedRunsUndoInOneStep) {
    for (int n = 1; n <= 5; ++n)
        ed.Run(
            "Move Points", [&] { ed.Model().Points[0].Y += 0.1; }, "move 2 +");
    ed.EndMerge();
    ed.Run(
        "Move Points", [&] { ed.Model().Points[0].Y += 0.1; }, "move 2 +");
    EXPECT_EQ(ed.History().UndoCount(), 2u);
    ed.Undo();
    ed.Undo();
    EXPECT_EQ(ed.Model().Points[0].Y, 0);
    EXPECT_FALSE(ed.Model().Modified);
}

TEST_F(EditorTest, ConfirmDiscardAsksOnlyWhenModified) {
    EXPECT_FALSE(ed.ConfirmDiscard());
    EXPECT_TRUE(host.questions.empty());

    MovePoint0(3);
    host.answer = true;
    EXPECT_FALSE(ed.ConfirmDiscard());  // Yes: go on and lose the changes
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].title, "Warning");
    EXPECT_EQ(host.questions[0].text,
              "File has not been saved yet. Do you really want to do this?");
    host.answer = false;
    EXPECT_TRUE(ed.ConfirmDiscard());  // No: the caller stops

    ed.Undo();
    EXPECT_FALSE(ed.ConfirmDiscard());
    EXPECT_EQ(host.questions.size(), 2u);
}

TEST_F(EditorTest, RefreshSetsTheSubmodelMenuCaptions) {
    ModelStore& m = ed.Model();
    ed.RefreshAfterEdit(1);
    EXPECT_EQ(host.currentCaption, "In current submodel (0)");
    EXPECT_EQ(host.newCaption, "In a new submodel (1)");
    EXPECT_TRUE(host.newEnabled);
    ASSERT_FALSE(host.refreshes.empty());
    EXPECT_EQ(host.refreshes.back(), 1);

    m.NumSubmodels = 8;
    m.CurrentSubmodel = 5;
    ed.RefreshAfterEdit(0);
    EXPECT_EQ(host.currentCaption, "In current submodel (5)");
    EXPECT_EQ(host.newCaption, "In a new submodel (8)");
    EXPECT_TRUE(host.newEnabled);

    m.NumSubmodels = 9;
    ed.RefreshAfterEdit(2);
    EXPECT_EQ(host.newCaption, "In a new submodel");
    EXPECT_FALSE(host.newEnabled);
    m.NumSubmodels = 10;
    ed.RefreshAfterEdit(2);
    EXPECT_EQ(host.newCaption, "In a new submodel");
    EXPECT_FALSE(host.newEnabled);
    EXPECT_EQ(host.refreshes.back(), 2);

    // A current item beyond the items in use is brought back in.
    m.CurrentSubmodel = 12;
    ed.RefreshAfterEdit(0);
    EXPECT_EQ(m.CurrentSubmodel, 9);
    EXPECT_EQ(host.currentCaption, "In current submodel (9)");
}

// Lists refilled during the refresh must see the guard set, and only then.
class GuardWatchingHost : public RecordingHost {
public:
    Editor* ed = nullptr;
    bool guardDuringRefresh = false;
    void Refresh(int kind) override {
        guardDuringRefresh = ed->RefreshInProgress;
        RecordingHost::Refresh(kind);
    }
};

TEST(EditorRefresh, GuardIsSetOnlyWhileTheWindowRefreshes) {
    GuardWatchingHost host;
    Editor ed(host);
    host.ed = &ed;
    ed.RefreshAfterEdit(1);
    EXPECT_TRUE(host.guardDuringRefresh);
    EXPECT_FALSE(ed.RefreshInProgress);
}

}  // namespace
}  // namespace fw
