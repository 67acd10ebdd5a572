#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/Settings.h"

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
    EXPECT_EQ(settings.Configured(), 0);
    EXPECT_EQ(settings.IsoMode(), 0);
    for (int view : {0, 1, 2, 3}) {  // 3, the iso view, has no grid and gets the defaults
        EXPECT_EQ(settings.GridIndex(view), 6);
        EXPECT_EQ(settings.SnapIndex(view), 4);
    }
    EXPECT_EQ(settings.MoveRateIndex(), 6);
    EXPECT_DOUBLE_EQ(settings.MoveRateValue(), 0.1);
    EXPECT_EQ(settings.SplitterH(), 2275);
    EXPECT_EQ(settings.SplitterV(), 0);
    EXPECT_FALSE(settings.PmoveMode());
    EXPECT_FALSE(settings.CrossMarked());
    EXPECT_FALSE(settings.ViewOrient());
    EXPECT_FALSE(settings.FourViewLayout());
    EXPECT_EQ(settings.ModelDirectory(), "");
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
    for (auto [view, grid, snap] : {std::tuple{0, 9, 0}, {1, 0, 9}, {2, 7, 3}}) {
        EXPECT_EQ(settings.GridIndex(view), grid) << view;
        EXPECT_EQ(settings.SnapIndex(view), snap) << view;
    }
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

TEST_F(SettingsTest, FirstRunWritesTheInstallationDefaultsWhereTheFilesLive) {
    Settings settings(dir_.string());
    EXPECT_EQ(settings.WriteFirstRunValues(12000), "");
    EXPECT_EQ(settings.Configured(), 3);
    EXPECT_EQ(settings.IsoMode(), 2);
    EXPECT_EQ(settings.Read(setting::Grid[2]), "6");
    EXPECT_EQ(settings.SplitterH(), 2725);
    EXPECT_EQ(settings.SplitterV(), 4410);
    EXPECT_EQ(SplitterPairForScreenWidth(10500).first, "2480");
    EXPECT_EQ(SplitterPairForScreenWidth(13001).first, "3345");

    settings.SetFileDirectory(SBX_INI, (dir_ / "viewer").string());
    EXPECT_EQ(settings.Write(setting::UsePig, "4"), "");
    EXPECT_TRUE(fs::exists(dir_ / "viewer" / "sbx.ini"));
    EXPECT_FALSE(fs::exists(dir_ / "sbx.ini"));
    EXPECT_EQ(settings.Read(setting::UsePig), "4");
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
