#include <QImage>
#include <QInputDialog>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <map>

#include "GameDataBuilders.h"
#include "MainWindowFixture.h"
#include "modelfile/ModelFileTestUtil.h"
#include "mainwindow/GameModelPicker.h"
#include "textures/TextureCatalogue.h"
#include "viewer/TextureSource.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

const std::string ROBOT = std::string(FW_SOURCE_DIR) + "/examples/robot.pol";

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
    fs::path Path(const std::string& name) const { return folder / name; }
    // A HAM of `count` squares told apart by their texture counts (2, 3, 4, 2, ...).
    std::string Ham(int count) {
        test::HamBuilder ham;
        for (int i = 0; i < count; ++i) ham.Models.push_back(DoubleSidedSquare(2 + i % 3));
        test::WriteBytes(Path("descent2.ham"), ham.Build());
        return Path("descent2.ham").string();
    }

    test::TempDir folder;
};

// Alt+letter reaches one entry only: no two File entries share a mnemonic.
TEST_F(ExchangeMenuTest, FileMenuEntriesHaveUniqueMnemonics) {
    std::map<QChar, std::string> taken;
    for (QAction* a : window->findChild<QMenu*>("MenuFile")->actions()) {
        if (a->isSeparator()) continue;
        QString caption = a->text();
        int amp = caption.indexOf('&');
        ASSERT_GE(amp, 0) << caption.toStdString();
        auto [it, fresh] = taken.emplace(caption.at(amp + 1).toLower(), caption.toStdString());
        EXPECT_TRUE(fresh) << caption.toStdString() << " and " << it->second;
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
        EXPECT_EQ(picker->Rows()->index(2, 5).data().toInt(), 4);  // textures
        picker->SelectModel(1);
        dialog.accept();
    };
    Action("MenuFileImport")->trigger();
    EXPECT_EQ(pictures, 3);
    EXPECT_EQ(M().NumberOfTextures, 3);
    EXPECT_EQ(window->windowTitle().toStdString(), BASE_TITLE);
}

TEST_F(ExchangeMenuTest, CancellingThePickerChangesNothing) {
    ASSERT_TRUE(window->OpenFile(ROBOT));
    auto before = std::make_unique<ModelStore>(M());
    dialogs.importAnswer = Ham(2);
    int shown = 0;
    onDialog = [&](QDialog& dialog) { ++shown, dialog.reject(); };
    Action("MenuFileImport")->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(SameModelContent(*before, M()));
    EXPECT_EQ(Ed().CurrentFilePath, ROBOT);
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
}

// Each texture's picture is written under its catalogue name.
TEST_F(ExchangeMenuTest, ObjExportWritesTheCataloguesPicturesAndNames) {
    ASSERT_TRUE(window->OpenFile(ROBOT));
    dialogs.exportAnswer = Path("robot.obj").string();
    Action("MenuFileExport")->trigger();
    ASSERT_TRUE(messages.empty()) << messages[0];
    const TextureCatalogue& catalogue = window->Catalogue();
    int pictures = 0;
    for (int t = 0; t < M().NumberOfTextures; ++t) {
        int number = M().FirstModelTexture + t;
        std::string name = catalogue.Name(number + 1);
        name = name.substr(0, name.find_last_not_of(' ') + 1);
        ASSERT_FALSE(name.empty());
        // The PNG holds the catalogue's thumbnail, pixel for pixel.
        QImage png(QString::fromStdString(Path(name + ".png").string()));
        ASSERT_EQ(png.size(), QSize(64, 64)) << name;
        ThumbnailRgba rgba;
        ASSERT_TRUE(DecodeThumbnail(catalogue.Thumbnail(FIRST_THUMBNAIL_ID + number), rgba));
        for (int i : {0, 63, 64 * 20 + 17, 4095}) {
            QRgb p = png.pixel(i % 64, i / 64);
            EXPECT_EQ(std::tuple(qRed(p), qGreen(p), qBlue(p)),
                      std::tuple(int(rgba[i * 4]), int(rgba[i * 4 + 1]), int(rgba[i * 4 + 2])));
        }
        ++pictures;
    }
    EXPECT_GT(pictures, 0);
}

TEST_F(ExchangeMenuTest, HxmExportAsksForTheReplacedModel) {
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
}

}  // namespace
}  // namespace fw
