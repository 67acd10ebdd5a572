#include <gtest/gtest.h>

#include "CraftedSuite.h"
#include "config/FirstRunAssistant.h"
#include "config/SuiteSettings.h"

namespace fw {
namespace {

class FirstRunAssistantTest : public ::testing::Test {
protected:
    void SetUp() override {
        dirs.suite = dirs.program = suite.Suite();
        settings = std::make_unique<Settings>(SettingsForSuite(dirs));
    }
    CraftedSuite suite;
    SuiteDirectories dirs;
    std::unique_ptr<Settings> settings;
};

TEST_F(FirstRunAssistantTest, ScreensMoveWithNextAndBackAndScreenTwoWaitsForAChoice) {
    FirstRunAssistant a(*settings, suite.Game(), "/suggested/");
    a.Start();
    EXPECT_EQ(a.Screen(), 1);
    a.Back();  // screen 1 has no Back
    EXPECT_EQ(a.Screen(), 1);
    a.Next();
    EXPECT_EQ(a.Screen(), 2);
    EXPECT_FALSE(a.NextEnabled());
    a.Next();
    EXPECT_EQ(a.Screen(), 2);
    EXPECT_NE(a.ChooseIsoMode(3), "");
    EXPECT_EQ(a.ChooseIsoMode(1), "");
    EXPECT_TRUE(a.NextEnabled());
    // The choice is written at once, with the first grid and snap indices.
    EXPECT_EQ(settings->Read(setting::IsoMode), "1");
    EXPECT_EQ(settings->Read(setting::Grid[2]), "6");
    EXPECT_EQ(settings->Read(setting::Snap[0]), "4");
    a.Next();
    EXPECT_EQ(a.Screen(), 3);
    a.Back();
    EXPECT_EQ(a.Screen(), 2);
    a.Abort();
    EXPECT_EQ(a.Screen(), 0);
    EXPECT_TRUE(a.Aborted());
    EXPECT_EQ(settings->Read(setting::Configured), "");
}

TEST_F(FirstRunAssistantTest, TheModelFolderComesFromTheRegistryFileOrTheSuggestion) {
    EXPECT_EQ(FirstRunAssistant(*settings, "", "/suggested/").ModelDir(), "/suggested/");
    suite.Write("suite/descent.ini", "[Directories]\nZPMF=/my/models\n");
    EXPECT_EQ(FirstRunAssistant(*settings, suite.Game(), "/suggested/").ModelDir(), "/my/models");
}

TEST_F(FirstRunAssistantTest, FinishingCreatesTheModelFolderAndWritesEveryKey) {
    suite.Write("game/GROUPA.PIG", "");
    FirstRunAssistant a(*settings, suite.Game(), "/x/");
    std::string imported;
    a.importTextures = [&](const std::string& game) { imported = game; };
    a.Start();
    a.Next();
    ASSERT_EQ(a.ChooseIsoMode(1), "");
    a.Next();
    EXPECT_FALSE(a.Finish(" " + suite.Game() + " ", suite.Path("models/zpmf"), 12000));
    EXPECT_EQ(a.Screen(), 0);
    EXPECT_TRUE(a.Finished());
    EXPECT_TRUE(std::filesystem::is_directory(suite.Path("models/zpmf")));
    EXPECT_EQ(settings->ModelDirectory(), suite.Path("models/zpmf"));
    EXPECT_EQ(settings->Read(setting::PigDir), suite.Game());
    EXPECT_TRUE(suite.Exists("suite/SBX/sbx.ini"));
    // The viewer's defaults, as the suite had none; the last screen's values win over
    // screen 2's choice of iso mode.
    std::vector<std::string> values;
    for (const SettingKey& key :
         {setting::UsePig, setting::SbxConfigured, setting::SbxCullFace, setting::SbxBackground,
          setting::IsoMode, setting::SplitterH, setting::SplitterV, setting::Configured})
        values.push_back(settings->Read(key));
    EXPECT_EQ(values, (std::vector<std::string>{"4", "1", "1", "0", "2", "2725", "4410", "3"}));
    EXPECT_EQ(imported, suite.Game());
}

TEST_F(FirstRunAssistantTest, ViewerSettingsAlreadyConfiguredAreKept) {
    suite.Write("game/groupa.pig", "");
    suite.Write("suite/cobl.ini", "[SBX]\nConfigured=1\nBKColor=6\nCullFace=0\n");
    FirstRunAssistant a(*settings, suite.Game(), "/x/");
    EXPECT_FALSE(a.Finish(suite.Game(), suite.Path("models"), 9000));
    EXPECT_EQ(settings->Read(setting::SbxBackground), "6");
    EXPECT_EQ(settings->Read(setting::SbxCullFace), "0");
    EXPECT_EQ(settings->Read(setting::SplitterH), "2480");
}

TEST_F(FirstRunAssistantTest, AModelFolderThatCannotBeMadeStaysOnTheScreen) {
    suite.Write("game/groupa.pig", "");
    suite.Write("blocked", "");
    FirstRunAssistant a(*settings, suite.Game(), "/x/");
    a.Start();
    auto message = a.Finish(suite.Game(), suite.Path("blocked/models"), 9000);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, "Error");
    EXPECT_NE(message->text.find("Cannot create the folder"), std::string::npos);
    EXPECT_EQ(settings->Read(setting::Configured), "");
    EXPECT_EQ(a.Screen(), 1);
}

}  // namespace
}  // namespace fw
