#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "FakeFileDialogs.h"
#include "ModelFileTestUtil.h"
#include "model/RecordingHost.h"
#include "modelfile/FileCommands.h"
#include "modelfile/StreamWriter.h"
#include "modelfile/TempModelFiles.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

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
    FakeFileDialogs dialogs;
    FileCommands files{ed, dialogs};
    std::string title;
};

TEST_F(FileCommandsTest, NewAndOpenAskBeforeDroppingChangesAndNewForgetsTheFile) {
    files.New();
    EXPECT_TRUE(host.questions.empty());
    Modify();
    host.answer = false;  // No: keep the changes
    files.New();
    dialogs.openAnswer = SavedTriangle("ship.pol").string();
    EXPECT_FALSE(files.Open());
    EXPECT_EQ(dialogs.openCalls, 0);
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(ed.Model().Points[0].X, 1);

    host.answer = true;
    EXPECT_TRUE(files.Open());
    EXPECT_EQ(ed.Model().NumPolygons, 1);
    EXPECT_EQ(title, TitleForPath(dialogs.openAnswer));
    EXPECT_EQ(ed.CurrentFilePath, dialogs.openAnswer);
    EXPECT_FALSE(ed.Model().Modified || ed.History().CanUndo());

    // New forgets the file: Save asks for a name, and a cancelled chooser writes nothing.
    const auto original = ReadBytes(dialogs.openAnswer);
    files.New();
    EXPECT_TRUE(ed.CurrentFilePath.empty());
    EXPECT_EQ(title, "Tunnelworks FACETWORK32");
    dialogs.saveAnswer = "";
    EXPECT_FALSE(files.Save());
    EXPECT_EQ(ReadBytes(dialogs.openAnswer), original);
}

TEST_F(FileCommandsTest, SaveAsWritesFileAndPreviewCopyAndSetsTitle) {
    Modify();
    dialogs.saveAnswer = (dir / "robot.pol").string();
    EXPECT_TRUE(files.SaveAs());
    EXPECT_EQ(title, TitleForPath(dialogs.saveAnswer));
    EXPECT_EQ(TitleForPath("c:/m/robot.pol"), "Tunnelworks FACETWORK32 - [C:/M/ROBOT.POL]");
    EXPECT_FALSE(ed.Model().Modified);

    std::string preview = TempModelPath(PREVIEW_COPY_NAME);
    ASSERT_FALSE(preview.empty());
    EXPECT_EQ(ReadBytes(preview), ReadBytes(dir / "robot.pol"));
    EXPECT_EQ(fs::status(fs::path(preview).parent_path()).permissions() & fs::perms::all,
              fs::perms::owner_all);
    files.Closing();
    EXPECT_FALSE(fs::exists(preview));
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
}

TEST_F(FileCommandsTest, OpenTellsWhenASortingPolygonCouldNotBeRecovered) {
    auto bytes = test::Serialize(*test::MakeRobotModel());
    test::SetShortAt(bytes, HeaderOffset::PlaneNormals + 12 + 2, 0x1234);  // submodel 1
    test::WriteBytes(dir / "planes.pol", bytes);
    EXPECT_TRUE(files.OpenPath((dir / "planes.pol").string()));
    EXPECT_EQ(host.LastStatus(),
              "Successfully opened file. No polygon matches the separation plane of submodel 1, "
              "so its sorting polygon is now 0.");
    EXPECT_EQ(host.LastKind(), 1);
}

TEST_F(FileCommandsTest, FailedSavesReportAndKeepTheModelModified) {
    Modify();
    dialogs.saveAnswer = (dir / "no-such-dir" / "x.pol").string();
    EXPECT_FALSE(files.SaveAs());
    // The system's reason follows the general message.
    EXPECT_EQ(host.LastStatus(), "General write error. Cannot create a temporary file for '" +
                                     dialogs.saveAnswer + "': No such file or directory");
    EXPECT_TRUE(ed.Model().Modified);

    // A failed check stops Save As before the chooser.
    ed.Model() = *test::MakeRobotModel();
    ed.Model().PointSubmodel[ed.Model().Polygons[0].Corners[1]] = 1;  // a spread polygon
    dialogs.saveAnswer = (dir / "never.pol").string();
    EXPECT_FALSE(files.SaveAs());
    EXPECT_EQ(host.messages.size(), 1u);  // the checker's warning
    EXPECT_EQ(host.LastStatus(), "Check/compress failed. Model not saved.");
    EXPECT_FALSE(fs::exists(dir / "never.pol"));
    EXPECT_TRUE(ed.CurrentFilePath.empty());
}

TEST_F(FileCommandsTest, SavingRunsTheCheckAsOneUndoStepAndTheWriteChangesNothing) {
    // Points out of submodel order: the check renumbers them, as an undoable step.
    ed.Model() = *test::MakeRobotModel();
    ModelStore& m = ed.Model();
    int loose = m.NumPoints++;  // a root point after the other submodels' points
    m.Points[loose] = {0, 0, 1};
    m.PointSubmodel[loose] = 0;
    ed.MarkLoaded();
    ASSERT_TRUE(files.SaveTo((dir / "robot.pol").string()));
    EXPECT_EQ(ed.History().UndoName(), CHECK_AND_COMPRESS_NAME);
    EXPECT_FALSE(m.Modified);

    // Writing copies never touches the model: not a byte of the store changes.
    ModelStore before = m;
    EXPECT_EQ(WriteModelFile(m, (dir / "copy.pol").string()), "");
    EXPECT_TRUE(m == before);
    EXPECT_EQ(ReadBytes(dir / "copy.pol"), ReadBytes(dir / "robot.pol"));
    // Saving again finds nothing to renumber: no second undo step.
    size_t steps = ed.History().UndoCount();
    ASSERT_TRUE(files.Save());
    EXPECT_EQ(ed.History().UndoCount(), steps);
}

TEST_F(FileCommandsTest, SaveAsAddsTheExtensionAndChoosersStartBesideTheFile) {
    dialogs.saveAnswer = (dir / "drone").string();
    ASSERT_TRUE(files.SaveAs());
    EXPECT_TRUE(fs::exists(dir / "drone.pol"));
    EXPECT_EQ(ed.CurrentFilePath, (dir / "drone.pol").string());
    EXPECT_EQ(WithModelExtension("a.b/model"), "a.b/model.pol");
    EXPECT_EQ(WithModelExtension("model.POL"), "model.POL");

    struct StartRecorder : FakeFileDialogs {
        std::string start;
        std::string ChooseOpenPath(const std::string& s) override { return start = s, ""; }
    } recorder;
    FileCommands withoutSetting{ed, recorder};
    withoutSetting.StartDirectory = [] { return std::string(); };
    withoutSetting.Open();
    EXPECT_EQ(fs::path(recorder.start), fs::absolute(dir.path_));
    ed.CurrentFilePath.clear();
    withoutSetting.Open();
    EXPECT_EQ(recorder.start, std::getenv("HOME"));
}

TEST_F(FileCommandsTest, AFailedPreviewCopyOnlyWarnsBesideASuccessfulSave) {
    Modify();
    // The private temporary folder cannot be made under a plain file.
    std::string oldTemp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    test::WriteBytes(dir / "not-a-folder", {1});
    setenv("TMPDIR", (dir / "not-a-folder").c_str(), 1);
    bool saved = files.SaveTo((dir / "kept.pol").string());
    setenv("TMPDIR", oldTemp.c_str(), 1);
    EXPECT_TRUE(saved);
    EXPECT_FALSE(ed.Model().Modified);
    EXPECT_TRUE(fs::exists(dir / "kept.pol"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Preview copy");
}

}  // namespace
}  // namespace fw
