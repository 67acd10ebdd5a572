// Any bytes as a PIG file: headers are read, every bitmap of a sane size is decoded, and a
// decoded bitmap has exactly the pixels its header declares.
#include <cstdint>
#include <cstdlib>

#include "textures/PigFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::PigFile pig;
    if (!fw::ReadPigHeaders({data, size}, pig).empty()) return 0;
    if (pig.Data.data() < data || pig.Data.data() + pig.Data.size() != data + size) abort();
    size_t decodedPixels = 0;
    for (size_t i = 0; i < pig.Bitmaps.size(); ++i) {
        const fw::PigBitmapHeader& h = pig.Bitmaps[i];
        if (h.Width > 4095 || h.Height > 4095 || h.Name.size() > 8) abort();
        const size_t pixels = size_t(h.Width) * size_t(h.Height);
        // The fuzzer's memory limit, not the reader, bounds what is worth decoding.
        if (decodedPixels + pixels > (4u << 20)) break;
        decodedPixels += pixels;
        fw::PigBitmap bitmap;
        if (!fw::DecodePigBitmap(pig, int(i + 1), bitmap).empty()) continue;
        if (bitmap.Width != h.Width || bitmap.Height != h.Height || bitmap.Pixels.size() != pixels)
            abort();
    }
    fw::PigBitmap none;
    if (fw::DecodePigBitmap(pig, int(pig.Bitmaps.size()) + 1, none).empty()) abort();
    return 0;
}
