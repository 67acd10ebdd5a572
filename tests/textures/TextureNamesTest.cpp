#include <gtest/gtest.h>

#include <fstream>

#include "app/ToolRunner.h"
#include "textures/GameTextureImport.h"
#include "textures/TextureCatalogue.h"
#include "textures/TextureNames.h"

namespace fw {
namespace {

using test::ToolDir;
using test::WriteText;

std::string Lines(int count, const std::string& prefix = "name") {
    std::string text;
    for (int i = 1; i <= count; ++i) text += prefix + std::to_string(i) + "\n";
    return text;
}

std::vector<std::string> Slots(const TextureNameTable& t, int first, int count) {
    return {t.begin() + first, t.begin() + first + count};
}

TEST(TextureNames, ListLinesFillSlotsInFileOrder) {
    // Comment and empty lines are skipped without using a slot; names are padded or cut.
    // Leading blanks stay.
    TextureNameTable t = ParseTextureList(";comment\n\nrbot001\nabcdefghijkl\n;x\n  lead\n");
    EXPECT_EQ(Slots(t, 0, 5),
              (std::vector<std::string>{"", "rbot001 ", "abcdefgh", "  lead  ", ""}));
    // Blank-only and ";"-later lines are names; the last line needs no line end.
    t = ParseTextureList("   \nab;cd\nend");
    EXPECT_EQ(Slots(t, 1, 3), (std::vector<std::string>{"        ", "ab;cd   ", "end     "}));

    // 650 names: slots 1..599 filled, the last 51 lines read and ignored.
    t = ParseTextureList(Lines(650));
    EXPECT_EQ(t[1], "name1   ");
    EXPECT_EQ(t[599], "name599 ");
    EXPECT_EQ(std::count(t.begin(), t.end(), ""), 1);
}

// CRLF, CR and LF all end a line ("\n\r\n" is two around an empty line), and a leading byte
// order mark is skipped. The loader reads the file in pieces; a line end or a mark split
// between two pieces must read as in one piece.
TEST(TextureNames, LineEndsAndByteOrderMarkInPiecesOfAnySize) {
    const std::string text = "\xEF\xBB\xBF; head\r\n\r\nfirst\r\nsecond-long-name\rthird\n\r\n;\n4";
    const TextureNameTable whole = ParseTextureList(text);
    EXPECT_EQ(Slots(whole, 1, 5),
              (std::vector<std::string>{"first   ", "second-l", "third   ", "4       ", ""}));
    for (size_t piece = 1; piece <= 5; ++piece) {
        TextureListReader reader;
        for (size_t at = 0; at < text.size(); at += piece)
            reader.Feed(std::string_view(text).substr(at, piece));
        EXPECT_EQ(reader.Finish(), whole) << "pieces of " << piece;
    }
    EXPECT_EQ(ParseTextureList("\xEF\xBBx\n")[1], "\xEF\xBBx     ");         // not a mark
    EXPECT_EQ(ParseTextureList("a\xEF\xBB\xBF\n")[1], "a\xEF\xBB\xBF    ");  // not at the start
}

TEST(TextureNames, MissingListIsTheFatalErrorAndChangesNothing) {
    ToolDir dir;
    TextureNameTable table;
    table[1] = "kept    ";
    std::filesystem::create_directories(dir / "folder.lst");
    for (auto path : {dir / "none.lst", dir / "folder.lst"}) {
        FatalError e = LoadTextureNames(path, table);
        ASSERT_TRUE(e) << path;
        EXPECT_EQ(e.Code, "xxx");
        EXPECT_EQ(e.Title, "Fatal error");
        EXPECT_EQ(e.Message, "Data files not found. Reinstall the module.");
        EXPECT_EQ(table[1], "kept    ");
    }

    WriteText(dir / "big.lst", Lines(70000, "long-line-of-text-"));
    EXPECT_FALSE(LoadTextureNames(dir / "big.lst", table));
    EXPECT_EQ(table[599], "long-lin");
}

TEST(TextureNames, ModelWindowSelectsSlotsAndThumbnails) {
    TextureNameTable table = ParseTextureList(Lines(20));
    ModelStore m;
    m.FirstModelTexture = 10;
    m.NumberOfTextures = 3;
    std::vector<std::string> list{"old"};
    FillModelTextureList(table, m, list);
    EXPECT_EQ(list, (std::vector<std::string>{"name11  ", "name12  ", "name13  "}));
    EXPECT_EQ(ModelTextureName(table, m, 2), "name13  ");

    TextureCatalogue catalogue(table);
    auto picture = ModelTexturePicture(catalogue, m, 2);
    EXPECT_EQ(picture.data(), catalogue.Thumbnail(113).data());
    EXPECT_EQ(picture.size(), THUMBNAIL_BYTES);

    // Slots past the list are empty; slots outside the table read as empty, never out of it.
    m.FirstModelTexture = 18;
    FillModelTextureList(table, m, list);
    EXPECT_EQ(list, (std::vector<std::string>{"name19  ", "name20  ", ""}));
    EXPECT_EQ(TextureName(table, -1), "");
    EXPECT_EQ(TextureName(table, 600), "");
    m.FirstModelTexture = 699;
    EXPECT_TRUE(ModelTexturePicture(catalogue, m, 0).empty());
}

TEST(TextureNames, ShippedListNamesThePlaceholders) {
    TextureNameTable shipped;
    ASSERT_FALSE(LoadTextureNames(TextureListPath(FW_BIN_DIR), shipped));
    for (int slot = 1; slot < TEXTURE_SLOTS; ++slot)
        ASSERT_EQ(shipped[slot], PlaceholderName(slot) + " ") << slot;
    TextureNameTable source;
    ASSERT_FALSE(LoadTextureNames(FW_SOURCE_DIR "/data/textures.lst", source));
    EXPECT_EQ(source, shipped);
}

}  // namespace
}  // namespace fw
