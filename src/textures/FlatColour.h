#pragma once

#include <array>
#include <cstdint>

namespace fw {

// A flat polygon's colour is 15-bit RGB (red bits 14-10, green 9-5, blue 4-0); the attributes
// dialog shows each 5-bit component as a percentage. The two directions use different bit
// weights, so a percentage does not always come back unchanged (49 -> 15 -> 50).

// Percentage (clamped to 0..100) to a 5-bit component: 50, 25, 12, 6, 3 taken greedily.
int PercentToComponent(int percent);
// 5-bit component to a percentage: bits weigh 50, 26, 13, 7, 4.
int ComponentToPercent(int component);
// The three percentages of a colour value; a negative value (bit 15 set) gives 0, 0, 0.
std::array<int, 3> ColourToPercents(int16_t colour);
// The colour value built from three percentages, each clamped to 0..100.
int16_t PercentsToColour(const std::array<int, 3>& percents);
// The colour sample's screen intensity of a percentage: Int(p * 256 / 101).
int SampleIntensity(int percent);

}  // namespace fw
