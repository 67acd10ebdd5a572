#include <gtest/gtest.h>

#include <tuple>

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
    for (int n = 1; n <= 120; ++n) MovePoint0(n);
    for (int n = 0; n < 119; ++n) ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);
    ed.Undo();
    EXPECT_FALSE(ed.Model().Modified);  // back at the loaded state, every level kept
    ed.Redo();
    ed.MarkSaved();  // saved at X = 1
    ed.Undo();
    EXPECT_TRUE(ed.Model().Modified);  // before the save differs from the file
    ed.Redo();
    // Changing and changing back by hand also counts as unmodified. Discarding asks only
    // when modified; "No" stops the caller.
    MovePoint0(7);
    host.answer = false;
    EXPECT_TRUE(ed.ConfirmDiscard());
    MovePoint0(1);
    EXPECT_FALSE(ed.Model().Modified);
    EXPECT_FALSE(ed.ConfirmDiscard());
    EXPECT_EQ(host.questions.size(), 1u);

    ed.MarkLoaded();  // opening a file starts a fresh history
    EXPECT_FALSE(ed.Undo());
}

TEST_F(EditorTest, AnotherCommandEndsARunOfMergedSteps) {
    auto move = [&] {
        ed.Run(
            "Move", [&] { ed.Model().Points[0].X += 1; }, "keypad-1");
    };
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
    ed.Notify(ChangeSet::All());
    EXPECT_EQ(host.currentCaption, "In current submodel (5)");
    EXPECT_EQ(host.newCaption, "In a new submodel (8)");
    ed.Model().NumSubmodels = 10;
    ed.Model().CurrentSubmodel = 12;  // brought in
    ed.Notify(ChangeSet::All());
    EXPECT_EQ(host.currentCaption, "In current submodel (9)");
    EXPECT_EQ(host.newCaption, "In a new submodel");
    EXPECT_FALSE(host.newEnabled);

    // Lists refilled during the refresh must see the guard set, and only then.
    struct GuardWatchingHost : RecordingHost {
        Editor* ed = nullptr;
        bool guardSeen = false;
        void Refresh(const EditNotice&) override { guardSeen = ed->RefreshInProgress; }
    } watcher;
    Editor watched(watcher);
    watcher.ed = &watched;
    watched.Notify(Change::View);
    EXPECT_TRUE(watcher.guardSeen);
    EXPECT_FALSE(watched.RefreshInProgress);
}

// A listener that records what it saw when it was told, to check that the state was final.
struct SeeingListener : EditListener {
    Editor* ed = nullptr;
    std::vector<EditNotice> notices;
    std::vector<size_t> undoCounts;
    std::vector<bool> modified;
    void EditFinished(const EditNotice& notice) override {
        notices.push_back(notice);
        undoCounts.push_back(ed->History().UndoCount());
        modified.push_back(ed->Model().Modified);
    }
};

TEST_F(EditorTest, ListenersHearOncePerCommandAfterUndoAndModifiedAreFinal) {
    SeeingListener listener;
    listener.ed = &ed;
    ed.AddListener(&listener);
    // A command that changes several things, and runs another command inside it: still one
    // notice, and only once everything is recorded.
    ed.Run("Move", [&] {
        ed.Model().Points[0].X = 4;
        ed.Run("Inner", [&] { ed.Model().PointMarked[0] = 1; });
        EXPECT_TRUE(listener.notices.empty());
    });
    ASSERT_EQ(listener.notices.size(), 1u);
    ASSERT_EQ(host.notices.size(), 1u);
    const EditNotice& first = listener.notices[0];
    EXPECT_EQ(std::tuple(listener.undoCounts[0], bool(listener.modified[0]),
                         first.changes.Has(Change::Geometry), first.changes.Has(Change::Marks),
                         first.changes.Has(Change::Structure), first.refreshKind),
              std::tuple(size_t(1), true, true, true, false, int(REFRESH_PREVIEW)));

    // Marks alone repaint the views but touch no saved content.
    ed.Run("Mark", [&] { ed.Model().PointMarked[0] = 0; });
    EXPECT_EQ(listener.notices.back().refreshKind, REFRESH_VIEWS);
    EXPECT_EQ(ed.History().UndoCount(), 1u);

    ed.Undo();
    EXPECT_EQ(std::tuple(listener.notices.size(), listener.undoCounts.back(),
                         bool(listener.modified.back())),
              std::tuple(size_t(3), size_t(0), false));
    EXPECT_EQ(host.LastStatus(), "Undone: Move");
    ed.RemoveListener(&listener);
    ed.Redo();
    EXPECT_EQ(listener.notices.size(), 3u);
    EXPECT_EQ(host.LastStatus(), "Redone: Move");
}

TEST_F(EditorTest, RefusedCommandLeavesTheStoreExactlyAsItWas) {
    ModelStore& m = ed.Model();
    m.Points[1] = {1, 2, 3};
    m.NumPoints = 2;
    m.PointMarked[1] = 1;
    m.NumMarkedPoints = m.CurrentPoint = 1;
    ed.UpdateModified();
    ModelStore before = ed.Model();
    CommandResult result = ed.Run("Half done", [&] {
        ed.Model().Points[1].X = 99;
        ed.Model().PointMarked.fill(0);
        ed.Model().CurrentPoint = 0;
        return Refused("Cannot do that.");
    });
    EXPECT_TRUE(result.Refused());
    EXPECT_TRUE(ed.Model() == before);
    EXPECT_FALSE(ed.History().CanUndo());
    EXPECT_EQ(host.LastStatus(), "Cannot do that.");
    EXPECT_EQ(host.LastKind(), -1);
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_TRUE(host.notices[0].changes.Empty());
}

}  // namespace
}  // namespace fw
