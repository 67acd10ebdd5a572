#pragma once

#include <array>
#include <string>
#include <string_view>

#include "config/Settings.h"

namespace fw {

// The preview viewer's display settings in cobl.ini [SBX], and their choices.
inline constexpr std::array<std::string_view, 8> BackgroundColourNames{
    "Black", "Blue", "Green", "Cyan", "Red", "Magenta", "Yellow", "White"};
inline constexpr std::array<std::string_view, 6> TextureSetNames{"GroupA", "Water",  "Fire",
                                                                 "Ice",    "Alien1", "Alien2"};

// Viewer command codes for the four switches, sent with a = 1 and b = the value.
inline constexpr int PREVIEW_LINE_POLY = 111;
inline constexpr int PREVIEW_SIZE_TO_POLY = 117;
inline constexpr int PREVIEW_CULL_FACE = 118;
inline constexpr int PREVIEW_COLOUR = 119;

// The viewer's first settings, written once at the end of the first-run assistant when the
// suite has none yet: all four switches on, black background, texture set GroupA, and
// [SBX] Configured = "1". Returns an error text, "" on success.
[[nodiscard]] std::string WriteViewerDefaults(const Settings& settings);

}  // namespace fw
