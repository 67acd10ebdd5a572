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
    EXPECT_EQ(ed.History().UndoName(), "Move");
    for (int n = 0; n < 119; ++n) ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);
    ed.Undo();
    EXPECT_FALSE(ed.Model().Modified);               // back at the loaded state, every level kept
    EXPECT_TRUE(SameWholeStore(ed.Model(), start));  // marks included
    ed.Redo();
    EXPECT_EQ(ed.Model().Points[0].X, 1);
    ed.MarkSaved();  // saved at X = 1
    EXPECT_FALSE(ed.Model().Modified);
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

TEST_F(EditorTest, ConfirmDiscardAsksOnlyWhenModified) {
    EXPECT_FALSE(ed.ConfirmDiscard());
    EXPECT_TRUE(host.questions.empty());
    MovePoint0(3);
    EXPECT_FALSE(ed.ConfirmDiscard());  // Yes: go on and lose the changes
    ASSERT_EQ(host.questions.size(), 1u);
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
    struct Case {
        int submodels, current;
        const char *currentCaption, *newCaption;
        bool newEnabled;
    } cases[] = {
        {1, 0, "In current submodel (0)", "In a new submodel (1)", true},
        {8, 5, "In current submodel (5)", "In a new submodel (8)", true},
        {9, 5, "In current submodel (5)", "In a new submodel", false},
        {10, 12, "In current submodel (9)", "In a new submodel", false},  // current brought in
    };
    for (const Case& c : cases) {
        m.NumSubmodels = int16_t(c.submodels);
        m.CurrentSubmodel = int16_t(c.current);
        ed.RefreshAfterEdit(c.submodels % 3);
        EXPECT_EQ(host.currentCaption, c.currentCaption);
        EXPECT_EQ(host.newCaption, c.newCaption);
        EXPECT_EQ(host.newEnabled, c.newEnabled) << c.submodels;
        EXPECT_EQ(host.refreshes.back(), c.submodels % 3);
    }
}

// Lists refilled during the refresh must see the guard set, and only then.
TEST(EditorRefresh, GuardIsSetOnlyWhileTheWindowRefreshes) {
    struct GuardWatchingHost : RecordingHost {
        Editor* ed = nullptr;
        bool guardDuringRefresh = false;
        void Refresh(int) override { guardDuringRefresh = ed->RefreshInProgress; }
    } host;
    Editor ed(host);
    host.ed = &ed;
    ed.RefreshAfterEdit(1);
    EXPECT_TRUE(host.guardDuringRefresh);
    EXPECT_FALSE(ed.RefreshInProgress);
}

}  // namespace
}  // namespace fw
