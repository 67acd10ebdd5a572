#pragma once

#include <cstdint>
#include <span>

namespace fw {

// The built-in thumbnails, ids 101 to 699 one after the other, THUMBNAIL_BYTES each. They are
// drawn at build time by fw-make-placeholders (each shows its slot number over a pattern of
// its own), because the game's artwork cannot be shipped, and are linked into the program.
std::span<const uint8_t> PlaceholderThumbnails();

}  // namespace fw
