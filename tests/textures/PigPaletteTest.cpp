#include <gtest/gtest.h>

#include "TextureTestFiles.h"
#include "textures/Palette.h"
#include "textures/PigFile.h"

namespace fw {
namespace {

using test::Pattern;
using test::PigEntry;
using test::PigFileBytes;
using test::PlainEntry;
using test::RleEntry;

TEST(Palette, ValuesAreSixBitTimesFourAndTheLengthIsExact) {
    Palette256 palette;
    ASSERT_EQ(ReadPalette(test::PaletteFileBytes(), palette), "");
    for (int i : {0, 1, 63, 64, 200, 255}) EXPECT_EQ(palette[i], test::PaletteColour(i)) << i;

    Palette256 before = palette;
    auto shortFile = test::PaletteFileBytes();
    shortFile.pop_back();
    EXPECT_EQ(ReadPalette(shortFile, palette), "is 9471 bytes long; a palette has 9472.");
    auto bright = test::PaletteFileBytes();
    bright[3 * 17 + 2] = 64;
    EXPECT_EQ(ReadPalette(bright, palette), "colour 17 has a value above 63.");
    EXPECT_EQ(palette, before);
}

// Plain, RLE with byte row sizes and RLE with 16-bit row sizes (rows over 255 bytes) all
// decode to the same pixels, top row first; sizes over 255 use the header's high bits.
TEST(PigFile, PlainAndBothRleFormsDecodeAlike) {
    auto codes = test::Bands;
    std::vector<uint8_t> bytes = PigFileBytes(
        {PlainEntry("plain", 300, 40, Pattern), RleEntry("rle8", 300, 40, false, codes),
         RleEntry("rle16", 300, 40, true, Pattern), PlainEntry("codes", 300, 40, codes),
         PlainEntry("big", 4095, 257, Pattern)});
    PigFile pig;
    ASSERT_EQ(ReadPigHeaders(bytes, pig), "");
    EXPECT_EQ(std::pair(pig.Bitmaps[4].Width, pig.Bitmaps[4].Height), std::pair(4095, 257));
    PigBitmap plain, rle8, rle16, reference;
    ASSERT_EQ(DecodePigBitmap(pig, 1, plain), "");
    ASSERT_EQ(DecodePigBitmap(pig, 2, rle8), "");
    ASSERT_EQ(DecodePigBitmap(pig, 3, rle16), "");
    ASSERT_EQ(DecodePigBitmap(pig, 4, reference), "");
    EXPECT_EQ(plain.Pixels.size(), 300u * 40);
    EXPECT_EQ(plain.Pixels[299 + 300 * 39], Pattern(299, 39));
    EXPECT_EQ(rle16.Pixels, plain.Pixels);
    EXPECT_EQ(rle8.Pixels, reference.Pixels);
}

// What the game tolerates inside a row is tolerated; what lies outside the bitmap is not.
TEST(PigFile, DamagedRowsAndBoundsGiveMessages) {
    auto rleWith = [](std::vector<uint8_t> rows, std::vector<uint8_t> sizes, int total = -1) {
        PigEntry e{"bad", 4, int(sizes.size()), 8, 0, {}};
        test::GameBytes b;
        b.Long(total >= 0 ? total : int32_t(4 + sizes.size() + rows.size()));
        for (uint8_t s : sizes) b.Byte(s);
        b.Append(rows);
        e.Data = b.bytes;
        return PigFileBytes({e});
    };
    auto decode = [](const std::vector<uint8_t>& bytes, PigBitmap& bitmap) {
        PigFile pig;
        std::string error = ReadPigHeaders(bytes, pig);
        return error.empty() ? DecodePigBitmap(pig, 1, bitmap) : error;
    };
    PigBitmap b;
    // Short row, filled with 0; a run longer than the row is cut at the row's end.
    ASSERT_EQ(decode(rleWith({9, 0xE0, 0xE7, 5, 0xE0}, {2, 3}), b), "");
    EXPECT_EQ(b.Pixels, (std::vector<uint8_t>{9, 0, 0, 0, 5, 5, 5, 5}));

    const std::pair<std::vector<uint8_t>, std::string> cases[] = {
        {rleWith({9, 0xE0}, {2, 3}), "bitmap 1 (bad) row 1 runs past the end of the bitmap."},
        {rleWith({9, 0xE3}, {2}), "bitmap 1 (bad) row 0 ends inside a run."},
        {rleWith({9, 0xE0}, {2}, 99),
         "bitmap 1 (bad) says it is 99 bytes long; 7 are left in the file."},
        {rleWith({}, {}, 3), "bitmap 1 (bad) says it is 3 bytes long; 4 are left in the file."},
        {PigFileBytes({PigEntry{"cut", 4, 4, 0, 0, {1, 2, 3}}}), "bitmap 1 (cut) is cut short."},
    };
    for (const auto& [bytes, message] : cases) {
        PigBitmap kept = b;
        EXPECT_EQ(decode(bytes, kept), message);
        EXPECT_EQ(kept.Pixels, b.Pixels) << message;
    }
    PigFile pig;
    ASSERT_EQ(ReadPigHeaders(rleWith({}, {}), pig), "");
    EXPECT_EQ(DecodePigBitmap(pig, 2, b), "has no bitmap 2.");
    EXPECT_EQ(DecodePigBitmap(pig, 0, b), "has no bitmap 0.");
}

TEST(PigFile, DamagedHeadersGiveMessages) {
    std::vector<uint8_t> good = PigFileBytes({PlainEntry("a", 2, 2, Pattern)});
    auto with = [&](size_t at, uint8_t v) {
        auto bytes = good;
        bytes[at] = v;
        return bytes;
    };
    const std::pair<std::vector<uint8_t>, std::string> cases[] = {
        {with(0, 'X'), "is not a Descent 2 PIG file (no PPIG signature)."},
        {with(4, 1), "has PIG version 1; only version 2 is known."},
        {with(8, 2), "says it holds 2 bitmaps; its headers are cut short."},
        {with(11, 0x80), "has a negative bitmap count."},
        {std::vector<uint8_t>(good.begin(), good.begin() + 10),
         "is cut short before its bitmap count."},
    };
    for (const auto& [bytes, message] : cases) {
        PigFile pig;
        EXPECT_EQ(ReadPigHeaders(bytes, pig), message);
    }
    PigFile pig;  // an offset past the end is found when the bitmap is read
    ASSERT_EQ(ReadPigHeaders(with(12 + 14, 5), pig), "");
    PigBitmap b;
    EXPECT_EQ(DecodePigBitmap(pig, 1, b), "bitmap 1 (a) starts past the end of the file.");
}

}  // namespace
}  // namespace fw
