// The suite's dialogs and desktop services, the About box, the Help menu and the
// registry program's window.

#include <gtest/gtest.h>

#include <QAction>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "CraftedSuite.h"
#include "DialogDriver.h"
#include "config/SuiteSettings.h"
#include "config/Version.h"
#include "config/ui/AboutBox.h"
#include "config/ui/SplashWindow.h"
#include "external/VersionKeeper.h"
#include "external/ui/CoblDirC.h"
#include "external/ui/DesktopServices.h"
#include "external/ui/VersionKeeperDialog.h"
#include "mainwindow/MainWindow.h"

namespace fw {
namespace {

// Its caption, header and message are checked on every error of the start-up tests.
TEST(SuiteDialogs, TheErrorDialogKeepsTheCodeToItself) {
    CoblEMsg dialog({"VKP0001", "VKP error", "Data file for current Descent version not found."});
    auto* message = dialog.findChild<QPlainTextEdit*>("Message");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isReadOnly());
    for (QLabel* label : dialog.findChildren<QLabel*>())
        EXPECT_EQ(label->text().indexOf("VKP0001"), -1);
    EXPECT_EQ(dialog.property("errorCode").toString(), "VKP0001");
}

TEST(SuiteDialogs, TheDirectoryChooserStartsAtTheStartFolderAndFollowsThePlaces) {
    CraftedSuite suite;
    CoblDirC chooser(QString::fromStdString(suite.Path("game")));
    EXPECT_EQ(chooser.windowTitle(), "Directory");
    EXPECT_EQ(chooser.ChosenDirectory().toStdString(), suite.Path("game"));
    chooser.ChoosePlace(0);
    EXPECT_EQ(chooser.ChosenDirectory(), "/");
    EXPECT_EQ(chooser.findChild<QLabel*>("PathLabel")->text(), "/");

    DialogDriver dialogs;
    dialogs.Then([&](QDialog& d) {
        static_cast<CoblDirC&>(d).ChooseDirectory(QString::fromStdString(suite.Path("home")));
        d.accept();
    });
    dialogs.Then([](QDialog& d) { d.reject(); });
    EXPECT_EQ(ChooseDirectoryDialog(nullptr, suite.Path("game")), suite.Path("home"));
    EXPECT_EQ(ChooseDirectoryDialog(nullptr, suite.Path("game")), std::nullopt);
}

TEST(SuiteDialogs, VersionkeeperRegistersAFolderAndMarksTheCurrentVersion) {
    CraftedSuite suite;
    suite.InstallSuite();
    VersionKeeperDialog keeper(suite.Suite());
    EXPECT_EQ(keeper.windowTitle(), "Versionkeeper");
    auto* list = keeper.findChild<QTreeWidget*>("VersionList");
    auto* folder = keeper.findChild<QLineEdit*>("GameFolder");
    auto* name = keeper.findChild<QLineEdit*>("VersionName");
    // What is written and refused: the library's tests; here, the form's wiring.
    folder->setText(QString::fromStdString(suite.Game()));
    name->setText("Descent 2");
    EXPECT_FALSE(keeper.AddVersionFromForm());  // no GROUPA.PIG yet
    EXPECT_NE(keeper.StatusText().indexOf("GROUPA.PIG"), -1);

    suite.Write("game/groupa.pig", "");
    keeper.findChild<QPushButton*>("Add")->click();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "Descent 2");
    EXPECT_FALSE(list->topLevelItem(0)->text(0).isEmpty());  // marked current

    suite.Write("game2/GROUPA.PIG", "");
    folder->setText(QString::fromStdString(suite.Path("game2")));
    name->setText("Vertigo");
    ASSERT_TRUE(keeper.AddVersionFromForm());
    list->setCurrentItem(list->topLevelItem(1));
    keeper.findChild<QPushButton*>("MarkCurrent")->click();
    EXPECT_EQ(CurrentVersionName(suite.Suite()), "Vertigo");
    EXPECT_TRUE(list->topLevelItem(0)->text(0).isEmpty());
    EXPECT_FALSE(list->topLevelItem(1)->text(0).isEmpty());
}

TEST(SuiteDialogs, SplashPaintsAndTheAboutBoxShowsTheVersionAndTheLicences) {
    SplashWindow splash(QString::fromStdString(VersionText()));
    QImage shot = splash.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(SplashWindow::WIDTH, SplashWindow::HEIGHT));
    EXPECT_NE(shot.pixel(5, 5), shot.pixel(5, SplashWindow::HEIGHT - 5));  // the sky's gradient
    AboutBox about;
    QString text = about.Text();
    for (const char* part : {"0.1 Beta 06 (Build 1)", "Credits", "Qt ",
                             "Lesser General Public License", "JSON for Modern C++", "MIT License"})
        EXPECT_NE(text.indexOf(part), -1) << part;
}

TEST(SuiteDialogs, TheSuiteFontAlwaysResolvesToAnInstalledFace) {
    EnsureSuiteFont();
    if (!QFontDatabase::families().contains("Tahoma")) {
        EXPECT_FALSE(QFont::substitutes("Tahoma").isEmpty());
    }
}

TEST(SuiteDialogs, SetTopmostKeepsAWindowAboveOthersAndBack) {
    QWidget window;
    window.show();
    SetTopmost(&window, true);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    SetTopmost(&window, false);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
}

class HelpMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        dirs.suite = dirs.program = suite.Suite();
        settings = std::make_unique<Settings>(SettingsForSuite(dirs));
    }
    QAction* Action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

    CraftedSuite suite;
    SuiteDirectories dirs;
    std::unique_ptr<Settings> settings;
};

TEST_F(HelpMenuTest, ManualIsEnabledOnlyForAnInstalledFileAndAboutShowsTheBox) {
    MainWindow window(*settings);
    QAction* manual = Action(window, "MenuHelpManual");
    EXPECT_FALSE(manual->isEnabled());
    EXPECT_EQ(manual->toolTip(), "No manual is installed: the suite's cobl.ini names none.");
    EXPECT_FALSE(Action(window, "MenuHelpGuideBot")->isEnabled());
    EXPECT_TRUE(window.findChild<QMenu*>("MenuHelp")->toolTipsVisible());

    suite.Write("suite/cobl.ini", "[Moduls_Dirs]\nFCTWMAN32=" + suite.Path("doc") +
                                      "\n[Moduls_EXEs]\nFCTWMAN32=manual.html\n");
    MainWindow missing(*settings);
    EXPECT_FALSE(Action(missing, "MenuHelpManual")->isEnabled());
    EXPECT_EQ(Action(missing, "MenuHelpManual")->toolTip().toStdString(),
              "The manual is missing: " + suite.Path("doc") + "/manual.html");

    suite.Write("doc/manual.html", "<html></html>");
    MainWindow installed(*settings);
    std::vector<std::string> opened;
    SetDocumentOpener([&](const std::string& path) {
        opened.push_back(path);
        return true;
    });
    ASSERT_TRUE(Action(installed, "MenuHelpManual")->isEnabled());
    Action(installed, "MenuHelpManual")->trigger();
    SetDocumentOpener(nullptr);
    EXPECT_EQ(opened, std::vector<std::string>{suite.Path("doc") + "/manual.html"});

    DialogDriver dialogs;
    dialogs.Then([](QDialog& d) { d.accept(); });
    Action(window, "MenuHelpAbout")->trigger();
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].kind, "AboutBox");
    EXPECT_EQ(dialogs.seen[0].title, "About Facetwork");
}

// The manual in the source tree is the one the build installs into the portable suite.
TEST(Manual, TheBuildsManualIsTheSourcesAndCoversItsTopics) {
    std::ifstream built(std::string(FW_BIN_DIR) + "/../share/doc/facetwork/manual.html");
    std::ifstream source(std::string(FW_SOURCE_DIR) + "/docs/manual.html");
    std::string a((std::istreambuf_iterator<char>(built)), {});
    std::string b((std::istreambuf_iterator<char>(source)), {});
    EXPECT_EQ(a, b);
    for (const char* topic :
         {"id=\"views\"", "id=\"keys\"", "id=\"modes\"", "id=\"textures\"", "id=\"files\""})
        EXPECT_NE(b.find(topic), std::string::npos) << topic;
}

}  // namespace
}  // namespace fw
