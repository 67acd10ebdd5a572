#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace fw::test {
namespace {

// The shipped sample must be what the tool makes of its JSON, and must pass the check.
TEST(SampleModel, RegeneratesFromItsJsonAndPassesTheCheck) {
    ToolDir dir;
    fs::path pol = dir / "robot.pol";
    ToolResult made = RunTool(dir, "import " + Quoted(SampleJson()) + " " + Quoted(pol));
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
    EXPECT_EQ(made.Err, "");

    ToolResult check = RunTool(dir, "check " + Quoted(pol));
    EXPECT_EQ(check.ExitCode, 0);
    EXPECT_EQ(check.Out, "");

    ToolResult info = RunTool(dir, "info " + Quoted(pol));
    EXPECT_EQ(info.ExitCode, 0);
    EXPECT_EQ(info.Out, "points: 40\npolygons: 30\nsubmodels: 5\ntextures: 0 5\n");

    EXPECT_TRUE(ReadText(pol) == ReadText(SamplePol()))
        << "examples/robot.pol is stale: run scripts/make-sample";
}

}  // namespace
}  // namespace fw::test
