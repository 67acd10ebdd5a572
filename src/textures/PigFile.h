#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fw {

// Bits of a PIG bitmap header's flags byte.
namespace pig_flag {
inline constexpr uint8_t TRANSPARENT = 1;        // colour 255 is see-through
inline constexpr uint8_t SUPER_TRANSPARENT = 2;  // colour 254 too
inline constexpr uint8_t RLE = 8;
inline constexpr uint8_t RLE_BIG = 32;  // RLE row sizes are 16-bit
}  // namespace pig_flag

struct PigBitmapHeader {
    std::string Name;           // up to 8 characters
    int Frame = -1;             // frame number of an animation, -1 for a still bitmap
    int Width = 0, Height = 0;  // up to 4095, the extra bits included
    uint8_t Flags = 0;
    uint32_t Offset = 0;  // from the start of the bitmap data

    // The name as the game knows it: an animation frame gets "#" and its number.
    std::string GameName() const;
};

// The bitmap headers of a Descent 2 PIG file ("PPIG", version 2) and the data after them.
// `Data` points into the caller's buffer, which must outlive it.
struct PigFile {
    std::vector<PigBitmapHeader> Bitmaps;  // bitmap index k (counting from 1) is Bitmaps[k - 1]
    std::span<const uint8_t> Data;
};

// Reads the headers; returns "" or what is wrong with the bytes.
std::string ReadPigHeaders(std::span<const uint8_t> file, PigFile& pig);

// A decoded bitmap: Width x Height palette indices, top row first.
struct PigBitmap {
    int Width = 0, Height = 0;
    uint8_t Flags = 0;
    std::vector<uint8_t> Pixels;
};

// Decodes bitmap `index` (counting from 1), plain or RLE-compressed with either row-size form.
// Returns "" or what is wrong. Bytes that lie outside the file or the bitmap's own compressed
// size are an error; a row that ends early is filled with colour 0 and a run longer than the
// row is cut, as the game tolerates both.
std::string DecodePigBitmap(const PigFile& pig, int index, PigBitmap& bitmap);

}  // namespace fw
