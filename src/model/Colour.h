#pragma once

#include <array>
#include <cstdint>

namespace fw {

// The 15-bit colour of a flat polygon: 5 bits each of red (high), green and blue (low).
inline constexpr int COLOUR_COMPONENT_MAX = 31;

inline std::array<int, 3> UnpackColour15(int colour) {
    return {(colour >> 10) & 31, (colour >> 5) & 31, colour & 31};
}

// Components outside 0..31 keep only their low five bits, as the packed field does.
inline int16_t PackColour15(int red, int green, int blue) {
    return static_cast<int16_t>(((red & 31) << 10) | ((green & 31) << 5) | (blue & 31));
}

}  // namespace fw
