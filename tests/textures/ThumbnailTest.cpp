#include <gtest/gtest.h>

#include <set>

#include "textures/PlaceholderThumbnails.h"
#include "textures/TextureCatalogue.h"
#include "textures/Thumbnail.h"

namespace fw {
namespace {

uint32_t Long(std::span<const uint8_t> b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

TEST(Thumbnail, LayoutIsThe5160ByteBottomUpDib) {
    Palette256 palette{};
    palette[7] = {10, 20, 30};
    ThumbnailIndices pixels{};
    pixels[0] = 7;               // top left
    pixels[63 * 64 + 63] = 200;  // bottom right
    std::array<uint8_t, THUMBNAIL_BYTES> bytes;
    bytes.fill(0xAA);
    EncodeThumbnail(palette, pixels, bytes);

    const uint32_t header[] = {40, 64, 64, 0x00080001, 0, 4096, 0, 0, 0, 0};
    for (size_t i = 0; i < std::size(header); ++i) EXPECT_EQ(Long(bytes, 4 * i), header[i]) << i;
    EXPECT_EQ(Long(bytes, 40 + 4 * 7), 0x000A141Eu);  // blue, green, red, 0
    EXPECT_EQ(bytes[1064 + 63 * 64], 7);              // last row in the file is the top
    EXPECT_EQ(bytes[1064 + 63], 200);

    ThumbnailRgba rgba;
    ASSERT_TRUE(DecodeThumbnail(bytes, rgba));
    EXPECT_EQ((std::array{rgba[0], rgba[1], rgba[2], rgba[3]}),
              (std::array<uint8_t, 4>{10, 20, 30, 255}));
    EXPECT_EQ(rgba[4], 0);
}

TEST(Thumbnail, DecodeRefusesOtherLayouts) {
    std::array<uint8_t, THUMBNAIL_BYTES> good;
    EncodeThumbnail({}, {}, good);
    ThumbnailRgba rgba;
    rgba.fill(9);
    EXPECT_FALSE(DecodeThumbnail(std::span(good).first(THUMBNAIL_BYTES - 1), rgba));
    for (size_t at : {0, 4, 8, 12, 14, 16, 32}) {
        auto bad = good;
        bad[at] ^= 1;
        EXPECT_FALSE(DecodeThumbnail(bad, rgba)) << "byte " << at;
    }
    EXPECT_EQ(rgba[0], 9);
}

// Placeholders: all there, all pictures of the layout, no two alike, and the digit cells
// show the slot number: slots sharing a digit share that cell's pixels.
TEST(Thumbnail, PlaceholdersAreDistinctAndShowTheirNumber) {
    ASSERT_EQ(PlaceholderThumbnails().size(), THUMBNAIL_COUNT * THUMBNAIL_BYTES);
    TextureCatalogue catalogue;
    std::set<std::vector<uint8_t>> seen;
    ThumbnailRgba rgba;
    for (int id = FIRST_THUMBNAIL_ID; id <= LAST_THUMBNAIL_ID; ++id) {
        auto bytes = catalogue.Thumbnail(id);
        ASSERT_TRUE(DecodeThumbnail(bytes, rgba)) << id;
        EXPECT_TRUE(seen.insert({rgba.begin(), rgba.end()}).second) << id;
    }
    EXPECT_TRUE(catalogue.Thumbnail(100).empty());
    EXPECT_TRUE(catalogue.Thumbnail(700).empty());

    // The digits sit in three 15 x 21 cells from x = 6, y = 21, 18 pixels apart.
    auto cell = [&](int slot, int digit) {
        auto bytes = catalogue.Thumbnail(100 + slot);
        std::vector<uint8_t> indices;
        for (int y = 21; y < 42; ++y)
            for (int x = 0; x < 15; ++x)
                indices.push_back(bytes[1064 + (63 - y) * 64 + 6 + 18 * digit + x]);
        return indices;
    };
    EXPECT_EQ(cell(123, 0), cell(150, 0));
    EXPECT_NE(cell(123, 0), cell(223, 0));
    EXPECT_EQ(cell(123, 1), cell(329, 1));
    EXPECT_EQ(cell(123, 2), cell(3, 2));
    EXPECT_EQ(cell(7, 0), cell(80, 0));  // leading zeros
    for (int digit = 0; digit < 10; ++digit)
        for (int other = digit + 1; other < 10; ++other)
            EXPECT_NE(cell(10 + digit, 2), cell(10 + other, 2)) << digit << " " << other;
}

}  // namespace
}  // namespace fw
