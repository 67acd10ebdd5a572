// The viewer's answers to the editor's commands, and its command line.
#include <gtest/gtest.h>

#include "viewer/ViewerArguments.h"
#include "viewer/ViewerSession.h"
#include "viewer/ViewerTestUtil.h"

namespace fw::test {
namespace {

struct SessionTest : ::testing::Test {
    TempDir dir;
    std::string path = (dir / "temppol4.pol").string();
    ViewerSession session;

    void WriteModel(int16_t colour) {
        auto m = EmptyModel(1);
        AddSquare(*m, 0, 0, true, colour);
        WriteBytes(path, Serialize(*m));
    }
    void Open(int16_t colour) {
        WriteModel(colour);
        session.SetFile(path);
        ASSERT_TRUE(session.Reload());
    }
    SessionAction Send(int code, int a = 0, int b = 0, int c = 0, int d = 0) {
        return session.Apply({code, a, b, c, d});
    }
    uint32_t CentreColour() { return Draw(session.Model(), session.Angles().Yaw).Centre(); }
};

TEST_F(SessionTest, ReloadKeepsTheViewAndABadFileKeepsTheLastGoodModel) {
    Open(0x7C00);
    Send(preview::TURN_RIGHT);
    ViewAngles turned = session.Angles();
    WriteModel(0x03E0);
    EXPECT_EQ(Send(preview::RELOAD), SessionAction::Redraw);
    EXPECT_EQ(session.Angles(), turned);
    session.Angles().Yaw = 0;
    EXPECT_EQ(CentreColour(), GREEN);

    WriteBytes(path, {'Z', 'P', 'M', 'F', 9, 0, 0, 0});
    Send(preview::RELOAD);
    EXPECT_TRUE(session.HasModel());
    EXPECT_EQ(CentreColour(), GREEN);
    EXPECT_NE(session.Message().find("Unknown POL file version"), std::string::npos);
    WriteModel(0x7C00);
    Send(preview::RELOAD);
    EXPECT_EQ(session.Message(), "");
}

TEST_F(SessionTest, DisplayCodesSetTheirSettings) {
    Send(preview::BACKGROUND_RED, 1, 4);
    Send(preview::BACKGROUND_GREEN, 1, 0);
    Send(preview::BACKGROUND_BLUE, 1, 1);
    EXPECT_EQ(session.Options().Background, 5);
    Send(preview::BACKGROUND_RED, 1, 0);
    EXPECT_EQ(session.Options().Background, 1);
    Send(preview::CULL_FACE, 1, 0);
    Send(preview::COLOURING, 1, 0);
    Send(preview::LINE_POLY, 1, 0);
    Send(preview::SIZE_TO_POLYGON, 1, 0);
    EXPECT_EQ(session.Options(), (RenderOptions{false, false, false, false, 1}));
    for (int set = 0; set < preview::TEXTURE_SET_COUNT; ++set) {
        Send(preview::TEXTURE_SET_CODES[set]);
        EXPECT_EQ(session.TextureSet(), set);
    }
    EXPECT_EQ(Send(preview::QUIT), SessionAction::Quit);
    EXPECT_EQ(Send(4242, 1, 2, 3, 4), SessionAction::None);
}

TEST_F(SessionTest, NavigationCodesTurnZoomAndReset) {
    Send(preview::TURN_LEFT);
    Send(preview::TURN_UP);
    EXPECT_FLOAT_EQ(session.Angles().Yaw, 15);
    EXPECT_FLOAT_EQ(session.Angles().Pitch, 35);
    Send(preview::NAVIGATE, 10, -100, 2, 0);
    EXPECT_FLOAT_EQ(session.Angles().Yaw, 25);
    EXPECT_FLOAT_EQ(session.Angles().Pitch, -65);
    EXPECT_NEAR(session.Angles().Zoom, 1.21f, 1e-5);
    Send(preview::NAVIGATE, 0, -1000, 0, 0);
    EXPECT_FLOAT_EQ(session.Angles().Pitch, -MAX_PITCH);
    Send(preview::RESET_VIEW);
    EXPECT_EQ(session.Angles(), ViewAngles{});
    Send(preview::TURNTABLE, 0, 1, 1, 0);
    EXPECT_TRUE(session.Turntable());
    Send(preview::TURNTABLE, 0, 1, 0, 0);
    EXPECT_FALSE(session.Turntable());
}

TEST_F(SessionTest, AReloadDuringAnEditorDialogWaitsForItsEnd) {
    Open(0x7C00);
    session.Angles().Yaw = 0;
    Send(preview::DIALOG, 0, 0);
    EXPECT_NE(session.Message().find("Editor dialog open"), std::string::npos);
    WriteModel(0x03E0);
    EXPECT_EQ(Send(preview::RELOAD), SessionAction::None);
    EXPECT_EQ(CentreColour(), RED);
    Send(preview::DIALOG, 0, 1);
    EXPECT_EQ(CentreColour(), GREEN);
    EXPECT_EQ(session.Message(), "");
}

TEST(ViewerArguments, TheThreeForms) {
    ViewerArguments a;
    ASSERT_EQ(ParseViewerArguments({"/tmp/suite/temppol4.pol", "0", "0", "1", "1", "4711"}, a), "");
    EXPECT_TRUE(a.Linked);
    EXPECT_EQ(a.WindowId, "4711");
    EXPECT_EQ(ControlSocketPath(a), "/tmp/suite/sbxctl");

    ASSERT_EQ(ParseViewerArguments({"model.pol"}, a), "");
    EXPECT_FALSE(a.Linked);
    EXPECT_EQ(ControlSocketPath(a), "");
    ASSERT_EQ(ParseViewerArguments({"model.pol", "--control", "/run/x"}, a), "");
    EXPECT_EQ(ControlSocketPath(a), "/run/x/sbxctl");

    ASSERT_EQ(ParseViewerArguments({"--render", "r.pol", "--yaw", "-45.5", "--pitch", "10",
                                    "--size", "320x200", "--out", "r.png", "--background", "3"},
                                   a),
              "");
    EXPECT_EQ(std::tuple(a.Render, a.Angles.Yaw, a.Width, a.Height, a.Options.Background),
              std::tuple(true, -45.5f, 320, 200, 3));

    for (std::vector<std::string> bad :
         {std::vector<std::string>{}, {"a.pol", "b.pol"}, {"--render", "a.pol"},
          {"--render", "a.pol", "--out", "x.png", "--size", "0x10"},
          {"--render", "a.pol", "--out", "x.png", "--yaw", "north"},
          {"f.pol", "0", "zero", "1", "1", "7"}, {"f.pol", "--bogus"}, {"f.pol", "--control"}})
        EXPECT_NE(ParseViewerArguments(bad, a), "") << ::testing::PrintToString(bad);
}

}  // namespace
}  // namespace fw::test
