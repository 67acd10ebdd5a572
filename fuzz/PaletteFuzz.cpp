// Any bytes as a .256 palette, and as a texture thumbnail: only the exact layouts are taken,
// and what they give stays in range.
#include <cstdint>
#include <cstdlib>

#include "textures/Palette.h"
#include "textures/Thumbnail.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::Palette256 palette;
    palette.fill({1, 2, 3});
    if (fw::ReadPalette({data, size}, palette).empty()) {
        if (size != fw::PALETTE_FILE_BYTES) abort();
        for (const fw::Rgb& c : palette)
            if (c.R % 4 || c.G % 4 || c.B % 4 || c.R > 252 || c.G > 252 || c.B > 252) abort();
    } else {
        for (const fw::Rgb& c : palette)
            if (c != fw::Rgb{1, 2, 3}) abort();  // a refused file changes nothing
    }
    fw::ThumbnailRgba rgba;
    if (fw::DecodeThumbnail({data, size}, rgba)) {
        if (size != fw::THUMBNAIL_BYTES) abort();
        for (size_t i = 3; i < rgba.size(); i += 4)
            if (rgba[i] != 255) abort();
    }
    return 0;
}
