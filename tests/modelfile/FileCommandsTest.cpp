#include <gtest/gtest.h>

#include <filesystem>

#include "ModelFileTestUtil.h"
#include "model/RecordingHost.h"
#include "modelfile/FileCommands.h"
#include "modelfile/StreamWriter.h"
#include "modelfile/TempModelFiles.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

struct FakeDialogs : FileDialogs {
    std::string openAnswer, saveAnswer, lastStart;
    int openCalls = 0, saveCalls = 0;
    std::string ChooseOpenPath(const std::string& s) override {
        return lastStart = s, ++openCalls, openAnswer;
    }
    std::string ChooseSavePath(const std::string& s) override {
        return lastStart = s, ++saveCalls, saveAnswer;
    }
};

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest() {
        files.SetTitle = [this](const std::string& t) { title = t; };
        files.StartDirectory = [] { return std::string("/models"); };
    }

    // A triangle in submodel 0, saved as `name`.
    fs::path SavedTriangle(const std::string& name) {
        EXPECT_EQ(WriteModelFile(*test::MakeChainModel(0), (dir / name).string()), "");
        return dir / name;
    }

    void Modify() {
        ed.Run("Move", [&] { ed.Model().Points[0].X += 1; });
        ASSERT_TRUE(ed.Model().Modified);
    }

    test::TempDir dir;
    RecordingHost host;
    Editor ed{host};
    FakeDialogs dialogs;
    FileCommands files{ed, dialogs};
    std::string title;
};

TEST_F(FileCommandsTest, NewAndCloseAskOnlyWhenModified) {
    files.New();
    EXPECT_EQ(host.LastStatus(), "Started new model");
    EXPECT_TRUE(files.CanClose());
    EXPECT_TRUE(host.questions.empty());

    Modify();
    host.answer = false;  // No: keep the changes
    files.New();
    EXPECT_FALSE(files.CanClose());
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(ed.Model().Points[0].X, 1);

    host.answer = true;
    files.New();
    EXPECT_EQ(ed.Model().Points[0].X, 0);
    EXPECT_FALSE(ed.Model().Modified || ed.History().CanUndo());
}

TEST_F(FileCommandsTest, SaveAsWritesFileAndPreviewCopyAndSetsTitle) {
    files.Save();  // unnamed: asks for a name; cancelling changes nothing
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(dialogs.lastStart, "/models");
    EXPECT_EQ(title, "");
    EXPECT_TRUE(dir.Files().empty());

    Modify();
    dialogs.saveAnswer = (dir / "robot.pol").string();
    EXPECT_TRUE(files.SaveAs());
    EXPECT_EQ(ed.CurrentFilePath, dialogs.saveAnswer);
    EXPECT_EQ(title, TitleForPath(dialogs.saveAnswer));
    EXPECT_EQ(TitleForPath("c:/m/robot.pol"), "Tunnelworks FACETWORK32 - [C:/M/ROBOT.POL]");
    EXPECT_EQ(host.LastStatus(), "Wrote model with 0 polygons, 1 points and 1 submodels");
    EXPECT_FALSE(ed.Model().Modified);

    std::string preview = TempModelPath(PREVIEW_COPY_NAME);
    ASSERT_FALSE(preview.empty());
    EXPECT_EQ(ReadBytes(preview), ReadBytes(dir / "robot.pol"));
    EXPECT_EQ(fs::status(fs::path(preview).parent_path()).permissions() & fs::perms::all,
              fs::perms::owner_all);

    // Saved: New asks nothing. Save now writes to the same name without a dialog.
    host.Clear();
    files.New();
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(files.Save());
    EXPECT_EQ(dialogs.saveCalls, 2);

    files.Closing();
    EXPECT_FALSE(fs::exists(preview));
    files.Closing();  // a missing copy is no error
}

TEST_F(FileCommandsTest, OpenReadsFileSetsTitleAndClearsHistory) {
    fs::path p = SavedTriangle("ship.pol");
    Modify();
    dialogs.openAnswer = p.string();
    bool afterOpen = false;
    files.AfterOpen = [&] { afterOpen = true; };
    EXPECT_TRUE(files.Open());
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(ed.Model().NumPolygons, 1);
    EXPECT_EQ(host.LastStatus(), "Successfully opened file.");
    EXPECT_EQ(title, TitleForPath(p.string()));
    EXPECT_EQ(ed.CurrentFilePath, p.string());
    EXPECT_FALSE(ed.Model().Modified || ed.History().CanUndo());
    EXPECT_TRUE(afterOpen);

    // Declining the question, or cancelling the chooser, reads nothing.
    Modify();
    host.answer = false;
    EXPECT_FALSE(files.Open());
    EXPECT_EQ(dialogs.openCalls, 1);
    host.answer = true;
    dialogs.openAnswer.clear();
    EXPECT_FALSE(files.Open());
    EXPECT_TRUE(ed.Model().Modified);
}

TEST_F(FileCommandsTest, RefusedOpenKeepsEverythingButAPartlyReadFileIsForgotten) {
    fs::path good = SavedTriangle("good.pol");
    ASSERT_TRUE(files.OpenPath(good.string()));
    const std::string goodTitle = title;
    Modify();
    fs::path bad = dir / "bad.pol";
    test::WriteBytes(bad, {'X', 'Y', 'Z', 'W', 1, 0, 0, 0});
    EXPECT_FALSE(files.OpenPath(bad.string()));
    EXPECT_EQ(host.LastStatus(), "Not a ZPMF .POL file");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(ed.CurrentFilePath, good.string());
    EXPECT_EQ(title, goodTitle);
    EXPECT_TRUE(ed.Model().Modified);

    // A triangle whose corner count is patched to 21: the read stops part way.
    auto bytes = ReadBytes(good);
    const size_t polygon = MODEL_HEADER_SIZE + 8 + 3 * 12;
    ASSERT_EQ(test::ShortAt(bytes, polygon), d_flatpoly);
    test::SetShortAt(bytes, polygon + 2, 21);
    fs::path big = dir / "big.pol";
    test::WriteBytes(big, bytes);
    EXPECT_FALSE(files.OpenPath(big.string()));
    EXPECT_EQ(host.LastStatus(), "Cannot handle more than 20 sided polygons (is 21)");
    EXPECT_TRUE(ed.CurrentFilePath.empty());
    EXPECT_EQ(title, "Tunnelworks FACETWORK32");
    test::ExpectConsistentStore(ed.Model());
    EXPECT_EQ(ed.Model().NumPoints, 3);  // what was read before the polygon stays

    // Save now asks for a name; cancelling it leaves the unreadable file as it was.
    files.Save();
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(ReadBytes(big), bytes);
}

TEST_F(FileCommandsTest, FailedWritesReportAndKeepModified) {
    Modify();
    dialogs.saveAnswer = (dir / "no-such-dir" / "x.pol").string();
    EXPECT_FALSE(files.SaveAs());
    EXPECT_EQ(host.LastStatus(), "General write error.");
    EXPECT_TRUE(ed.Model().Modified);
    EXPECT_NE(title.find("X.POL]"), std::string::npos);  // title follows the chosen name

    // A polygon spread over two submodels stops Save As before the chooser.
    ed.Model() = *test::MakeChainModel(0);
    ed.Model().PointSubmodel[2] = 1;
    EXPECT_FALSE(files.SaveAs());
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(host.LastStatus(), "Check/compress failed. Model not saved.");
    EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
}  // namespace fw
