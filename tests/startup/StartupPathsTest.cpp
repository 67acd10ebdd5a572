// Start-up driven from launch to the main window, or to the end of the program, against
// crafted suites: every dialog is checked by title and text, and the files by what was or
// was not written.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "CraftedSuite.h"
#include "DialogDriver.h"
#include "config/StartupSequence.h"
#include "config/ui/AssistantScreens.h"
#include "external/IniFile.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/QtStartupUi.h"
#include "mainwindow/StatusLine.h"
#include "modelfile/ModelFile.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

const SeenDialog OFFER{"QMessageBox", "Versionkeeper",
                       "No Descent versions yet registered. You need to register at least one "
                       "in order to use this module! Do you want to call Versionkeeper now?",
                       ""};
const SeenDialog ABORTED{"QMessageBox", "Abort", "Main Configuration was aborted.", ""};

// Every file below a folder with its text, to show that nothing was written.
std::map<std::string, std::string> Snapshot(const std::string& dir, bool withTemp = true) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        std::string text;
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            text.assign(std::istreambuf_iterator<char>(in), {});
        }
        files[fs::relative(entry.path(), dir).string()] = text;
    }
    if (!withTemp) files.erase("_Temp");
    return files;
}

// Acts on the assistant screen that is open.
DialogDriver::Action OnScreen(std::function<void(AssistantScreen&)> act) {
    return [act = std::move(act)](QDialog& d) {
        auto* screen = qobject_cast<AssistantScreen*>(&d);
        ASSERT_NE(screen, nullptr) << d.objectName().toStdString();
        act(*screen);
    };
}

class StartupPathsTest : public ::testing::Test {
protected:
    StartupResult Run(const std::string& exeDir, const std::string& model = "") {
        return StartupSequence(ui).Run({exeDir, model});
    }
    StartupResult Run() { return Run(suite.Bin()); }

    // A suite whose pointer, cobl.ini and registry are in order.
    void ReadyToRun() {
        suite.PointToSuite();
        suite.InstallSuite();
        suite.RegisterGame();
    }
    // A registry program that registers the crafted game when run.
    void InstallRegisteringVersionkeeper() {
        suite.InstallVersionkeeper(
            "printf '[Current]\\nDescData=descent.1\\nDescVers=D2\\nDescDir=" + suite.Game() +
            "\\n[D2]\\nDir=" + suite.Game() +
            "\\n' >> \"$SUITE/descent.ini\"\n"
            "touch \"$SUITE/ddata/descent.1\"\n");
    }

    CraftedSuite suite;
    DialogDriver dialogs;
    QtStartupUi ui;
};

TEST_F(StartupPathsTest, AConfiguredSuiteOpensTheEditorWithoutAnyDialog) {
    ReadyToRun();
    suite.Configure("3");
    auto before = Snapshot(suite.Suite());
    StartupResult result = Run();
    EXPECT_TRUE(result.runEventLoop);
    EXPECT_TRUE(dialogs.seen.empty());
    ASSERT_NE(ui.Window(), nullptr);
    EXPECT_TRUE(ui.Window()->isVisible());
    EXPECT_TRUE(ui.SplashShown());
    // An empty command line: the new model and no status message.
    EXPECT_EQ(ui.Window()->Status()->MessageText(), "");
    EXPECT_EQ(ui.Window()->GetEditor().Model().NumPolygons, 0);
    EXPECT_EQ(Snapshot(suite.Suite(), false), before);
}

TEST_F(StartupPathsTest, APointerToASuiteWithoutCoblIniIsFatal) {
    suite.PointToSuite();
    dialogs.ThenOk();
    StartupResult result = Run();
    EXPECT_FALSE(result.runEventLoop);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dialogs.seen,
              (std::vector<SeenDialog>{
                  {"CoblEMsg", "Cobl32 error", "Cobl3 is not properly installed!", "SYS0000"}}));
    EXPECT_TRUE(fs::is_empty(suite.Suite() + "ddata"));
    EXPECT_FALSE(suite.Exists("suite/_Temp"));
    EXPECT_FALSE(suite.Exists("config/tunnelworks") || suite.Exists("data/tunnelworks"));
    EXPECT_EQ(ui.Window(), nullptr);
}

TEST_F(StartupPathsTest, WithoutAnyPointerTheUserSuiteIsMadeAndVersionkeeperOffered) {
    suite.InstallVersionkeeper("exit 0\n");
    dialogs.ThenPress(QMessageBox::No);
    StartupResult result = Run();
    EXPECT_FALSE(result.runEventLoop);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(dialogs.seen, std::vector<SeenDialog>{OFFER});
    // What the suite installer would have made, and nothing of the editor's own settings.
    std::string userSuite = suite.Path("data/tunnelworks/");
    EXPECT_EQ(IniRead(suite.Path("config/tunnelworks"), "cobl.cfg", "Directories", "Cobl3"),
              userSuite);
    EXPECT_EQ(IniRead(userSuite, "cobl.ini", "Moduls_Dirs", "VKP"), suite.Bin());
    EXPECT_TRUE(fs::is_directory(userSuite + "_Temp"));
    EXPECT_TRUE(fs::is_directory(userSuite + "ddata"));
    EXPECT_FALSE(fs::exists(userSuite + "fctwrk32.ini"));
    EXPECT_FALSE(fs::exists(userSuite + "descent.ini"));
}

TEST_F(StartupPathsTest, AFreshMachineRegistersTheGameAndRunsTheWholeAssistant) {
    // No pointer anywhere: the per-user suite, Versionkeeper, then the three screens.
    suite.SetEnv("SUITE", suite.Path("data/tunnelworks"));
    InstallRegisteringVersionkeeper();
    suite.Write("game/GROUPA.PIG", "");
    dialogs.ThenPress(QMessageBox::Yes);
    dialogs.Then(OnScreen([](AssistantScreen& s) {
        EXPECT_FALSE(s.BackButton()->isEnabled());
        s.NextButton()->click();
    }));
    dialogs.Then(OnScreen([](AssistantScreen& s) {
        EXPECT_FALSE(s.NextButton()->isEnabled());  // until a preview mode is chosen
        s.IsoModeOption(1)->click();
        EXPECT_TRUE(s.NextButton()->isEnabled());
        s.NextButton()->click();
    }));
    std::string models = suite.Path("home/models");
    dialogs.Then(OnScreen([&](AssistantScreen& s) {
        EXPECT_EQ(s.GameDirField()->text().toStdString(), suite.Game());
        EXPECT_EQ(s.ModelDirField()->text().toStdString(),
                  suite.Path("home") + "/TWTOOLS/_MYDATA/ZPMF/");
        s.ModelDirField()->setText(QString::fromStdString(models));
        s.NextButton()->click();
    }));
    StartupResult result = Run();
    ASSERT_TRUE(result.runEventLoop);
    ASSERT_EQ(dialogs.seen.size(), 4u);  // the offer, then the three screens
    EXPECT_EQ(dialogs.seen[0], OFFER);
    ASSERT_NE(ui.Window(), nullptr);

    // The settings land in the per-user suite; their values are the assistant tests' job.
    std::string userSuite = suite.Path("data/tunnelworks/");
    EXPECT_TRUE(fs::is_directory(models));
    EXPECT_EQ(IniRead(userSuite, "descent.ini", "Directories", "ZPMF"), models);
    EXPECT_EQ(IniRead(userSuite, "fctwrk32.ini", "General", "Configured"), "3");
}

TEST_F(StartupPathsTest, DescentDataWithoutDescentDotCountsAsNoVersion) {
    suite.PointToSuite();
    suite.InstallSuite();
    suite.RegisterGame("game.dat");
    suite.InstallVersionkeeper("touch '" + suite.Path("ran") + "'\n");
    auto before = Snapshot(suite.Suite());
    dialogs.ThenPress(QMessageBox::No);  // declined: ends silently without running it
    StartupResult result = Run();
    EXPECT_FALSE(result.runEventLoop);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(dialogs.seen, std::vector<SeenDialog>{OFFER});
    EXPECT_EQ(Snapshot(suite.Suite(), false), before);
    EXPECT_FALSE(suite.Exists("ran"));
}

TEST_F(StartupPathsTest, AVersionNamedNaCountsAsNoVersionAndWithoutVersionkeeperIsFatal) {
    suite.PointToSuite();
    suite.InstallSuite();
    suite.RegisterGame("descent.1", "n/a");
    dialogs.ThenOk();
    StartupResult result = Run();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(dialogs.seen,
              (std::vector<SeenDialog>{{"CoblEMsg", "VKP not installed",
                                        "You need to install Versionkeeper (VKP) first. It is "
                                        "bundled with all Tunnelworks modules.",
                                        "VKP0001"}}));
    EXPECT_FALSE(suite.Exists("suite/fctwrk32.ini"));
}

TEST_F(StartupPathsTest, ARegistryMadeValidWhileVersionkeeperRunsContinuesStartUp) {
    suite.PointToSuite();
    suite.InstallSuite();
    suite.Configure("3");
    suite.SetEnv("SUITE", suite.Path("suite"));
    InstallRegisteringVersionkeeper();
    dialogs.ThenPress(QMessageBox::Yes);
    StartupResult result = Run();
    EXPECT_TRUE(result.runEventLoop);
    EXPECT_EQ(dialogs.seen, std::vector<SeenDialog>{OFFER});
    ASSERT_NE(ui.Window(), nullptr);
    EXPECT_TRUE(ui.Window()->isVisible());
}

TEST_F(StartupPathsTest, AbortingTheAssistantEndsWithItsMessageAndCompletesNothing) {
    ReadyToRun();
    dialogs.Then(OnScreen([](AssistantScreen& s) { s.AbortButton()->click(); }));
    dialogs.ThenOk();
    StartupResult result = Run();
    EXPECT_FALSE(result.runEventLoop);
    ASSERT_EQ(dialogs.seen.size(), 2u);
    EXPECT_EQ(dialogs.seen[1], ABORTED);
    EXPECT_FALSE(suite.Exists("suite/fctwrk32.ini"));
    EXPECT_EQ(ui.Window(), nullptr);
}

TEST_F(StartupPathsTest, AWrongGameFolderKeepsTheAssistantOnItsLastScreen) {
    ReadyToRun();
    dialogs.Then(OnScreen([](AssistantScreen& s) { s.NextButton()->click(); }));
    dialogs.Then(OnScreen([](AssistantScreen& s) {
        s.IsoModeOption(2)->click();
        s.NextButton()->click();
    }));
    dialogs.Then(OnScreen([&](AssistantScreen& s) {
        s.GameDirField()->setText(QString::fromStdString(suite.Path("home")));
        s.ModelDirField()->setText(QString::fromStdString(suite.Path("home/models")));
        s.NextButton()->click();                   // the error box opens and is answered below
        EXPECT_EQ(s.result(), QDialog::Rejected);  // still open
        EXPECT_EQ(s.ModelDirField()->text().toStdString(), suite.Path("home/models"));
        s.AbortButton()->click();
    }));
    dialogs.ThenOk();  // the error
    dialogs.ThenOk();  // the abort message
    StartupResult result = Run();
    EXPECT_FALSE(result.runEventLoop);
    ASSERT_EQ(dialogs.seen.size(), 5u);
    EXPECT_EQ(dialogs.seen[3],
              (SeenDialog{"QMessageBox", "Error",
                          "Specified D2 directory does not exist or not contain Descent 2 "
                          "Commercial with Medium or higher installation.",
                          ""}));
    EXPECT_EQ(dialogs.seen[4], ABORTED);
    EXPECT_FALSE(suite.Exists("home/models"));
    EXPECT_EQ(IniRead(suite.Suite(), "descent.ini", "Directories", "ZPMF"), "");
    EXPECT_FALSE(suite.Exists("suite/SBX"));
    EXPECT_EQ(IniRead(suite.Suite(), "fctwrk32.ini", "General", "Configured"), "");
}

TEST_F(StartupPathsTest, AModelThatFailsToReadLeavesTheNewModelAndShowsTheReadersMessage) {
    ReadyToRun();
    suite.Configure("3");
    suite.Write("broken.pol", "PMZF garbage");
    ModelStore scratch;
    std::string expected = ReadModelFile(scratch, suite.Path("broken.pol"));
    ASSERT_NE(expected, "");
    StartupResult result = Run(suite.Bin(), suite.Path("broken.pol"));
    ASSERT_TRUE(result.runEventLoop);
    EXPECT_TRUE(dialogs.seen.empty());
    MainWindow* window = ui.Window();
    EXPECT_EQ(window->Status()->MessageText().toStdString(), expected);
    EXPECT_EQ(window->Status()->MessageKind(), -1);
    EXPECT_EQ(window->GetEditor().Model().NumPolygons, 0);
    EXPECT_EQ(window->windowTitle().toStdString(), BASE_TITLE);
}

// The README's run command on a machine with an empty home folder: the build's portable
// suite opens the sample straight into the editor and is left as it was.
TEST_F(StartupPathsTest, TheBuildsPortableSuiteOpensTheSampleStraightIntoTheEditor) {
    std::string portable = std::string(FW_BIN_DIR) + "/../suite";
    ASSERT_TRUE(fs::exists(portable + "/cobl.ini"));
    auto before = Snapshot(portable);
    StartupResult result = Run(FW_BIN_DIR, std::string(FW_SOURCE_DIR) + "/examples/robot.pol");
    ASSERT_TRUE(result.runEventLoop);
    EXPECT_TRUE(dialogs.seen.empty());
    MainWindow* window = ui.Window();
    EXPECT_EQ(window->Status()->MessageText(), "Successfully opened file.");
    EXPECT_GT(window->GetEditor().Model().NumPolygons, 0);
    EXPECT_TRUE(fs::is_empty(suite.Path("home")));
    EXPECT_TRUE(fs::is_empty(suite.Path("config")));
    EXPECT_TRUE(fs::is_empty(suite.Path("data")));
    EXPECT_EQ(Snapshot(portable), before);
}

}  // namespace
}  // namespace fw
