#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "TextureTestFiles.h"
#include "app/ToolRunner.h"
#include "textures/GameTextureImport.h"
#include "textures/TextureCatalogue.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::PaletteColour;
using test::Pattern;
using test::ToolDir;
using ::testing::StartsWith;

// The colour of thumbnail pixel (x, y), top row first.
Rgb Pixel(const TextureCatalogue& c, int id, int x, int y) {
    ThumbnailRgba rgba;
    EXPECT_TRUE(DecodeThumbnail(c.Thumbnail(id), rgba)) << id;
    const uint8_t* p = &rgba[4 * (y * 64 + x)];
    return {p[0], p[1], p[2]};
}

TextureCatalogue Imported(const fs::path& folder) {
    TextureCatalogue c;
    EXPECT_EQ(ReadCatalogueFolder(folder, c), "");
    EXPECT_TRUE(c.Imported());
    return c;
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(GameTextureImport, SlotsGetTheBitmapsTheGameDrawsForThem) {
    ToolDir dir;
    test::GameFolder().Write(dir / "game");
    ASSERT_EQ(ImportGameTextures(dir / "game", dir / "textures"), "");
    TextureCatalogue c = Imported(dir / "textures");
    const std::string names[] = {"plain64 ", "rle64   ", "wide320 ", "small   ", "anim#3  ",
                                 "slot006 ", "slot007 ", "slot008 ", "slot009 "};
    for (int slot = 1; slot <= 9; ++slot) EXPECT_EQ(c.Name(slot), names[slot - 1]) << slot;
    EXPECT_EQ(c.Name(599), "slot599 ");

    // 64 x 64, plain and RLE: pixel for pixel.
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {5, 40}, {63, 63}}) {
        EXPECT_EQ(Pixel(c, 101, x, y), PaletteColour(Pattern(x, y)));
        EXPECT_EQ(Pixel(c, 102, x, y), PaletteColour(test::Bands(x, y)));
    }
    // 320 x 200 with 16-bit RLE rows, scaled: each pixel samples the centre of its area.
    for (auto [x, y] : {std::pair{0, 0}, {63, 63}, {17, 40}})
        EXPECT_EQ(Pixel(c, 103, x, y),
                  PaletteColour(Pattern((2 * x + 1) * 320 / 128, (2 * y + 1) * 200 / 128)));
    // 32 x 16, transparent: colour 255 shows black; in a solid bitmap it keeps its colour.
    EXPECT_EQ(Pixel(c, 104, 0, 0), PaletteColour(40));
    EXPECT_EQ(Pixel(c, 104, 2, 0), Rgb{});
    EXPECT_EQ(Pixel(c, 104, 2, 4), PaletteColour(40));
    EXPECT_EQ(Pixel(c, 105, 9, 9), PaletteColour(255));
    // Slots without a game bitmap keep the placeholder picture.
    for (int id : {106, 107, 108, 109, 699})
        EXPECT_TRUE(std::ranges::equal(c.Thumbnail(id), TextureCatalogue().Thumbnail(id))) << id;
}

TEST(GameTextureImport, ANewImportReplacesTheOldCatalogueWhole) {
    ToolDir dir;
    test::GameFolder game;
    game.Write(dir / "game");
    ASSERT_EQ(ImportGameTextures(dir / "game", dir / "textures"), "");
    game.Bitmaps[0].Name = "renamed";
    game.Write(dir / "game");
    ASSERT_EQ(ImportGameTextures(dir / "game", dir / "textures"), "");
    EXPECT_EQ(Imported(dir / "textures").Name(1), "renamed ");
    EXPECT_EQ(FolderEntries(dir / "textures"),
              (std::vector<std::string>{"textures.lst", "thumbnails.bin"}));
    EXPECT_EQ(FolderEntries(dir / "."), (std::vector<std::string>{"game", "textures"}));
}

// Every damaged or missing file is named in the message, and the catalogue in place stays as
// it was, with nothing left beside it.
TEST(GameTextureImport, BadGameFilesGiveMessagesAndWriteNothing) {
    ToolDir dir;
    test::GameFolder().Write(dir / "good");
    ASSERT_EQ(ImportGameTextures(dir / "good", dir / "share/textures"), "");
    const std::string before = test::ReadText(dir / "share/textures/textures.lst");

    const fs::path game = dir / "game";
    auto folder = [&](auto change) {
        fs::remove_all(game);
        test::GameFolder g;
        change(g);
        g.Write(game);
    };
    struct Case {
        std::function<void()> Make;
        std::string Message;
        bool Prefix = false;  // the message goes on with details
    };
    const Case cases[] = {
        {[&] { folder([](auto&) {}), fs::remove(game / "groupa.256"); },
         "groupa.256 not found in " + game.string() + "."},
        {[&] { folder([](auto& g) { g.Palette.resize(100); }); },
         (game / "groupa.256").string() + ": is 100 bytes long; a palette has 9472."},
        {[&] { folder([](auto& g) { g.Bitmaps.resize(3), g.Bitmaps[2].Data.resize(500); }); },
         (game / "GroupA.Pig").string() + ": bitmap 3 (wide320) says it is ", true},
        {[&] { folder([](auto& g) { g.Ham.Version = 2; }); },
         (game / "DESCENT2.HAM").string() + ": ", true},
        {[&] { folder([](auto&) {}), test::WriteText(game / "GroupA.Pig", "PPIG"); },
         (game / "GroupA.Pig").string() + ": has PIG version 0; only version 2 is known."},
        {[&] { fs::remove_all(game), test::WriteText(game, "a file"); },
         game.string() + " is not a folder."},
        {[&] {
             folder([](auto&) {}), fs::remove(game / "DESCENT2.HAM");
             fs::create_directory(game / "descent2.ham");
         },
         (game / "descent2.ham").string() + " is not a file."},
    };
    for (const Case& c : cases) {
        c.Make();
        std::string error = ImportGameTextures(game, dir / "share/textures");
        if (c.Prefix) {
            EXPECT_THAT(error, StartsWith(c.Message));
            EXPECT_GT(error.size(), c.Message.size() + 5) << error;
        } else {
            EXPECT_EQ(error, c.Message);
        }
        EXPECT_EQ(test::ReadText(dir / "share/textures/textures.lst"), before) << c.Message;
        EXPECT_EQ(FolderEntries(dir / "share"), std::vector<std::string>{"textures"}) << c.Message;
    }
}

}  // namespace
}  // namespace fw
