#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "EditFixture.h"
#include "edit/CommandTable.h"
#include "edit/ScriptRunner.h"
#include "edit/TextureCommands.h"

namespace fw {
namespace {

class TextureCommandsTest : public EditFixture {
protected:
    // Runs a table command by id with its argument words, as a script line would.
    CommandResult Cmd(std::string_view id, std::vector<std::string> words = {}) {
        CommandResult result;
        std::string error = InvokeCommand(ed, EditingCommands(), id, words, &result);
        EXPECT_EQ(error, "") << id;
        return result;
    }
    // A unit square in the XY plane, polygon 0, with U, V = its corners.
    void MakeSquare() {
        MakePoints(0);
        for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}}) AddPoint(x, y, 0);
        int p = AddPolygon({0, 1, 2, 3});
        M().Polygons[p].TextureNumber = 0;
        for (int j = 0; j < 4; ++j)
            M().Polygons[p].CornerUVL[j] = {float(M().Points[j].X), float(M().Points[j].Y), 0};
        Saved();
    }
    CornerUVLRecord UV(int corner, int p = 0) { return M().Polygons[p].CornerUVL[corner]; }
};

TEST_F(TextureCommandsTest, PolygonToolbarUsesTheStepBoxesAndIsOneUndoStep) {
    MakeSquare();
    EXPECT_TRUE(Cmd("TextureToolbar", {"8"}).done);  // "Texture Greater" by 1.1
    EXPECT_NEAR(UV(0).U, -0.05, 1e-6);
    EXPECT_TRUE(M().Modified);
    ed.TextOPMove = "0.5";
    Cmd("TextureToolbar", {"1"});
    EXPECT_NEAR(UV(0).U, 0.45, 1e-6);
    ed.Undo();
    ed.Undo();
    EXPECT_EQ(UV(0).U, 0);
    EXPECT_FALSE(M().Modified);
    // Reset lays the square flat: corner offsets from corner 0 over 4.
    Cmd("TextureToolbar", {"17"});
    EXPECT_NEAR(std::hypot(UV(2).U, UV(2).V), std::sqrt(2.0) / 4, 1e-6);
}

TEST_F(TextureCommandsTest, ToolbarsRefuseWhatTheyCannotDo) {
    NewModel(M());
    EXPECT_EQ(Cmd("TextureToolbar", {"0"}).status, NEED_POLYGON);
    EXPECT_EQ(Cmd("UVToolbar", {"0"}).status, NEED_POLYGON);
    MakeSquare();
    ed.TextOPScale = "zero";  // reads as 0
    CommandResult scaled = Cmd("TextureToolbar", {"4"});
    EXPECT_TRUE(scaled.Refused());
    EXPECT_EQ(scaled.status, "The scale factor must not be 0.");
    EXPECT_EQ(UV(1).U, 1);
    EXPECT_TRUE(Cmd("TextureToolbar", {"0"}).done);  // moving needs no scale
    EXPECT_TRUE(Cmd("TextureToolbar", {"13"}).Refused());
    EXPECT_TRUE(Cmd("UVToolbar", {"7"}).Refused());
    EXPECT_EQ(ed.History().UndoCount(), 1u);
}

TEST_F(TextureCommandsTest, UVToolbarAlignsAtTheCurrentUVPointAndWrapsIt) {
    MakePoints(3);
    int p = AddPolygon({0, 1, 2});
    M().Polygons[p].CornerUVL[0] = {1, 1, 0};
    M().Polygons[p].CornerUVL[1] = {1, 3, 0};
    ed.CurrentListCorner = 7;  // beyond the corners: taken as 0
    Cmd("UVToolbar", {"0"});
    EXPECT_NEAR(UV(1).U, 2, 1e-5);
    EXPECT_EQ(ed.CurrentListCorner, 0);
    ed.CurrentListCorner = 2;
    Cmd("UVToolbar", {"1"});  // align next wraps to corner 0
    EXPECT_EQ(ed.CurrentListCorner, 0);
    ed.TextUV = "0.25";
    Cmd("UVToolbar", {"3"});
    EXPECT_NEAR(UV(0).U, 0.25, 1e-5);
}

TEST_F(TextureCommandsTest, MappingUsesTheHeldValuesOnMarkedPolygonsOnly) {
    MakePoints(0);
    AddPoint(4, 8, 0);
    AddPoint(1, 0, 3);
    AddPoint(0, 0, 0);
    AddPolygon({0, 1, 2});
    AddPolygon({0, 1, 2});
    MarkPolygons({0});
    Cmd("MapDefaults", {"planar"});  // XY plane is the opening choice
    EXPECT_TRUE(Cmd("MapTextures").done);
    EXPECT_NEAR(UV(0).U, 1, 1e-6);
    EXPECT_NEAR(UV(0).V, 2, 1e-6);
    EXPECT_EQ(UV(0, 1).U, 0);
    MappingInputs& in = MappingOf(ed);
    EXPECT_TRUE(Cmd("MapDefaults", {"conical"}).Refused());
    EXPECT_EQ(Cmd("MapGetCenter").status, "Mark at least 1 point first.");
    MarkPoints({0, 1});
    Cmd("MapGetCenter");
    EXPECT_EQ(in.Spherical.Centre, (PointRecord{2.5, 4, 1.5}));
    EXPECT_EQ(in.Planar.Centre, in.Cylindrical.Centre);
}

TEST_F(TextureCommandsTest, ApplyingAttributesBuildsTheColourAndWarnsPerPolygon) {
    MakeSquare();
    AddPolygon({0, 1, 2});
    AddPolygon({0, 2, 3});
    Cmd("ApplyAttributes", {"current", "-1", "100", "50", "0"});  // read back at the end
    EXPECT_TRUE(host.messages.empty());
    MarkPolygons({1, 2});
    Cmd("ApplyAttributes", {"marked", "3", "120", "0", "-4"});
    EXPECT_EQ(M().Polygons[1].TextureNumber, 3);
    EXPECT_EQ(M().Polygons[2].FlatColour, 0x7C00);
    // Two out-of-range components on each of two polygons.
    ASSERT_EQ(host.messages.size(), 4u);
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_EQ(host.messages[0].text, "Value greater than 100-Using that instead");
    EXPECT_EQ(host.messages[1].text, "Value less than 0-Using that instead");
    EXPECT_TRUE(Cmd("ApplyAttributes", {"all", "0", "0", "0", "0"}).Refused());
    EXPECT_TRUE(Cmd("ApplyAttributes", {"current", "5", "0", "0", "0"}).Refused());
    EXPECT_EQ(AttributesLine(M()), "attributes -1 100 50 0");
}

TEST_F(TextureCommandsTest, TextureNumberBoxChecksTheWindow) {
    MakeSquare();
    M().NumberOfTextures = 5;
    for (int bad : {5, -2}) {
        host.messages.clear();
        EXPECT_FALSE(Cmd("SelectTexture", {std::to_string(bad)}).done);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "Texture number must be between 0 and 4");
    }
    EXPECT_FALSE(M().Modified);
    EXPECT_TRUE(Cmd("SelectTexture", {"-1"}).done);
    EXPECT_TRUE(M().Polygons[0].IsFlat());
}

TEST_F(TextureCommandsTest, TextureWindowEditsAreUndoableAndKeepUsedTextures) {
    MakeSquare();
    M().Polygons[0].TextureNumber = 6;
    M().NumberOfTextures = 10;
    Saved();
    Cmd("SetNumberOfTextures", {"3"});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Too low number");
    EXPECT_EQ(M().NumberOfTextures, 7);
    EXPECT_TRUE(M().Modified);
    EXPECT_TRUE(Cmd("SetNumberOfTextures", {"20"}).Refused());
    EXPECT_TRUE(Cmd("SetFirstModelTexture", {"580"}).Refused());
    EXPECT_TRUE(Cmd("SetFirstModelTexture", {"-1"}).Refused());
    Cmd("SetFirstModelTexture", {"579"});
    EXPECT_EQ(M().FirstModelTexture, 579);
    ed.Undo();
    ed.Undo();
    EXPECT_EQ(M().NumberOfTextures, 10);
    EXPECT_EQ(M().FirstModelTexture, 0);
    EXPECT_FALSE(M().Modified);
}

TEST(TextureScriptTest, SetLinesReachTheTextureCommands) {
    std::ostringstream out;
    ScriptRunner runner(out);
    auto run = [&](const std::string& text) {
        std::istringstream in(text);
        return runner.Run(in);
    };
    ASSERT_EQ(run("point 0 4 8 0\nToggleCurrentPointMark\nInsertPoint\npoint 1 1 0 3\n"
                  "InsertPoint\npoint 2 0 0 0\nInsertPolygon\nMarkAllPolygons\n"
                  "set MapPlanar 1 0.25 0.25 0 0 0 XY\nset MapSpherical 0 1 1 0 0 0 XY\n"
                  "set MapCylindrical 0 1 1 0 0 0 Z\nset MapOverall 90 2\nMapTextures\n"),
              "");
    const ModelStore& m = runner.Ed().Model();
    // (1, 2) turned by a quarter and doubled.
    EXPECT_NEAR(m.Polygons[0].CornerUVL[0].U, -4, 1e-5);
    EXPECT_NEAR(m.Polygons[0].CornerUVL[0].V, 2, 1e-5);
    EXPECT_NE(run("set MapPlanar 1 1 1 0 0 0 Q\n"), "");
    EXPECT_NE(run("set MapOverall 1\n"), "");
    out.str("");
    ASSERT_EQ(run("set TextOPMove 1\nTextureToolbar 0\nset NumberOfTextures 12\n"
                  "set FirstModelTexture 40\nApplyAttributes current 2 100 100 100\n"
                  "ShowAttributes\nset NumberOfTextures 0\n"),
              "");
    EXPECT_EQ(m.FirstModelTexture, 40);
    EXPECT_NE(out.str().find("attributes 2 100 100 100\n"), std::string::npos);
    EXPECT_NE(out.str().find("box Too low number: "), std::string::npos);
    EXPECT_EQ(m.NumberOfTextures, 3);  // texture 2 is in use
}

}  // namespace
}  // namespace fw
