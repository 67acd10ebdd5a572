#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace fw {

struct Rgb {
    uint8_t R = 0, G = 0, B = 0;
    bool operator==(const Rgb&) const = default;
};

// 256 colours with 8-bit components.
using Palette256 = std::array<Rgb, 256>;

// A game palette file (.256): 256 R, G, B triples of 6-bit values, then 34 fading tables of
// 256 bytes. The game ignores a file of any other length, so this reader refuses it too.
inline constexpr size_t PALETTE_FILE_BYTES = 768 + 34 * 256;

// Reads the colours, each value times 4. Returns "" or what is wrong with the bytes; on
// failure `palette` is unchanged.
std::string ReadPalette(std::span<const uint8_t> file, Palette256& palette);

}  // namespace fw
