#include <QImage>
#include <QInputDialog>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>

#include "GameDataBuilders.h"
#include "MainWindowFixture.h"
#include "mainwindow/GameModelPicker.h"
#include "mainwindow/StatusLine.h"
#include "modelfile/FormatFilters.h"
#include "textures/TextureCatalogue.h"
#include "viewer/TextureSource.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

const std::string ROBOT = std::string(FW_SOURCE_DIR) + "/examples/robot.pol";

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A picture shows the model when some pixel differs from the background of its corner.
bool ShowsSomething(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != picture.pixel(0, 0)) return true;
    return false;
}

// A square drawn from both sides (two flat polygons with opposite normals), so that the
// renderer, which culls what faces away as the game does, shows it from any angle.
GameModel DoubleSidedSquare(int textures) {
    test::GameBytes s;
    s.DefpStart(0, {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}});
    for (int side : {1, -1}) {
        s.Short(2).Short(4).Vec(0, 0, 0).Vec(0, 0, side).Short(0x7C00);
        for (int c = 0; c < 4; ++c) s.Short(side > 0 ? c : 3 - c);
        s.Short(0);  // pads four indices to an odd count
    }
    s.Eof();
    ModelRecordFields f;
    f.NumSubmodels = 1;
    f.Parents.fill(255);
    f.NumberOfTextures = static_cast<uint8_t>(textures);
    return test::MakeGameModel(f, s.bytes);
}

class ExchangeMenuTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    fs::path Path(const std::string& name) const {
        return fs::path(folder.path().toStdString()) / name;
    }
    // A HAM of `count` squares told apart by their texture counts (2, 3, 4, 2, ...).
    std::string Ham(int count) {
        test::HamBuilder ham;
        for (int i = 0; i < count; ++i) ham.Models.push_back(DoubleSidedSquare(2 + i % 3));
        WriteFile(Path("descent2.ham"), ham.Build());
        return Path("descent2.ham").string();
    }
    std::string StatusText() const { return window->Status()->MessageText().toStdString(); }

    QTemporaryDir folder;
};

// Alt+letter reaches one entry only: no two File entries share a mnemonic.
TEST_F(ExchangeMenuTest, FileMenuEntriesHaveUniqueMnemonicsAndImportExportCommands) {
    std::map<QChar, std::string> taken;
    for (QAction* a : window->findChild<QMenu*>("MenuFile")->actions()) {
        if (a->isSeparator()) continue;
        QString caption = a->text();
        int amp = caption.indexOf('&');
        ASSERT_GE(amp, 0) << caption.toStdString();
        QChar letter = caption.at(amp + 1).toLower();
        auto [it, fresh] = taken.emplace(letter, caption.toStdString());
        EXPECT_TRUE(fresh) << caption.toStdString() << " and " << it->second;
    }
    EXPECT_EQ(Action("MenuFileExit")->text(), "E&xit");
    EXPECT_EQ(Action("MenuFileImport")->text(), "&Import...");
    EXPECT_EQ(Action("MenuFileExport")->text(), "&Export...");
    for (const char* name : {"MenuFileImport", "MenuFileExport"}) {
        std::string id = Action(name)->property("commandId").toString().toStdString();
        EXPECT_NE(window->Commands().Find(id), nullptr) << name;
    }
}

TEST_F(ExchangeMenuTest, ImportFromAHamPicksAModelByItsPictureAndLeavesItUnsaved) {
    ASSERT_TRUE(window->OpenFile(ROBOT));
    dialogs.importAnswer = Ham(3);
    int pictures = 0;
    onDialog = [&](QDialog& dialog) {
        auto* picker = qobject_cast<GameModelPicker*>(&dialog);
        ASSERT_NE(picker, nullptr);
        ASSERT_EQ(picker->Rows()->rowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            QImage picture = picker->Rows()->Picture(row);
            EXPECT_EQ(picture.size(), QSize(64, 64));
            pictures += ShowsSomething(picture);
        }
        EXPECT_EQ(picker->Rows()->index(2, 0).data().toInt(), 2);
        EXPECT_EQ(picker->Rows()->index(2, 5).data().toInt(), 4);  // textures
        picker->SelectModel(1);
        dialog.accept();
    };
    Action("MenuFileImport")->trigger();
    EXPECT_EQ(pictures, 3);
    EXPECT_EQ(dialogs.importFilter, ImportFilter());
    EXPECT_EQ(dialogs.importStart, fs::path(ROBOT).parent_path().string());  // where Open starts
    EXPECT_EQ(M().NumberOfTextures, 3);
    EXPECT_EQ(M().NumPolygons, 2);
    EXPECT_TRUE(M().Modified);
    EXPECT_EQ(Ed().CurrentFilePath, "");
    EXPECT_EQ(window->windowTitle().toStdString(), BASE_TITLE);
    EXPECT_EQ(StatusText(), "Imported 1 submodel, 4 points and 2 polygons; nothing lost.");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ExchangeMenuTest, CancellingThePickerOrTheQuestionChangesNothing) {
    ASSERT_TRUE(window->OpenFile(ROBOT));
    Modify();
    auto before = std::make_unique<ModelStore>(M());
    dialogs.importAnswer = Ham(2);
    int shown = 0;
    onDialog = [&](QDialog& dialog) { ++shown, dialog.reject(); };
    answer = true;  // drop the changes: the picker opens, and is cancelled
    Action("MenuFileImport")->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(questions.size(), 1u);
    answer = false;  // keep the changes: no chooser, no picker
    dialogs.importFilter.clear();
    Action("MenuFileImport")->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(dialogs.importFilter, "");
    EXPECT_TRUE(SameModelContent(*before, M()));
    EXPECT_EQ(Ed().CurrentFilePath, ROBOT);
    EXPECT_TRUE(M().Modified);
}

TEST_F(ExchangeMenuTest, ThePickerDrawsOnlyTheRowsItShows) {
    std::vector<GameFileModel> models(200);
    for (int i = 0; i < 200; ++i) models[i] = {i, DoubleSidedSquare(2), 1, 4, 2, 0, 2, ""};
    PlaceholderTextures textures;
    GameModelPicker picker("descent2.ham", models, textures);
    picker.show();
    QTest::qWait(50);
    // The rows in sight are drawn, and only they.
    int drawn = picker.Rows()->PicturesDrawn();
    EXPECT_GT(drawn, 0);
    EXPECT_LT(drawn, 40);
    picker.Table()->scrollToBottom();
    QTest::qWait(50);
    EXPECT_GT(picker.Rows()->PicturesDrawn(), drawn);
    EXPECT_LT(picker.Rows()->PicturesDrawn(), 2 * drawn + 5);
    picker.SelectModel(199);
    EXPECT_EQ(picker.SelectedModel(), 199);
}

TEST_F(ExchangeMenuTest, ImportOfABadFileNamesItAndKeepsTheModel) {
    ASSERT_TRUE(window->OpenFile(ROBOT));
    auto before = std::make_unique<ModelStore>(M());
    WriteFile(Path("broken.pof"), {'P', 'S', 'P', 'O', 8});
    dialogs.importAnswer = Path("broken.pof").string();
    Action("MenuFileImport")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Import: " + dialogs.importAnswer, 0), 0u) << messages[0];
    EXPECT_TRUE(SameModelContent(*before, M()));
    EXPECT_EQ(Ed().CurrentFilePath, ROBOT);
    EXPECT_FALSE(M().Modified);
}

TEST_F(ExchangeMenuTest, ObjExportWritesTheCataloguesPicturesAndNames) {
    ASSERT_TRUE(window->OpenFile(ROBOT));
    Modify();
    auto before = std::make_unique<ModelStore>(M());
    dialogs.exportAnswer = Path("robot.obj").string();
    Action("MenuFileExport")->trigger();
    ASSERT_TRUE(messages.empty()) << messages[0];
    EXPECT_EQ(dialogs.exportFilter, ExportFilter());
    std::string mtl = ReadFile(Path("robot.mtl"));
    const TextureCatalogue& catalogue = window->Catalogue();
    int pictures = 0;
    for (int t = 0; t < M().NumberOfTextures; ++t) {
        int number = M().FirstModelTexture + t;
        std::string name = catalogue.Name(number + 1);
        name = name.substr(0, name.find_last_not_of(' ') + 1);
        ASSERT_FALSE(name.empty());
        EXPECT_NE(mtl.find("newmtl " + name + "\nKd 1 1 1\nmap_Kd " + name + ".png\n"),
                  std::string::npos)
            << mtl;
        // The PNG holds the catalogue's thumbnail, pixel for pixel.
        QImage png(QString::fromStdString(Path(name + ".png").string()));
        ASSERT_EQ(png.size(), QSize(64, 64)) << name;
        ThumbnailRgba rgba;
        ASSERT_TRUE(DecodeThumbnail(catalogue.Thumbnail(FIRST_THUMBNAIL_ID + number), rgba));
        for (int i : {0, 63, 64 * 20 + 17, 4095}) {
            QRgb p = png.pixel(i % 64, i / 64);
            EXPECT_EQ(qRed(p), rgba[i * 4]);
            EXPECT_EQ(qGreen(p), rgba[i * 4 + 1]);
            EXPECT_EQ(qBlue(p), rgba[i * 4 + 2]);
        }
        ++pictures;
    }
    EXPECT_GT(pictures, 0);
    EXPECT_NE(ReadFile(Path("robot.obj")).find("usemtl "), std::string::npos);
    // The model, its file and its unsaved state are as they were.
    EXPECT_TRUE(SameModelContent(*before, M()));
    EXPECT_EQ(Ed().CurrentFilePath, ROBOT);
    EXPECT_TRUE(M().Modified);
    EXPECT_NE(StatusText().find("robot.obj"), std::string::npos);
}

TEST_F(ExchangeMenuTest, HxmExportAsksForTheReplacedModelAndShowsRefusals) {
    ASSERT_TRUE(window->OpenFile(ROBOT));
    dialogs.exportAnswer = Path("robot.hxm").string();
    int asked = 0;
    onDialog = [&](QDialog& dialog) {
        auto* ask = qobject_cast<QInputDialog*>(&dialog);
        ASSERT_NE(ask, nullptr);
        ++asked;
        ask->setIntValue(42);
        dialog.accept();
    };
    Action("MenuFileExport")->trigger();
    EXPECT_EQ(asked, 1);
    ASSERT_TRUE(messages.empty()) << messages[0];
    EXPECT_GT(fs::file_size(Path("robot.hxm")), 746u);

    dialogs.exportAnswer = Path("robot.txt").string();
    Action("MenuFileExport")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Export: Cannot export to " + dialogs.exportAnswer +
                               ": use a .json, .hxm, .pof or .obj file.");
    EXPECT_FALSE(fs::exists(Path("robot.txt")));
    EXPECT_EQ(Ed().CurrentFilePath, ROBOT);
}

}  // namespace
}  // namespace fw
