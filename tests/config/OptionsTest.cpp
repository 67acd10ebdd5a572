#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "CraftedSuite.h"
#include "config/Options.h"

namespace fw {
namespace {

struct FakeTarget : OptionsTarget {
    OptionsRunState run;
    std::vector<std::string> calls;
    std::vector<std::string> errors;
    OptionsRunState RunState() const override { return run; }
    void SetPointMoveMode(bool on) override {
        run.pmoveMode = on;
        calls.push_back(on ? "pmove 1" : "pmove 0");
    }
    void SetInsertOffset(const PointRecord& p) override {
        run.insertOffset = p;
        calls.push_back("offset");
    }
    void SetInterfaceMode(int mode) override {
        calls.push_back("interface " + std::to_string(mode));
    }
    void Redraw() override { calls.push_back("redraw"); }
    void ReportError(const std::string& error) override { errors.push_back(error); }
};

struct FakePreview : PreviewCommands {
    std::vector<std::string> sent;
    void SetPreviewBackground(int i) override { sent.push_back("background " + std::to_string(i)); }
    void SetPreviewTextureSet(int i) override { sent.push_back("textures " + std::to_string(i)); }
    void SendPreviewCommand(int code, int a, int b, int c, int d) override {
        sent.push_back(std::to_string(code) + " " + std::to_string(a) + " " + std::to_string(b) +
                       " " + std::to_string(c) + " " + std::to_string(d));
    }
    void UpdateMenuChecks() override { sent.push_back("menu"); }
};

class OptionsTest : public ::testing::Test {
protected:
    CraftedSuite suite;
    Settings settings{suite.Suite()};
    FakeTarget target;
    FakePreview preview;
};

TEST_F(OptionsTest, OpeningShowsTheStoredAndRunValues) {
    suite.Write("suite/fctwrk32.ini",
                "[Display]\nIsoMode=1\n[Grid and Snap]\nXZGrid=2\nXZSnap=8\n[Interface]\n"
                "InterfaceMode=1\nStandardUndoKeys=1\n");
    suite.Write("suite/cobl.ini",
                "[SBX]\nCullFace=1\nColor=0\nLine/Poly=1\nBKColor=5\nTextureSet=9\n");
    suite.Write("suite/descent.ini", "[DTools]\nShadebox=/opt/sbx\n[Directories]\nZPMF=/m\n");
    target.run = {{0.5, -2, 0.125}, true, false, true, 3};
    OptionsValues v = LoadOptions(settings, target.run);
    // No MoveRate key gives index 6; texture set 9 is out of range and shows the last set.
    EXPECT_EQ(std::tie(v.moveRateIndex, v.grid, v.snap, v.offsetText, v.interfaceMode, v.isoMode,
                       v.shadebox, v.modelDir, v.background, v.textureSet),
              std::make_tuple(6, std::array{6, 2, 6}, std::array{4, 8, 4},
                              std::array<std::string, 3>{"0.5", "-2", "0.125"}, 1, 1,
                              std::string("/opt/sbx"), std::string("/m"), 5, 5));
    EXPECT_EQ(std::tie(v.viewOrient, v.crossMark, v.pointMove, v.interfaceTouched, v.cullFace,
                       v.textured, v.linePoly, v.size2Poly, v.standardUndoKeys, v.stretchViews),
              std::make_tuple(true, false, true, false, true, false, true, false, true, false));
}

// The move rate, view orientation and cross mark are checked through the dialog.
TEST_F(OptionsTest, OkWritesEveryKeyAndAppliesTheRunValues) {
    OptionsValues v = LoadOptions(settings, target.run);
    v.shadebox = "  /opt/sbx/sbx ";  // stored as typed
    v.offsetText = {"1.5", "abc", "-0.25"};
    v.pointMove = true;
    v.isoMode = 2;
    v.stretchViews = true;
    v.grid = {0, 1, 9};
    v.snap = {9, 8, 7};
    ApplyOptions(v, settings, target, preview);
    // The file trims blanks; "abc" is not a number.
    EXPECT_EQ(settings.Read(setting::Shadebox), "/opt/sbx/sbx");
    EXPECT_EQ(target.run.insertOffset, (PointRecord{1.5, 0, -0.25}));
    EXPECT_EQ(std::make_tuple(settings.Read(setting::PmoveMode), settings.Read(setting::IsoMode),
                              settings.Read(setting::StretchViews),
                              settings.Read(setting::StandardUndoKeys)),
              std::make_tuple("1", "2", "1", "0"));
    for (int view = 0; view < 3; ++view)
        EXPECT_EQ(std::pair(settings.GridIndex(view), settings.SnapIndex(view)),
                  std::pair(v.grid[view], v.snap[view]));
    // The layout was not touched: it stays; redraw comes last.
    EXPECT_EQ(target.calls, (std::vector<std::string>{"offset", "pmove 1", "redraw"}));

    v.interfaceMode = 0;
    v.interfaceTouched = true;
    target.calls.clear();
    ApplyOptions(v, settings, target, preview);
    EXPECT_EQ(target.calls,
              (std::vector<std::string>{"offset", "pmove 1", "interface 0", "redraw"}));
}

TEST_F(OptionsTest, AFailedWriteIsReportedOnceWithTheSystemsReasonAndTheRestStillApplies) {
    // The settings folder sits below a plain file, so no write can succeed, whoever runs.
    suite.Write("blocked", "");
    Settings unwritable(suite.Path("blocked/suite"));
    std::vector<std::string> heard;
    auto subscription =
        unwritable.Subscribe([&](const SettingKey& key) { heard.push_back(std::string(key.key)); });
    OptionsValues v = LoadOptions(unwritable, target.run);
    v.moveRateIndex = 8;
    ApplyOptions(v, unwritable, target, preview);
    ASSERT_EQ(target.errors.size(), 1u);
    EXPECT_NE(target.errors[0].find("Not a directory"), std::string::npos) << target.errors[0];
    EXPECT_TRUE(heard.empty());  // nothing changed, so nobody is told
    EXPECT_EQ(*suite.Read("blocked"), "");
    EXPECT_EQ(target.calls.back(), "redraw");
    EXPECT_EQ(preview.sent.size(), 7u);
}

}  // namespace
}  // namespace fw
