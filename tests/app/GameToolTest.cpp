#include <gtest/gtest.h>

#include "GameDataBuilders.h"
#include "ToolRunner.h"

namespace fw::test {
namespace {

// A game directory whose HAM has three models; model 1 has two submodels.
void MakeGameDir(const ToolDir& dir) {
    fs::create_directories(dir / "game");
    HamBuilder b;
    GameBytes s;
    s.DefpStart(0, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})
        .SubCall(1, {0, 0, 1}, 58)
        .FlatPoly({0, 1, 2})
        .Eof();
    s.DefpStart(3, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}).Glow(0).FlatPoly({3, 4, 5}).Eof();
    ModelRecordFields f;
    f.NumSubmodels = 2;
    f.SubmodelPointers[1] = 102;
    f.Parents = {255, 0};
    f.Offsets[1] = {0, 0, 1 << 16};
    f.NumberOfTextures = 1;
    f.FirstTexture = 4;
    b.Models = {SmallGameModel(0, 2), MakeGameModel(f, s.bytes, 2, -1), SmallGameModel(2, 1)};
    b.ObjBitmaps = {1, 2, 3, 4, 5, 6};
    WriteBytes(dir / "game" / "DESCENT2.HAM", b.Build());
}

TEST(GameTool, ListsTheModelsOfTheGame) {
    ToolDir dir;
    MakeGameDir(dir);
    EXPECT_EQ(RunTool(dir, "game-models game").Out,
              "model submodels points polygons first-texture textures\n"
              "    0         1      4        2             0        2\n"
              "    1         2      6        2             4        1\n"
              "    2         1      4        2             2        1\n");
    EXPECT_EQ(Failure(dir, "game-models nowhere"), Failed(1, "No descent2.ham in nowhere.\n"));
}

TEST(GameTool, ImportsAModelOfTheGameAndSaysWhatItCouldNotKeep) {
    ToolDir dir;
    MakeGameDir(dir);
    ToolResult r = RunTool(dir, "import game/DESCENT2.HAM#1 robot.pol");
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(
        r.Out,
        "Imported 2 submodels, 6 points and 2 polygons; not kept: glow values (1 glow record), "
        "1 submodel pivot (a save puts each at the centroid of its points).\n");
    EXPECT_EQ(RunTool(dir, "info robot.pol").Out,
              "points: 6\npolygons: 2\nsubmodels: 2\ntextures: 4 1\n");
    EXPECT_EQ(RunTool(dir, "check robot.pol").ExitCode, 0);

    for (auto [source, error] :
         {std::pair{"game/DESCENT2.HAM",
                    "game/DESCENT2.HAM: name a model as game/DESCENT2.HAM#N "
                    "(the file has 3 models, 0 to 2)\n"},
          {"game/DESCENT2.HAM#3",
           "game/DESCENT2.HAM: there is no model 3 (the file has 3 models, 0 to 2)\n"},
          {"game/missing.ham#1", "File game/missing.ham not found.\n"}}) {
        EXPECT_EQ(Failure(dir, std::string("import ") + source + " out.pol"), Failed(1, error));
        EXPECT_FALSE(fs::exists(dir / "out.pol")) << source;
    }
}

TEST(GameTool, ExportsACustomModelFileThatImportsBack) {
    ToolDir dir;
    MakeGameDir(dir);
    fs::path sample = Example("robot.pol");
    ToolResult r =
        RunTool(dir, "export-hxm " + Quoted(sample) + " level.hxm --replace 2 --game game");
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    ToolResult back = RunTool(dir, "import level.hxm#2 back.pol");
    ASSERT_EQ(back.ExitCode, 0) << back.Err;
    EXPECT_EQ(RunTool(dir, "info back.pol").Out, RunTool(dir, "info " + Quoted(sample)).Out);

    // The game has 3 models and 6 object textures; the sample uses textures 0 to 4.
    const std::string hxm = "export-hxm " + Quoted(sample) + " x.hxm";
    EXPECT_EQ(Failure(dir, hxm + " --replace 3 --game game"),
              Failed(1, "Model number 3 is outside the game's 3 models (0 to 2).\n"));
    EXPECT_EQ(Failure(dir, hxm),
              Failed(1, "Name the game model the file replaces with --replace N.\n"));
    EXPECT_EQ(RunTool(dir, hxm + " --replace 1 --colour red").Err, "Unknown option --colour.\n");
    EXPECT_FALSE(fs::exists(dir / "x.hxm"));
}

TEST(GameTool, PofAndObjExportsImportBack) {
    ToolDir dir;
    fs::path sample = Example("robot.pol");
    ASSERT_EQ(RunTool(dir, "export-pof " + Quoted(sample) + " robot.pof").ExitCode, 0);
    ToolResult pof = RunTool(dir, "import robot.pof from-pof.pol");
    ASSERT_EQ(pof.ExitCode, 0) << pof.Err;
    EXPECT_TRUE(ReadText(dir / "from-pof.pol") == ReadText(sample));

    ASSERT_EQ(RunTool(dir, "export " + Quoted(sample) + " robot.obj").ExitCode, 0);
    // Each of the five textures names its picture, written beside the material library.
    std::string mtl = ReadText(dir / "robot.mtl");
    size_t at = 0;
    int pictures = 0;
    while ((at = mtl.find("map_Kd ", at)) != std::string::npos) {
        size_t end = mtl.find('\n', at);
        std::string picture = mtl.substr(at + 7, end - at - 7);
        EXPECT_EQ(ReadText(dir / picture).substr(0, 4), "\x89PNG") << picture;
        ++pictures, at = end;
    }
    EXPECT_EQ(pictures, 5) << mtl;
    ToolResult obj = RunTool(dir, "import robot.obj from-obj.pol");
    ASSERT_EQ(obj.ExitCode, 0) << obj.Err;
    EXPECT_EQ(obj.Out, "Imported 5 submodels, 40 points and 30 polygons.\n");
    EXPECT_EQ(RunTool(dir, "info from-obj.pol").Out, RunTool(dir, "info " + Quoted(sample)).Out);
    EXPECT_EQ(RunTool(dir, "import robot.obj big.pol --scale -1").Err,
              "The scale factor -1 is not a positive number.\n");

    WriteText(dir / "broken.obj", "v 0 0 0\nf 1 1 1 1\nf 1 2 3\n");
    EXPECT_EQ(Failure(dir, "import broken.obj broken.pol"),
              Failed(1, "broken.obj: line 3: vertex '2' does not exist (1 vertices so far)\n"));
    EXPECT_FALSE(fs::exists(dir / "broken.pol"));
}

TEST(GameTool, CheckWarnsOfWhatTheGameToleratesBadly) {
    ToolDir dir;
    std::string bytes = ReadText(Example("robot.pol"));
    bytes[742] = char(120);  // textures
    WriteText(dir / "many.pol", bytes);
    ToolResult many = RunTool(dir, "check many.pol");
    EXPECT_EQ(many.ExitCode, 0);
    EXPECT_EQ(many.Out,
              "warning: the model uses 120 textures; the game gives a model at most 100\n");

    std::string points = R"({"points": [)";
    for (int i = 0; i < 210; ++i) points += (i ? ", [" : "[") + std::to_string(i) + ", 0, 0]";
    WriteText(dir / "wide.json", points + R"(], "polygons": [{"corners": [0, 1, 209]}]})");
    ASSERT_EQ(RunTool(dir, "import wide.json wide.pol").ExitCode, 0);
    ToolResult wide = RunTool(dir, "check wide.pol");
    EXPECT_EQ(wide.ExitCode, 0);
    EXPECT_EQ(wide.Out,
              "warning: points are defined up to slot 209; the game's morph-in effect "
              "handles slots below 200, so as a robot this model will not morph in\n");

    StreamBytes s;
    for (int i = 0; i < 6; ++i) s.DefpStart(1, i).Eof();
    std::vector<uint8_t> deep = ModelFileBytes(s, 6, {0, 22, 44, 66, 88, 110}, 1);
    for (int i = 1; i < 6; ++i) deep[464 + i] = uint8_t(i - 1);
    WriteBytes(dir / "deep.pol", deep);
    ToolResult nested = RunTool(dir, "check deep.pol");
    EXPECT_NE(nested.Out.find("warning: submodel 5 is nested 5 levels below the root; the game's "
                              "instance stack allows 4\n"),
              std::string::npos)
        << nested.Out;
}

}  // namespace
}  // namespace fw::test
