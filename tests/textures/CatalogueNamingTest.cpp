#include <gtest/gtest.h>

#include "textures/CatalogueNaming.h"
#include "textures/PngEncoder.h"

namespace fw {
namespace {

TEST(CatalogueNaming, NamesLoseTheirPaddingAndFindTheirNumberBack) {
    TextureNameTable table;
    table[1] = "rbot061 ";
    table[2] = "ship 1/a";
    table[3] = "RBOT061 ";  // the game reuses a bitmap: a second slot of the same name
    TextureNaming n = CatalogueTextureNaming(table);
    EXPECT_EQ(n.NameOf(0), "rbot061");
    EXPECT_EQ(n.NameOf(1), "ship_1_a");
    EXPECT_EQ(n.NameOf(2), "RBOT061_2");
    EXPECT_EQ(n.NameOf(3), "tex3");  // no name in slot 4
    EXPECT_EQ(n.NameOf(700), "tex700");
    for (int number : {0, 1, 2, 3, 700}) EXPECT_EQ(n.NumberOf(n.NameOf(number)), number);
    EXPECT_EQ(n.NumberOf("Rbot061"), 0);
    EXPECT_EQ(n.NumberOf("unknown"), std::nullopt);
}

TEST(CatalogueNaming, PicturesArePngsOfTheThumbnails) {
    auto catalogue = std::make_shared<const TextureCatalogue>();
    auto picture = CatalogueTexturePictures(catalogue);
    std::vector<uint8_t> png = picture(4);
    ASSERT_GT(png.size(), 64u * 64 * 4);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_TRUE(picture(THUMBNAIL_COUNT + 5).empty());  // no such thumbnail
    EXPECT_TRUE(CatalogueTexturePictures(nullptr)(4).empty());
}

// The layout readers rely on: signature, IHDR, stored zlib rows with filter 0, Adler-32
// and CRCs; rows longer than one stored block still make one valid stream.
TEST(PngEncoder, WritesStoredRowsInChunksWithTheirChecksums) {
    auto big32 = [](const std::vector<uint8_t>& b, size_t at) {
        return uint32_t(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
    };
    std::vector<uint8_t> rgba = {1, 2, 3, 255, 4, 5, 6, 128};
    std::vector<uint8_t> png = EncodePngRgba(2, 1, rgba);
    ASSERT_EQ(png.size(), 8u + 25 + (12 + 2 + 5 + 9 + 4) + 12);
    EXPECT_EQ(big32(png, 8), 13u);
    EXPECT_EQ(big32(png, 29), 0xF4227F8Au);  // the CRC of "IHDR" 2 x 1, 8-bit RGBA
    size_t idat = 33;
    EXPECT_EQ(big32(png, idat), 2u + 5 + 9 + 4);
    EXPECT_EQ(std::string(png.begin() + idat + 4, png.begin() + idat + 8), "IDAT");
    const size_t data = idat + 8;
    EXPECT_EQ(png[data + 2], 1);                       // the last (only) stored block
    EXPECT_EQ(png[data + 3] | png[data + 4] << 8, 9);  // its length
    EXPECT_EQ(png[data + 5] | png[data + 6] << 8, 0xFFF6);
    EXPECT_EQ(png[data + 7], 0);  // filter type of the row
    EXPECT_EQ(std::vector<uint8_t>(png.begin() + data + 8, png.begin() + data + 16), rgba);
    EXPECT_EQ(big32(png, png.size() - 4), 0xAE426082u);  // the CRC every IEND has

    std::vector<uint8_t> wide(300 * 60 * 4, 7);  // 72060 bytes of rows: two blocks
    png = EncodePngRgba(300, 60, wide);
    EXPECT_EQ(png[idat + 8 + 2], 0);  // not the last block
    EXPECT_TRUE(EncodePngRgba(3, 1, rgba).empty());
    EXPECT_TRUE(EncodePngRgba(0, 0, {}).empty());
}

}  // namespace
}  // namespace fw
