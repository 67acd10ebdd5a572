#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "textures/Palette.h"

namespace fw {

// A texture thumbnail is a 64 x 64, 8-bit palettised device-independent bitmap without a file
// header: a 40-byte BITMAPINFOHEADER (height positive, so rows run bottom-up), 256 palette
// entries of blue, green, red, 0, then the 4096 pixel bytes.
inline constexpr int THUMBNAIL_SIDE = 64;
inline constexpr size_t THUMBNAIL_PIXELS = THUMBNAIL_SIDE * THUMBNAIL_SIDE;
inline constexpr size_t THUMBNAIL_HEADER_BYTES = 40;
inline constexpr size_t THUMBNAIL_BYTES = THUMBNAIL_HEADER_BYTES + 256 * 4 + THUMBNAIL_PIXELS;

// Thumbnail id 100 + s shows the texture of name-table slot s.
inline constexpr int FIRST_THUMBNAIL_ID = 101;
inline constexpr int LAST_THUMBNAIL_ID = 699;
inline constexpr int THUMBNAIL_COUNT = LAST_THUMBNAIL_ID - FIRST_THUMBNAIL_ID + 1;

// Palette indices of a 64 x 64 picture, top row first.
using ThumbnailIndices = std::array<uint8_t, THUMBNAIL_PIXELS>;

// Writes the THUMBNAIL_BYTES of a thumbnail into `out`.
void EncodeThumbnail(const Palette256& palette, const ThumbnailIndices& pixels,
                     std::span<uint8_t, THUMBNAIL_BYTES> out);

// A decoded thumbnail: R, G, B, A (always 255) per pixel, top row first, 64 pixels a row.
using ThumbnailRgba = std::array<uint8_t, THUMBNAIL_PIXELS * 4>;

// Decodes a thumbnail; false when the bytes are not a thumbnail of the layout above (then
// `out` is unchanged).
bool DecodeThumbnail(std::span<const uint8_t> bytes, ThumbnailRgba& out);

}  // namespace fw
