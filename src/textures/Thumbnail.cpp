#include "textures/Thumbnail.h"

#include <algorithm>

namespace fw {

namespace {

void PutLong(uint8_t* at, uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = uint8_t(v >> (8 * i));
}

void PutShort(uint8_t* at, uint16_t v) {
    at[0] = uint8_t(v);
    at[1] = uint8_t(v >> 8);
}

uint32_t GetLong(const uint8_t* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

uint16_t GetShort(const uint8_t* at) {
    return uint16_t(at[0] | at[1] << 8);
}

constexpr size_t PALETTE_OFFSET = THUMBNAIL_HEADER_BYTES;
constexpr size_t PIXEL_OFFSET = PALETTE_OFFSET + 256 * 4;

}  // namespace

void EncodeThumbnail(const Palette256& palette, const ThumbnailIndices& pixels,
                     std::span<uint8_t, THUMBNAIL_BYTES> out) {
    std::fill(out.begin(), out.end(), 0);
    uint8_t* h = out.data();
    PutLong(h + 0, THUMBNAIL_HEADER_BYTES);
    PutLong(h + 4, THUMBNAIL_SIDE);
    PutLong(h + 8, THUMBNAIL_SIDE);
    PutShort(h + 12, 1);  // planes
    PutShort(h + 14, 8);  // bits per pixel
    PutLong(h + 20, THUMBNAIL_PIXELS);
    // Compression, resolution and colour counts stay 0: no compression, all 256 colours.
    for (size_t i = 0; i < palette.size(); ++i) {
        uint8_t* entry = h + PALETTE_OFFSET + 4 * i;
        entry[0] = palette[i].B;
        entry[1] = palette[i].G;
        entry[2] = palette[i].R;
    }
    for (int row = 0; row < THUMBNAIL_SIDE; ++row)
        std::copy_n(pixels.begin() + row * THUMBNAIL_SIDE, THUMBNAIL_SIDE,
                    h + PIXEL_OFFSET + (THUMBNAIL_SIDE - 1 - row) * THUMBNAIL_SIDE);
}

bool DecodeThumbnail(std::span<const uint8_t> bytes, ThumbnailRgba& out) {
    if (bytes.size() != THUMBNAIL_BYTES) return false;
    const uint8_t* h = bytes.data();
    uint32_t coloursUsed = GetLong(h + 32);
    if (GetLong(h) != THUMBNAIL_HEADER_BYTES || GetLong(h + 4) != THUMBNAIL_SIDE ||
        GetLong(h + 8) != THUMBNAIL_SIDE || GetShort(h + 12) != 1 || GetShort(h + 14) != 8 ||
        GetLong(h + 16) != 0 || (coloursUsed != 0 && coloursUsed != 256))
        return false;
    for (int row = 0; row < THUMBNAIL_SIDE; ++row) {
        const uint8_t* source = h + PIXEL_OFFSET + (THUMBNAIL_SIDE - 1 - row) * THUMBNAIL_SIDE;
        for (int x = 0; x < THUMBNAIL_SIDE; ++x) {
            const uint8_t* entry = h + PALETTE_OFFSET + 4 * source[x];
            uint8_t* pixel = &out[4 * (row * THUMBNAIL_SIDE + x)];
            pixel[0] = entry[2];
            pixel[1] = entry[1];
            pixel[2] = entry[0];
            pixel[3] = 255;
        }
    }
    return true;
}

}  // namespace fw
