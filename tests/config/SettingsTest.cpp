#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "config/Settings.h"
#include "config/WorkingValues.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("fw-settings-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteText(std::string_view name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }

    fs::path dir_;
};

TEST_F(SettingsTest, MissingFilesGiveTheDefaults) {
    Settings settings(dir_.string());
    EXPECT_EQ(
        std::tuple(settings.Configured(), settings.IsoMode(), settings.SplitterH(),
                   settings.SplitterV(), settings.FourViewLayout(), settings.ModelDirectory()),
        std::tuple(0, 0, 2275, 0, false, std::string()));
    for (int view : {0, 1, 2, 3})  // 3, the iso view, has no grid and gets the defaults
        EXPECT_EQ(std::pair(settings.GridIndex(view), settings.SnapIndex(view)), std::pair(6, 4));
}

TEST_F(SettingsTest, ValuesAreClampedIntoTheirRanges) {
    WriteText(FACETWORK_INI,
              "[Display]\nsplitterh=1000\nsplitterv=9000\nIsoMode=2\n"
              "[Grid and Snap]\nXYGrid=12\nXZGrid=-3\nZYGrid=7\nXYSnap=abc\nXZSnap=1e300\n"
              "ZYSnap=2.6\n[Options]\nMoveRate=15\n");
    Settings settings(dir_.string());
    EXPECT_EQ(settings.SplitterH(), 2275);
    EXPECT_EQ(settings.SplitterV(), 7400);
    EXPECT_EQ(settings.IsoMode(), 2);
    // Snap 0 is not a number and reads as 0.
    for (auto [view, grid, snap] : {std::tuple{0, 9, 0}, {1, 0, 9}, {2, 7, 3}})
        EXPECT_EQ(std::pair(settings.GridIndex(view), settings.SnapIndex(view)),
                  std::pair(grid, snap));
    EXPECT_EQ(settings.MoveRateIndex(), 9);
    EXPECT_DOUBLE_EQ(settings.MoveRateValue(), 1.0);

    WriteText(FACETWORK_INI, "[Display]\nsplitterh=3345\nsplitterv=6450\n[Options]\nMoveRate=-1\n");
    EXPECT_EQ(settings.SplitterH(), 3345);
    EXPECT_EQ(settings.SplitterV(), 6450);
    EXPECT_EQ(settings.MoveRateIndex(), 0);
}

TEST_F(SettingsTest, KeysMatchWhateverTheirCaseAndWritesAreClamped) {
    WriteText(FACETWORK_INI,
              "[options]\nPmovemode=1\ncrossmarked = 1\nViewOrient=0\nMoveRate = 6\n"
              "[INTERFACE]\ninterfacemode=1\n");
    WriteText(DESCENT_INI, "[directories]\nzpmf=/home/u/models\n");
    Settings settings(dir_.string());
    EXPECT_TRUE(settings.PmoveMode());
    EXPECT_TRUE(settings.CrossMarked());
    EXPECT_FALSE(settings.ViewOrient());
    EXPECT_TRUE(settings.FourViewLayout());
    EXPECT_EQ(settings.ModelDirectory(), "/home/u/models");

    // Writing the dialog's spelling updates the same line (a second one would not be read).
    EXPECT_EQ(settings.WriteFlag(setting::PmoveMode, false), "");
    EXPECT_FALSE(settings.PmoveMode());
    EXPECT_EQ(settings.SetMoveRateIndex(12), "");
    EXPECT_EQ(settings.Read(setting::MoveRate), "9");  // stored clamped
    EXPECT_NE(settings.SetGridIndex(5, 3), "");
    EXPECT_EQ(settings.SetGridIndex(1, 3), "");
    EXPECT_EQ(settings.GridIndex(1), 3);
}

// The first-run values themselves are checked through the assistant's Finish.
TEST_F(SettingsTest, SplittersFollowTheScreenWidthAndFilesCanLiveElsewhere) {
    EXPECT_EQ(SplitterPairForScreenWidth(10500).first, "2480");
    EXPECT_EQ(SplitterPairForScreenWidth(13001).first, "3345");

    Settings settings(dir_.string());
    settings.SetFileDirectory(SBX_INI, (dir_ / "viewer").string());
    EXPECT_EQ(settings.Write(setting::UsePig, "4"), "");
    EXPECT_TRUE(fs::exists(dir_ / "viewer" / "sbx.ini"));
    EXPECT_FALSE(fs::exists(dir_ / "sbx.ini"));
    EXPECT_EQ(settings.Read(setting::UsePig), "4");
}

TEST_F(SettingsTest, ListenersHearEachSuccessfulWriteAndCanLeaveWhileTold) {
    Settings settings(dir_.string());
    std::vector<std::string> heard;
    Settings::Subscription second;
    auto first = settings.Subscribe([&](const SettingKey& key) {
        heard.push_back("first " + std::string(key.key));
        second.Reset();  // a listener may end another subscription while told
    });
    second = settings.Subscribe([&](const SettingKey&) { heard.push_back("second"); });
    EXPECT_EQ(settings.SetGridIndex(1, 3), "");
    EXPECT_EQ(heard, std::vector<std::string>{"first XZGrid"});

    // A copy reads the same files but has no listeners of its own.
    Settings copy = settings;
    EXPECT_EQ(copy.WriteFlag(setting::CrossMarked, true), "");
    EXPECT_EQ(heard.size(), 1u);
    EXPECT_TRUE(settings.CrossMarked());

    // A key is the same setting whatever the case of its names.
    EXPECT_TRUE(SameSetting({FACETWORK_INI, "options", "PMOVEMODE", ""}, setting::PmoveMode));
    EXPECT_FALSE(SameSetting({COBL_INI, "Options", "PmoveMode", ""}, setting::PmoveMode));

    first.Reset();
    EXPECT_EQ(settings.SetGridIndex(1, 4), "");
    EXPECT_EQ(heard.size(), 1u);

    // A subscription may outlive its settings.
    Settings::Subscription outliving;
    {
        Settings shortLived(dir_.string());
        outliving = shortLived.Subscribe([](const SettingKey&) {});
    }
    outliving.Reset();
}

TEST_F(SettingsTest, WorkingValuesTakeAMissingMoveRateAsTheStepTableIndexSix) {
    Settings settings(dir_.string());
    WorkingValues values = ReadWorkingValues(settings);
    // Index 6 of the step table, 0.1 model units: not a step of 6 units.
    EXPECT_EQ(values.moveRateIndex, 6);
    EXPECT_DOUBLE_EQ(values.moveRate, 0.1);
    EXPECT_EQ(values.pasteOffset.Z, 0.1);
    WriteText(FACETWORK_INI, "[Options]\nMoveRate=9\n[Grid and Snap]\nZYSnap=7\n");
    values = ReadWorkingValues(settings);
    EXPECT_DOUBLE_EQ(values.moveRate, 1.0);
    EXPECT_EQ(values.snap, (std::array<int, 3>{4, 4, 7}));
    EXPECT_EQ(values.grid, (std::array<int, 3>{6, 6, 6}));
}

TEST(SettingsDirectory, FollowsTheUserConfigurationDirectory) {
    std::string oldConfig = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(Settings::DefaultDirectory(), "/tmp/xdg/facetwork");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // ignored, as XDG asks
    EXPECT_EQ(Settings::DefaultDirectory(), "/home/someone/.config/facetwork");
    if (!oldConfig.empty()) ::setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);
    ::setenv("HOME", oldHome.c_str(), 1);
}

}  // namespace
}  // namespace fw
