#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fw {

// Limits the game tolerates badly rather than rejects, in a whole .pol file: more textures
// than a model may use, points beyond what the robot "morph in" effect handles, submodels
// nested deeper than the game's instance stack. One "warning: ..." text each; none for a
// file too short to have a header (the stream check reports that).
std::vector<std::string> GameLimitWarnings(std::span<const uint8_t> file);

// Point slots below this are all the original morph-in effect handles.
inline constexpr int MORPH_POINT_SLOTS = 200;

}  // namespace fw
