#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "model/RecordingHost.h"
#include "modelfile/FileCommands.h"
#include "modelfile/ModelFile.h"
#include "modelfile/TempModelFiles.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

struct FakeDialogs : FileDialogs {
    std::string openAnswer, saveAnswer;
    std::vector<std::string> startDirs;
    int openCalls = 0, saveCalls = 0;
    std::string ChooseOpenPath(const std::string& start) override {
        ++openCalls;
        startDirs.push_back(start);
        return openAnswer;
    }
    std::string ChooseSavePath(const std::string& start) override {
        ++saveCalls;
        startDirs.push_back(start);
        return saveAnswer;
    }
};

std::vector<char> ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& p, const std::vector<char>& bytes) {
    std::ofstream(p, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("fw-filecmd-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        files.SetTitle = [this](const std::string& t) { title = t; };
        files.StartDirectory = [] { return std::string("/models"); };
    }
    void TearDown() override { fs::remove_all(dir); }

    // A triangle in submodel 0, saved as `name`; leaves the editor with that model.
    fs::path SavedTriangle(const std::string& name) {
        ModelStore& m = ed.Model();
        NewModel(m);
        m.NumPoints = 3;
        m.Points[1] = {1, 0, 0};
        m.Points[2] = {0, 1, 0};
        m.NumPolygons = 1;
        m.Polygons[0].CornerCount = 3;
        m.Polygons[0].Corners = {0, 1, 2};
        m.Polygons[0].TextureNumber = -1;
        m.Polygons[0].FlatColour = DEFAULT_FLAT_COLOUR;
        fs::path p = dir / name;
        EXPECT_EQ(WriteModelFile(m, p.string()), "");
        return p;
    }

    void Modify() {
        ed.Run("Move", [&] { ed.Model().Points[0].X += 1; });
        ASSERT_TRUE(ed.Model().Modified);
    }

    fs::path dir;
    RecordingHost host;
    Editor ed{host};
    FakeDialogs dialogs;
    FileCommands files{ed, dialogs};
    std::string title;
};

TEST_F(FileCommandsTest, NewStartsEmptyModelAndAsksOnlyWhenModified) {
    files.New();
    EXPECT_TRUE(host.questions.empty());
    ASSERT_GE(host.statuses.size(), 2u);
    EXPECT_EQ(host.statuses.front().text, "");
    EXPECT_EQ(host.LastStatus(), "Started new model");
    EXPECT_EQ(host.LastKind(), 1);
    EXPECT_EQ(title, "");  // New keeps the title and the path

    Modify();
    host.Clear();
    host.answer = false;  // No: keep the changes
    files.New();
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].title, "Warning");
    EXPECT_EQ(ed.Model().Points[0].X, 1);
    EXPECT_NE(host.LastStatus(), "Started new model");

    host.answer = true;
    files.New();
    EXPECT_EQ(ed.Model().Points[0].X, 0);
    EXPECT_FALSE(ed.Model().Modified);
    EXPECT_FALSE(ed.History().CanUndo());
}

TEST_F(FileCommandsTest, SaveOfUnnamedModelAsksForNameAndCancelChangesNothing) {
    files.Save();
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(dialogs.startDirs.back(), "/models");
    EXPECT_TRUE(ed.CurrentFilePath.empty());
    EXPECT_EQ(title, "");
    EXPECT_EQ(host.LastStatus(), "");  // cancelling shows no message
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(FileCommandsTest, SaveAsWritesFileAndPreviewCopyAndSetsTitle) {
    Modify();
    dialogs.saveAnswer = (dir / "robot.pol").string();
    EXPECT_TRUE(files.SaveAs());
    EXPECT_EQ(ed.CurrentFilePath, dialogs.saveAnswer);
    EXPECT_TRUE(fs::exists(dir / "robot.pol"));
    std::string upper = dialogs.saveAnswer;
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(title, "Tunnelworks FACETWORK32 - [" + upper + "]");
    EXPECT_EQ(host.LastStatus(), "Wrote model with 0 polygons, 1 points and 1 submodels");
    EXPECT_EQ(host.LastKind(), 1);
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
    EXPECT_EQ(dialogs.saveCalls, 1);

    files.Closing();
    EXPECT_FALSE(fs::exists(preview));
    files.Closing();  // a missing copy is no error
}

TEST_F(FileCommandsTest, OpenReadsFileSetsTitleAndClearsHistory) {
    fs::path p = SavedTriangle("ship.pol");
    NewModel(ed.Model());
    Modify();
    dialogs.openAnswer = p.string();
    host.answer = true;
    bool afterOpen = false;
    files.AfterOpen = [&] { afterOpen = true; };
    EXPECT_TRUE(files.Open());
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(dialogs.startDirs.back(), "/models");
    EXPECT_EQ(ed.Model().NumPolygons, 1);
    EXPECT_EQ(ed.Model().NumPoints, 3);
    EXPECT_EQ(host.LastStatus(), "Successfully opened file.");
    EXPECT_EQ(host.LastKind(), 1);
    EXPECT_NE(title.find("SHIP.POL]"), std::string::npos);
    EXPECT_EQ(ed.CurrentFilePath, p.string());
    EXPECT_FALSE(ed.Model().Modified);
    EXPECT_FALSE(ed.History().CanUndo());
    EXPECT_TRUE(afterOpen);
    EXPECT_EQ(host.refreshes.back(), 2);

    // Declining the question, or cancelling the chooser, reads nothing.
    Modify();
    host.answer = false;
    EXPECT_FALSE(files.Open());
    EXPECT_EQ(dialogs.openCalls, 1);
    host.answer = true;
    dialogs.openAnswer.clear();
    EXPECT_FALSE(files.Open());
    EXPECT_EQ(ed.Model().Points[0].X, 1);
}

// A file of 20 points and one 20-corner flat polygon whose corner count is patched to 21.
fs::path WriteOversizedPolygonFile(const fs::path& p) {
    ModelStore m;
    NewModel(m);
    m.NumPoints = 20;
    m.NumPolygons = 1;
    m.Polygons[0].CornerCount = 20;
    for (int i = 0; i < 20; ++i) {
        m.Points[i] = {double(i), double(i * i % 7), 0};
        m.Polygons[0].Corners[i] = int16_t(i);
    }
    m.Polygons[0].TextureNumber = -1;
    EXPECT_EQ(WriteModelFile(m, p.string()), "");
    auto bytes = ReadBytes(p);
    bool patched = false;
    for (size_t i = 746; i + 3 < bytes.size() && !patched; i += 2)
        if (bytes[i] == 2 && bytes[i + 1] == 0 && bytes[i + 2] == 20 && bytes[i + 3] == 0) {
            bytes[i + 2] = 21;
            patched = true;
        }
    EXPECT_TRUE(patched);
    WriteBytes(p, bytes);
    return p;
}

TEST_F(FileCommandsTest, RefusedOpenKeepsModelAndPath) {
    fs::path good = SavedTriangle("good.pol");
    ASSERT_TRUE(files.OpenPath(good.string()));
    std::string goodTitle = title;
    Modify();

    fs::path bad = dir / "bad.pol";
    WriteBytes(bad, {'X', 'Y', 'Z', 'W', 1, 0, 0, 0});
    EXPECT_FALSE(files.OpenPath(bad.string()));
    EXPECT_EQ(host.LastStatus(), "Not a ZPMF .POL file");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(ed.CurrentFilePath, good.string());
    EXPECT_EQ(title, goodTitle);
    EXPECT_TRUE(ed.Model().Modified);
    EXPECT_EQ(ed.Model().NumPolygons, 1);

    EXPECT_FALSE(files.OpenPath((dir / "missing.pol").string()));
    EXPECT_EQ(host.LastStatus(), "File " + (dir / "missing.pol").string() + " not found.");
}

TEST_F(FileCommandsTest, PartlyReadFileIsNotOverwrittenByLaterSave) {
    fs::path good = SavedTriangle("good.pol");
    ASSERT_TRUE(files.OpenPath(good.string()));
    fs::path big = WriteOversizedPolygonFile(dir / "big.pol");
    auto bigBytes = ReadBytes(big);

    EXPECT_FALSE(files.OpenPath(big.string()));
    EXPECT_EQ(host.LastStatus(), "Cannot handle more than 20 sided polygons (is 21)");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_TRUE(ed.CurrentFilePath.empty());
    EXPECT_EQ(title, "Tunnelworks FACETWORK32");
    const ModelStore& m = ed.Model();
    EXPECT_LE(m.NumPoints, MAX_POINTS);
    EXPECT_LE(m.NumPolygons, MAX_POLYGONS);
    for (int i = 0; i < m.NumPolygons; ++i)
        for (int c = 0; c < m.Polygons[i].CornerCount; ++c)
            EXPECT_LT(m.Polygons[i].Corners[c], m.NumPoints);

    // Save now asks for a name; cancelling it leaves the unreadable file as it was.
    files.Save();
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(ReadBytes(big), bigBytes);
}

TEST_F(FileCommandsTest, FailedWritesReportAndKeepModified) {
    Modify();
    dialogs.saveAnswer = (dir / "no-such-dir" / "x.pol").string();
    EXPECT_FALSE(files.SaveAs());
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(host.LastStatus(), "General write error.");
    EXPECT_TRUE(ed.Model().Modified);
    EXPECT_NE(title.find("X.POL]"), std::string::npos);  // title follows the chosen name

    // A polygon spread over two submodels stops Save As before the chooser.
    ModelStore& m = ed.Model();
    m.NumPoints = 3;
    m.PointSubmodel[2] = 1;
    m.NumPolygons = 1;
    m.Polygons[0].CornerCount = 3;
    m.Polygons[0].Corners = {0, 1, 2};
    m.Polygons[0].TextureNumber = -1;
    host.Clear();
    EXPECT_FALSE(files.SaveAs());
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(host.LastStatus(), "Check/compress failed. Model not saved.");
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(m.PolygonMarked[0], 1);
}

TEST_F(FileCommandsTest, CloseAsksOnlyWithUnsavedChanges) {
    EXPECT_TRUE(files.CanClose());
    EXPECT_TRUE(host.questions.empty());
    Modify();
    host.answer = false;
    EXPECT_FALSE(files.CanClose());
    host.answer = true;
    EXPECT_TRUE(files.CanClose());
    EXPECT_EQ(host.questions.size(), 2u);
}

}  // namespace
}  // namespace fw
