#include <gtest/gtest.h>

#include <cstdlib>

#include "TextureTestFiles.h"
#include "app/ToolRunner.h"
#include "textures/TextureCatalogue.h"

namespace fw {
namespace {

using test::ReadText;
using test::RunTool;
using test::ToolDir;
using test::ToolResult;

std::string Bytes(std::span<const uint8_t> b) {
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

// The tool finds the imported catalogue through XDG_DATA_HOME, which each test points into
// its own folder.
class TextureTool : public ::testing::Test {
protected:
    TextureTool() { setenv("XDG_DATA_HOME", (dir / "data-home").c_str(), 1); }
    ToolDir dir;
};

TEST_F(TextureTool, ListAndThumbnailShowThePlaceholdersUntilAnImport) {
    ToolResult list = RunTool(dir, "textures list");
    EXPECT_EQ(list.ExitCode, 0) << list.Err;
    EXPECT_EQ(list.Out.substr(0, 26), "1 'slot001 '\n2 'slot002 '\n");
    EXPECT_EQ(std::count(list.Out.begin(), list.Out.end(), '\n'), 599);
    ASSERT_EQ(RunTool(dir, "textures thumbnail 113 out.dib").ExitCode, 0);
    EXPECT_EQ(ReadText(dir / "out.dib"), Bytes(TextureCatalogue().Thumbnail(113)));

    test::GameFolder().Write(dir / "game");
    ToolResult import = RunTool(dir, "textures import game");
    EXPECT_EQ(import.ExitCode, 0) << import.Err;
    const std::string target = (dir / "data-home/facetwork/textures").string();
    EXPECT_EQ(import.Out, "Imported 5 game textures into " + target +
                              ".\n594 slots the game's table does not reach keep their "
                              "placeholders.\n");
    // List and thumbnail load the catalogue the same way: the list shows the import is used.
    list = RunTool(dir, "textures list");
    EXPECT_EQ(list.Out.substr(0, 52), "1 'plain64 '\n2 'rle64   '\n3 'wide320 '\n4 'small   '\n");

    // A list file of one's own is shown with its names' padding.
    test::WriteText(dir / "names.lst", "; mine\n\n a\nlong-name-here\n");
    list = RunTool(dir, "textures list --lst names.lst");
    EXPECT_EQ(list.ExitCode, 0);
    EXPECT_EQ(list.Out, "1 ' a      '\n2 'long-nam'\n");
}

TEST_F(TextureTool, MistakesGiveMessagesAndExitCodes) {
    const std::tuple<std::string, int, std::string> cases[] = {
        {"textures list --lst none.lst", 1, "Cannot read the name list none.lst.\n"},
        {"textures thumbnail 100 x.dib", 1,
         "No thumbnail has the id 100; ids run from 101 to 699.\n"},
        {"textures thumbnail 1e2 x.dib", 1,
         "No thumbnail has the id 1e2; ids run from 101 to 699.\n"},
        {"textures import nowhere", 1, "nowhere is not a folder.\n"},
        {"textures paint", 2,
         "usage: facetwork-tool textures import GAMEDIR | list [--lst FILE] "
         "| thumbnail ID OUT.dib\n"},
    };
    for (const auto& [command, code, message] : cases) {
        ToolResult r = RunTool(dir, command);
        EXPECT_EQ(r.ExitCode, code) << command;
        EXPECT_EQ(r.Err, message) << command;
        EXPECT_EQ(r.Out, "") << command;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "x.dib"));
}

}  // namespace
}  // namespace fw
