#include "textures/Palette.h"

namespace fw {

std::string ReadPalette(std::span<const uint8_t> file, Palette256& palette) {
    if (file.size() != PALETTE_FILE_BYTES)
        return "is " + std::to_string(file.size()) + " bytes long; a palette has " +
               std::to_string(PALETTE_FILE_BYTES) + ".";
    Palette256 read;
    for (size_t i = 0; i < read.size(); ++i) {
        const uint8_t* v = &file[3 * i];
        if (v[0] > 63 || v[1] > 63 || v[2] > 63)
            return "colour " + std::to_string(i) + " has a value above 63.";
        read[i] = {uint8_t(v[0] * 4), uint8_t(v[1] * 4), uint8_t(v[2] * 4)};
    }
    palette = read;
    return "";
}

}  // namespace fw
