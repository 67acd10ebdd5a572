#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace fw {

// A PNG file of 8-bit R, G, B, A pixels, top row first: enough for texture pictures beside
// an exported model without an image library. The image data is deflate-stored (not
// compressed): a 64 x 64 picture takes about 16 KB. Empty when `rgba` does not hold
// width * height pixels or a side is not positive.
std::vector<uint8_t> EncodePngRgba(int width, int height, std::span<const uint8_t> rgba);

}  // namespace fw
