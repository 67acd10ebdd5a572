#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace fw::test {
namespace {

TEST(Tool, ReadFailuresGoToStderrWithExitOne) {
    ToolDir dir;
    WriteText(dir / "text.pol", std::string(800, 'x'));
    fs::create_directory(dir / "folder.pol");
    for (auto [command, error] : {std::pair{"info missing.pol", "File missing.pol not found.\n"},
                                  {"info text.pol", "Not a ZPMF .POL file\n"},
                                  {"check folder.pol", "folder.pol is not a file.\n"}}) {
        ToolResult result = RunTool(dir, command);
        EXPECT_EQ(result.Out, "") << command;
        EXPECT_EQ(Failed(result.ExitCode, result.Err), Failed(1, error));
    }
}

// The shipped sample must be what the tool makes of its JSON, and must pass the check.
TEST(Tool, SampleRegeneratesFromItsJsonAndPassesTheCheck) {
    ToolDir dir;
    ToolResult made = RunTool(dir, "import " + Quoted(Example("robot.json")) + " robot.pol");
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
    EXPECT_EQ(made.Err, "");
    ToolResult check = RunTool(dir, "check robot.pol");
    EXPECT_EQ(check.ExitCode, 0);
    EXPECT_EQ(check.Out, "");
    EXPECT_EQ(RunTool(dir, "info robot.pol").Out,
              "points: 40\npolygons: 30\nsubmodels: 5\ntextures: 0 5\n");
    EXPECT_TRUE(ReadText(dir / "robot.pol") == ReadText(Example("robot.pol")))
        << "examples/robot.pol is stale: run scripts/make-sample";
}

TEST(Tool, CheckReportsEachFaultOnItsOwnLine) {
    ToolDir dir;
    std::string bytes = ReadText(Example("robot.pol"));
    bytes[742] = 1;  // the sample uses textures 0..4
    WriteText(dir / "window.pol", bytes);
    ToolResult window = RunTool(dir, "check window.pol");
    EXPECT_EQ(window.ExitCode, 1);
    EXPECT_NE(window.Out.find("d_tmappoly texture 4 is outside the model's texture window of 1\n"),
              std::string::npos)
        << window.Out;
    EXPECT_EQ(std::count(window.Out.begin(), window.Out.end(), '\n'), 5) << window.Out;
}

TEST(Tool, RefusedImportWritesNothing) {
    ToolDir dir;
    WriteText(dir / "syntax.json", R"({"points": [[0, 0, 0]],)");
    auto [code, error] = Failure(dir, "import syntax.json out.pol");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(error.rfind("syntax.json: JSON syntax error: ", 0), 0u) << error;
    EXPECT_FALSE(fs::exists(dir / "out.pol"));

    // A model the check refuses leaves an existing file alone.
    WriteText(dir / "out.pol", "the user's file");
    WriteText(dir / "corner.json",
              R"({"points": [[0, 0, 0]], "polygons": [{"corners": [0, 0, 3]}]})");
    WriteText(dir / "spread.json", R"({"points": [[0, 0, 0], [1, 0, 0], [0, 1, 0]],
        "pointSubmodel": [0, 0, 1], "polygons": [{"corners": [0, 1, 2]}]})");
    for (auto [json, error] :
         {std::pair{"corner.json",
                    "corner.json: polygons[0].corners[2] names point 3, which does not exist "
                    "(points are 0..0)\n"},
          {"spread.json",
           "Submodel Checker: WARNING!  1 polygon(s) are spread across one or more submodels\n"
           "Check/compress failed. Model not saved.\n"}}) {
        EXPECT_EQ(Failure(dir, std::string("import ") + json + " out.pol"), Failed(1, error));
    }
    EXPECT_EQ(ReadText(dir / "out.pol"), "the user's file");
}

// Mended: a number beyond the double range aborted the tool (exit 134), and an empty
// output path exited 0 having written nothing.
TEST(Tool, ImportFailuresAlwaysExitOneWithAMessage) {
    ToolDir dir;
    WriteText(dir / "huge.json", R"({"points": [[1e400, 0, 0]]})");
    WriteText(dir / "tri.json", R"({"points": [[0, 0, 0], [1, 0, 0], [0, 1, 0]]})");
    ToolResult huge = RunTool(dir, "import huge.json out.pol");
    EXPECT_EQ(huge.ExitCode, 1);
    EXPECT_EQ(huge.Err.rfind("huge.json: JSON error: ", 0), 0u) << huge.Err;
    EXPECT_EQ(Failure(dir, "import tri.json ''"), Failed(1, "No output file given.\n"));
    ASSERT_EQ(RunTool(dir, "import tri.json tri.pol").ExitCode, 0);
    EXPECT_EQ(Failure(dir, "export tri.pol ''"), Failed(1, "No file name given.\n"));
    EXPECT_FALSE(fs::exists(dir / "out.pol"));
}

TEST(Tool, WrongUsageExitsWithTwo) {
    ToolDir dir;
    for (const char* args : {"", "frobnicate x", "info", "export a.pol"}) {
        ToolResult result = RunTool(dir, args);
        EXPECT_EQ(result.ExitCode, 2) << args;
        EXPECT_NE(result.Err.find("usage: facetwork-tool"), std::string::npos) << args;
    }
    ToolResult script = RunTool(dir, "edit no-such.fwscript");
    EXPECT_EQ(script.ExitCode, 2);
    EXPECT_NE(script.Err.find("no-such.fwscript"), std::string::npos) << script.Err;
    // A folder opens like a file and reads as nothing: it used to "run" and exit 0.
    fs::create_directory(dir / "scripts");
    EXPECT_EQ(Failure(dir, "edit scripts"),
              Failed(2, "cannot read script: 'scripts' is a folder, not a script\n"));
}

// The example script runs as a user would run it, from its own directory.
TEST(EditScriptTool, MirrorExampleGivesItsDocumentedOutput) {
    ToolDir dir;
    ToolResult run = RunTool(dir, "edit " + Quoted(Example("mirror-half.fwscript")));
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out, ReadText(Example("mirror-half.expected")));
    EXPECT_TRUE(fs::exists(dir / "mirror-robot.json"));
    EXPECT_EQ(RunTool(dir, "info mirror-robot.pol").Out.rfind("points: 10\npolygons: 4\n", 0), 0u);

    WriteText(dir / "bad.fwscript", "new\nInsertPoint\n\nFoo 1\nsave never.pol\n");
    run = RunTool(dir, "edit bad.fwscript");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("line 4: unknown command 'Foo'"), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(dir / "never.pol"));
}

}  // namespace
}  // namespace fw::test
