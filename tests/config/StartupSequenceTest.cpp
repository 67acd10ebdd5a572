#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "CraftedSuite.h"
#include "config/StartupSequence.h"

namespace fw {
namespace {

// Records start-up's calls in order; the assistant's screens are answered by `screens`.
struct ScriptedUi : StartupUi {
    std::vector<std::string> log;
    std::function<void(FirstRunAssistant&)> screens;
    bool answer = false;
    std::shared_ptr<const Settings> windowSettings;
    SuiteDirectories windowDirs;

    void ShowError(const SuiteError& e) override {
        log.push_back("error " + e.code + "|" + e.title + "|" + e.message);
    }
    bool AskYesNo(const std::string& title, const std::string&) override {
        log.push_back("ask " + title);
        return answer;
    }
    void YieldEvents() override {}
    void ShowSplash(const std::string& version) override { log.push_back("splash " + version); }
    void CloseSplash() override { log.push_back("close splash"); }
    void EnsureSuiteFont() override { log.push_back("font"); }
    void ShowMessage(const std::string& title, const std::string& text) override {
        log.push_back("message " + title + "|" + text);
    }
    void ShowAssistantScreen(FirstRunAssistant& a) override {
        log.push_back("screen " + std::to_string(a.Screen()));
        if (screens) screens(a);
    }
    int ScreenWidthTwips() override { return 20000; }
    void ShowMainWindow(std::shared_ptr<const Settings> s, const WorkingValues&,
                        const SuiteDirectories& d) override {
        log.push_back("window");
        windowDirs = d;
        windowSettings = std::move(s);
    }
    void OpenCommandLineModel(const std::string& path) override { log.push_back("open " + path); }
};

class StartupSequenceTest : public ::testing::Test {
protected:
    StartupResult Run(const std::string& model = "") {
        StartupHooks hooks;
        hooks.loadTextureCatalogue = [&](const SuiteDirectories& d, const GameVersion& v) {
            ui.log.push_back("catalogue " + d.suite + " " + v.dataFile);
        };
        hooks.startPreviewLink = [&] { ui.log.push_back("preview link"); };
        hooks.importTextures = [&](const std::string& game) { ui.log.push_back("import " + game); };
        StartupSequence startup(ui, hooks);
        return startup.Run({suite.Bin(), model});
    }
    void ReadyToRun() {
        suite.PointToSuite();
        suite.InstallSuite();
        suite.RegisterGame();
    }

    CraftedSuite suite;
    ScriptedUi ui;
};

TEST_F(StartupSequenceTest, AConfiguredSuiteRunsEveryStepInOrderWithoutTheAssistant) {
    ReadyToRun();
    suite.Configure("3");
    StartupResult result = Run("/models/robot.pol");
    EXPECT_TRUE(result.runEventLoop);
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{"splash 0.1 Beta 06 (Build 1)", "font",
                                        "catalogue " + suite.Suite() + " descent.1", "window",
                                        "close splash", "preview link", "open /models/robot.pol"}));
    // The preview's files go to the suite's temporary directory.
    EXPECT_EQ(ui.windowDirs.suite, suite.Suite());
    EXPECT_EQ(ui.windowDirs.temp, suite.Suite() + "_Temp/");
}

TEST_F(StartupSequenceTest, TheAssistantRunsOnlyForAnEmptyOrPartialConfiguration) {
    ReadyToRun();
    for (const char* configured : {"", "1", "2", "3", "0", "7"}) {
        suite.Configure(configured);
        ui.log.clear();
        ui.screens = [](FirstRunAssistant& a) { a.Abort(); };
        StartupResult result = Run();
        bool asked = std::count(ui.log.begin(), ui.log.end(), "screen 1") == 1;
        EXPECT_EQ(asked, std::string("12").find(configured) != std::string::npos) << configured;
        EXPECT_EQ(result.runEventLoop, !asked) << configured;
    }
}

TEST_F(StartupSequenceTest, AScreenClosedWithoutAChoiceCountsAsAbort) {
    ReadyToRun();
    StartupResult result = Run();  // the screens do nothing
    EXPECT_FALSE(result.runEventLoop);
    EXPECT_EQ(result.exitCode, 0);
    // The splash goes before the first screen; nothing follows the abort message.
    EXPECT_EQ(ui.log, (std::vector<std::string>{"splash 0.1 Beta 06 (Build 1)", "font",
                                                "close splash", "screen 1",
                                                "message Abort|Main Configuration was aborted."}));
    EXPECT_FALSE(suite.Exists("suite/fctwrk32.ini"));
}

TEST_F(StartupSequenceTest, AFinishedAssistantImportsTexturesAndGoesOnToTheWindow) {
    ReadyToRun();
    ui.screens = [&](FirstRunAssistant& a) {
        if (a.Screen() == 2) {
            ASSERT_EQ(a.ChooseIsoMode(2), "");
        }
        if (a.Screen() < 3) return a.Next();
        ASSERT_FALSE(a.Finish(a.GameDir(), suite.Path("models"), 20000));
    };
    StartupResult result = Run();
    EXPECT_TRUE(result.runEventLoop);
    std::vector<std::string> tail(ui.log.begin() + 3, ui.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"screen 1", "screen 2", "screen 3",
                                              "import " + suite.Game(),
                                              "catalogue " + suite.Suite() + " descent.1", "window",
                                              "close splash", "preview link"}));
    EXPECT_EQ(ui.windowSettings->Configured(), 3);
}

}  // namespace
}  // namespace fw
