#include <gtest/gtest.h>

#include <tuple>

#include "FakeFileDialogs.h"
#include "GameDataBuilders.h"
#include "ModelFileTestUtil.h"
#include "model/RecordingHost.h"
#include "modelfile/ExchangeCommands.h"
#include "modelfile/FileFormats.h"
#include "modelfile/FormatFilters.h"
#include "modelfile/HxmFile.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

TEST(FormatFilters, FiltersLeaveOutTheEditorsOwnFormatAndExportLeavesOutTheHam) {
    std::string import = ImportFilter();
    EXPECT_EQ(import.substr(0, import.find(";;")),
              "All supported model files (*.json *.ham *.hxm *.pof *.obj)");
    EXPECT_EQ(import.find("*.pol"), std::string::npos);
    EXPECT_EQ(ExportFilter().substr(0, ExportFilter().find(";;")),
              "All supported model files (*.json *.hxm *.pof *.obj)");
    EXPECT_EQ(WithFilterExtension("/m/robot", "Wavefront OBJ (*.obj)"), "/m/robot.obj");
    EXPECT_EQ(WithFilterExtension("/m/robot.pof", "Wavefront OBJ (*.obj)"), "/m/robot.pof");
    EXPECT_EQ(WithFilterExtension("/m/robot", "All supported model files (*.json *.obj)"),
              "/m/robot");
    EXPECT_EQ(WithFilterExtension("", "Wavefront OBJ (*.obj)"), "");
}

class ExchangeCommandsTest : public ::testing::Test {
protected:
    ExchangeCommandsTest() {
        files.StartDirectory = [] { return std::string("/models"); };
        exchange.PickModel = [this](const std::string& path,
                                    const std::vector<GameFileModel>& models) {
            pickedFrom = path;
            offered = models;
            return pick;
        };
    }

    // A HAM of three models told apart by their texture counts (2, 3 and 4).
    fs::path ThreeModelHam() {
        test::HamBuilder ham;
        for (int i = 0; i < 3; ++i) ham.Models.push_back(test::SmallGameModel(i, 2 + i));
        test::WriteBytes(dir / "descent2.ham", ham.Build());
        return dir / "descent2.ham";
    }

    void Modify() {
        ed.Run("Move", [&] { ed.Model().Points[0].X += 1; });
    }

    test::TempDir dir;
    RecordingHost host;
    Editor ed{host};
    FakeFileDialogs dialogs;
    FileCommands files{ed, dialogs};
    ExchangeCommands exchange{ed, dialogs, files};
    int pick = -1;
    std::string pickedFrom;
    std::vector<GameFileModel> offered;
};

TEST_F(ExchangeCommandsTest, ImportingFromAHamPicksAModelAndLeavesItUnsavedWithoutAFile) {
    ed.CurrentFilePath = "/models/old.pol";
    dialogs.importAnswer = ThreeModelHam().string();
    pick = 1;
    ASSERT_TRUE(exchange.Import());
    EXPECT_EQ(dialogs.importFilter, ImportFilter());
    EXPECT_EQ(dialogs.importStart, "/models");  // where Open starts
    EXPECT_EQ(pickedFrom, dialogs.importAnswer);
    EXPECT_EQ(offered.size(), 3u);
    EXPECT_EQ(ed.Model().NumberOfTextures, 3);  // model 1
    // Modified and without a file: Save asks for a .pol name instead of writing the HAM.
    EXPECT_EQ(std::tuple(ed.Model().Modified, ed.CurrentFilePath, ed.History().CanUndo()),
              std::tuple(true, "", false));
    EXPECT_EQ(host.LastKind(), 1);
    EXPECT_EQ(host.LastStatus(), "Imported 1 submodel, 4 points and 2 polygons; nothing lost.");
    dialogs.saveAnswer = (dir / "robot").string();
    EXPECT_TRUE(files.Save());
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(ed.CurrentFilePath, (dir / "robot.pol").string());
    EXPECT_FALSE(ed.Model().Modified);
}

TEST_F(ExchangeCommandsTest, ImportAsksAsOpenDoesAndCancellingChangesNothing) {
    Modify();
    auto before = std::make_unique<ModelStore>(ed.Model());
    dialogs.importAnswer = ThreeModelHam().string();
    host.answer = false;  // keep the unsaved changes
    EXPECT_FALSE(exchange.Import());
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(dialogs.importFilter, "");  // the chooser never opened
    host.answer = true;
    pick = -1;  // the picker is cancelled
    EXPECT_FALSE(exchange.Import());
    EXPECT_EQ(offered.size(), 3u);
    EXPECT_TRUE(SameModelContent(*before, ed.Model()));
    EXPECT_TRUE(ed.History().CanUndo());
    dialogs.importAnswer.clear();  // the chooser is cancelled
    EXPECT_FALSE(exchange.Import());
    EXPECT_TRUE(SameModelContent(*before, ed.Model()));
}

TEST_F(ExchangeCommandsTest, AnHxmOfOneModelNeedsNoPickerAndNamedModelsSkipIt) {
    test::HxmBuilder one;
    one.Models = {{7, test::SmallGameModel(0, 3)}};
    test::WriteBytes(dir / "one.hxm", one.Build());
    EXPECT_TRUE(exchange.ImportPath((dir / "one.hxm").string()));
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(ed.Model().NumberOfTextures, 3);

    test::HxmBuilder two = one;
    two.Models.push_back({9, test::SmallGameModel(0, 4)});
    test::WriteBytes(dir / "two.hxm", two.Build());
    pick = 9;  // the number of the model it replaces
    EXPECT_TRUE(exchange.ImportPath((dir / "two.hxm").string()));
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[1].Number, 9);
    EXPECT_EQ(ed.Model().NumberOfTextures, 4);
    offered.clear();
    EXPECT_TRUE(exchange.ImportPath(ThreeModelHam().string() + "#2"));
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(ed.Model().NumberOfTextures, 4);
}

TEST_F(ExchangeCommandsTest, BadFilesGiveAMessageNamingThemAndChangeNothing) {
    auto before = std::make_unique<ModelStore>(ed.Model());
    test::WriteBytes(dir / "broken.ham", {'H', 'A', 'M', '!', 3, 0});
    for (std::string name : {"broken.ham", "missing.obj", "robot.pol", "x.txt"}) {
        host.Clear();
        std::string path = (dir / name).string();
        EXPECT_FALSE(exchange.ImportPath(path)) << name;
        ASSERT_EQ(host.messages.size(), 1u) << name;
        EXPECT_EQ(host.messages[0].title, "Import");
        EXPECT_NE(host.messages[0].text.find(path), std::string::npos) << host.messages[0].text;
        EXPECT_EQ(host.LastKind(), -1);
        EXPECT_TRUE(SameModelContent(*before, ed.Model())) << name;
    }
    EXPECT_EQ(host.messages[0].text, "Cannot import " + (dir / "x.txt").string() +
                                         ": use a .json, .ham, .hxm, .pof or .obj file.");
    EXPECT_TRUE(offered.empty());
}

TEST_F(ExchangeCommandsTest, ExportWritesThroughTheTableAndLeavesTheModelAlone) {
    ed.Model() = *test::MakeRobotModel();
    ed.MarkLoaded();
    ed.CurrentFilePath = "/models/robot.pol";
    Modify();
    auto before = std::make_unique<ModelStore>(ed.Model());
    dialogs.exportAnswer = (dir / "robot.pof").string();
    ASSERT_TRUE(exchange.Export()) << host.LastStatus();
    EXPECT_EQ(dialogs.exportFilter, ExportFilter());
    EXPECT_EQ(dialogs.exportStart, "/models");
    EXPECT_GT(ReadBytes(dir / "robot.pof").size(), 4u);
    EXPECT_EQ(ed.CurrentFilePath, "/models/robot.pol");
    EXPECT_TRUE(ed.Model().Modified);
    EXPECT_TRUE(SameModelContent(*before, ed.Model()));
    EXPECT_EQ(host.LastStatus(), "Exported the model to " + dialogs.exportAnswer + ".");

    // The OBJ writer gets the options' names and pictures.
    exchange.Options = [] {
        FormatOptions o;
        o.TexturePicture = [](int n) { return std::vector<uint8_t>{uint8_t(n)}; };
        return o;
    };
    ASSERT_TRUE(exchange.ExportTo((dir / "robot.obj").string()));
    EXPECT_EQ(ReadBytes(dir / "tex12.png"), std::vector<uint8_t>{12});
}

TEST_F(ExchangeCommandsTest, ExportRefusalsNameTheReasonAndWriteNothing) {
    ed.Model() = *test::MakeRobotModel();
    int asked = 0, answer = 500;
    exchange.AskReplacedModel = [&] { return ++asked, answer; };
    std::string hxm = (dir / "robot.hxm").string();
    EXPECT_FALSE(exchange.ExportTo(hxm));
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Cannot export to " + hxm +
                                         ": Model number 500 is outside the game's 166 models "
                                         "(0 to 165).");
    EXPECT_FALSE(fs::exists(hxm));
    answer = -1;  // cancelled: no message
    EXPECT_FALSE(exchange.ExportTo(hxm));
    EXPECT_EQ(host.messages.size(), 1u);
    answer = 12;
    ASSERT_TRUE(exchange.ExportTo(hxm)) << host.messages.back().text;
    HxmFile read;
    ASSERT_EQ(ReadHxmFile(hxm, read), "");
    EXPECT_EQ(read.Models.at(0).Number, 12);

    EXPECT_FALSE(exchange.ExportTo((dir / "robot.ham").string()));
    EXPECT_EQ(host.messages.back().text, "Cannot export to " + (dir / "robot.ham").string() +
                                             ": use a .json, .hxm, .pof or .obj file.");
    dialogs.exportAnswer.clear();
    host.Clear();
    EXPECT_FALSE(exchange.Export());
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace fw
