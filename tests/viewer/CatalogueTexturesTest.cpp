// The viewer's textures from the editor's catalogue: the pictures' own colours, the texture
// sets' palettes when the game's were imported, tints otherwise, and the see-through index.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "viewer/CatalogueTextures.h"

namespace fw {
namespace {

// A catalogue whose picture in slot 2 has colour index 7 everywhere except a see-through
// top-left pixel; every picture carries a palette with index 7 a mid grey.
TextureCatalogue ImportedCatalogue() {
    std::vector<uint8_t> all(size_t(THUMBNAIL_COUNT) * THUMBNAIL_BYTES);
    Palette256 own{};
    own[7] = {128, 128, 128};
    ThumbnailIndices pixels;
    pixels.fill(7);
    pixels[0] = 255;
    for (int t = 0; t < THUMBNAIL_COUNT; ++t)
        EncodeThumbnail(own, pixels,
                        std::span<uint8_t, THUMBNAIL_BYTES>(all.data() + size_t(t) * THUMBNAIL_BYTES,
                                                            THUMBNAIL_BYTES));
    return TextureCatalogue({}, std::move(all));
}

TEST(CatalogueTexturesTest, ImportedPicturesTakeTheSetsPaletteOrItsTint) {
    SetPalettes palettes;
    Palette256 water{};
    water[7] = {10, 20, 200};
    palettes[1] = water;
    CatalogueTextures textures(ImportedCatalogue(), palettes);

    const TexturePixels* groupA = textures.Texture(2);
    ASSERT_NE(groupA, nullptr);
    EXPECT_TRUE(groupA->HasTransparency);
    EXPECT_LT(groupA->Argb[0] >> 24, 128u);                   // see-through
    EXPECT_EQ(groupA->Argb[65], 0xFF808080u);                 // set 0, no palette: untinted
    textures.SetTextureSet(1);
    EXPECT_EQ(textures.Texture(2)->Argb[65], 0xFF0A14C8u);    // the water palette's colour
    textures.SetTextureSet(2);                                // fire: no palette, a warm tint
    uint32_t fire = textures.Texture(2)->Argb[65];
    EXPECT_GT((fire >> 16) & 0xFF, fire & 0xFF);
    EXPECT_EQ(fire >> 24, 0xFFu);
}

TEST(CatalogueTexturesTest, PlaceholdersIgnoreGamePalettesAndBadSlotsFallBack) {
    SetPalettes palettes;
    Palette256 black{};
    palettes[1] = black;
    CatalogueTextures textures(TextureCatalogue{}, palettes);
    textures.SetTextureSet(1);
    const TexturePixels* t = textures.Texture(0);
    ASSERT_NE(t, nullptr);
    bool anyColour = false;
    for (uint32_t p : t->Argb) anyColour |= (p & 0xFFFFFF) != 0;
    EXPECT_TRUE(anyColour);  // not repainted with the (black) game palette
    // Slots past the catalogue still draw, with the generated stand-ins.
    EXPECT_NE(textures.Texture(THUMBNAIL_COUNT + 5), nullptr);
    EXPECT_EQ(textures.Texture(-1), nullptr);
}

TEST(CatalogueTexturesTest, OnlyWholePaletteFilesAreRead) {
    auto dir = std::filesystem::temp_directory_path() / "fw-set-palettes";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::vector<char> good(PALETTE_FILE_BYTES, 1);
    std::ofstream(dir / "ice.256", std::ios::binary).write(good.data(), std::streamsize(good.size()));
    std::ofstream(dir / "fire.256", std::ios::binary).write(good.data(), 100);  // cut short
    good.push_back(0);
    std::ofstream(dir / "water.256", std::ios::binary).write(good.data(), std::streamsize(good.size()));
    SetPalettes read = ReadSetPalettes(dir);
    EXPECT_EQ(std::vector({read[0].has_value(), read[1].has_value(), read[2].has_value(),
                           read[3].has_value()}),
              std::vector({false, false, false, true}));
    EXPECT_EQ((*read[3])[0], (Rgb{4, 4, 4}));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace fw
