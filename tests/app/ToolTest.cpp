#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace fw::test {
namespace {

TEST(Tool, InfoPrintsCountsAndTextureWindow) {
    ToolDir dir;
    WriteText(dir / "tri.json", R"({"points": [[0, 0, 0], [1, 0, 0], [0, 1, 0]],
        "polygons": [{"corners": [0, 1, 2]}], "numberOfTextures": 7, "firstModelTexture": 12})");
    ASSERT_EQ(
        RunTool(dir, "import " + Quoted(dir / "tri.json") + " " + Quoted(dir / "tri.pol")).ExitCode,
        0);
    ToolResult info = RunTool(dir, "info " + Quoted(dir / "tri.pol"));
    EXPECT_EQ(info.ExitCode, 0);
    EXPECT_EQ(info.Out, "points: 3\npolygons: 1\nsubmodels: 1\ntextures: 12 7\n");
    EXPECT_EQ(info.Err, "");
}

TEST(Tool, InfoReportsReadFailuresOnStderr) {
    ToolDir dir;
    fs::path missing = dir / "missing.pol";
    ToolResult result = RunTool(dir, "info " + Quoted(missing));
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(result.Err, "File " + missing.string() + " not found.\n");

    WriteText(dir / "text.pol", std::string(800, 'x'));
    result = RunTool(dir, "info " + Quoted(dir / "text.pol"));
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_EQ(result.Err, "Not a ZPMF .POL file\n");
}

TEST(Tool, CheckReportsEachFaultOnItsOwnLine) {
    ToolDir dir;
    ToolResult clean = RunTool(dir, "check " + Quoted(SamplePol()));
    EXPECT_EQ(clean.ExitCode, 0);
    EXPECT_EQ(clean.Out, "");

    std::string bytes = ReadText(SamplePol());
    std::string longer = bytes + '\0';
    WriteText(dir / "longer.pol", longer);
    ToolResult sized = RunTool(dir, "check " + Quoted(dir / "longer.pol"));
    EXPECT_EQ(sized.ExitCode, 1);
    EXPECT_EQ(sized.Out, "header: model data size " + std::to_string(bytes.size() - 754) +
                             " does not match the file length " + std::to_string(longer.size()) +
                             " (expected " + std::to_string(bytes.size()) + ")\n");

    std::string oneTexture = bytes;
    oneTexture[742] = 1;  // the sample uses textures 0..4
    WriteText(dir / "window.pol", oneTexture);
    ToolResult window = RunTool(dir, "check " + Quoted(dir / "window.pol"));
    EXPECT_EQ(window.ExitCode, 1);
    EXPECT_NE(window.Out.find("d_tmappoly texture 4 is outside the model's texture window of 1\n"),
              std::string::npos)
        << window.Out;
    EXPECT_EQ(std::count(window.Out.begin(), window.Out.end(), '\n'), 5) << window.Out;

    ToolResult missing = RunTool(dir, "check " + Quoted(dir / "none.pol"));
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err, "File " + (dir / "none.pol").string() + " not found.\n");

    fs::create_directory(dir / "folder.pol");
    ToolResult folder = RunTool(dir, "check " + Quoted(dir / "folder.pol"));
    EXPECT_EQ(folder.ExitCode, 1);
    EXPECT_EQ(folder.Err, (dir / "folder.pol").string() + " is not a file.\n");
}

TEST(Tool, ExportAndImportRoundTrip) {
    ToolDir dir;
    fs::path a = dir / "a.json", b = dir / "b.json", pol = dir / "b.pol";
    ASSERT_EQ(RunTool(dir, "export " + Quoted(SamplePol()) + " " + Quoted(a)).ExitCode, 0);
    ASSERT_EQ(RunTool(dir, "import " + Quoted(a) + " " + Quoted(pol)).ExitCode, 0);
    ASSERT_EQ(RunTool(dir, "export " + Quoted(pol) + " " + Quoted(b)).ExitCode, 0);
    EXPECT_EQ(ReadText(a), ReadText(b));
    EXPECT_EQ(RunTool(dir, "info " + Quoted(pol)).Out,
              RunTool(dir, "info " + Quoted(SamplePol())).Out);

    ToolResult failed =
        RunTool(dir, "export " + Quoted(dir / "none.pol") + " " + Quoted(dir / "c.json"));
    EXPECT_EQ(failed.ExitCode, 1);
    EXPECT_FALSE(fs::exists(dir / "c.json"));
}

TEST(Tool, RefusedImportWritesNothing) {
    ToolDir dir;
    fs::path target = dir / "out.pol";
    const std::string kept = "the user's file";

    WriteText(dir / "syntax.json", R"({"points": [[0, 0, 0]],)");
    ToolResult syntax =
        RunTool(dir, "import " + Quoted(dir / "syntax.json") + " " + Quoted(target));
    EXPECT_EQ(syntax.ExitCode, 1);
    EXPECT_EQ(syntax.Err.rfind((dir / "syntax.json").string() + ": JSON syntax error: ", 0), 0u)
        << syntax.Err;
    EXPECT_FALSE(fs::exists(target));

    WriteText(target, kept);
    WriteText(dir / "corner.json",
              R"({"points": [[0, 0, 0]], "polygons": [{"corners": [0, 0, 3]}]})");
    ToolResult corner =
        RunTool(dir, "import " + Quoted(dir / "corner.json") + " " + Quoted(target));
    EXPECT_EQ(corner.ExitCode, 1);
    EXPECT_EQ(
        corner.Err,
        (dir / "corner.json").string() +
            ": polygons[0].corners[2] names point 3, which does not exist (points are 0..0)\n");
    EXPECT_EQ(ReadText(target), kept);

    WriteText(dir / "spread.json", R"({"points": [[0, 0, 0], [1, 0, 0], [0, 1, 0]],
        "pointSubmodel": [0, 0, 1], "polygons": [{"corners": [0, 1, 2]}]})");
    ToolResult spread =
        RunTool(dir, "import " + Quoted(dir / "spread.json") + " " + Quoted(target));
    EXPECT_EQ(spread.ExitCode, 1);
    EXPECT_EQ(spread.Err,
              "Submodel Checker: WARNING!  1 polygon(s) are spread across one or more submodels\n"
              "Check/compress failed. Model not saved.\n");
    EXPECT_EQ(ReadText(target), kept);

    ToolResult missing = RunTool(dir, "import " + Quoted(dir / "none.json") + " " + Quoted(target));
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err, "File " + (dir / "none.json").string() + " not found.\n");
    EXPECT_EQ(ReadText(target), kept);
}

TEST(Tool, WrongUsageExitsWithTwo) {
    ToolDir dir;
    for (const char* args : {"", "frobnicate x", "info", "export a.pol"}) {
        ToolResult result = RunTool(dir, args);
        EXPECT_EQ(result.ExitCode, 2) << args;
        EXPECT_NE(result.Err.find("usage: facetwork-tool"), std::string::npos) << args;
    }
}

}  // namespace
}  // namespace fw::test
