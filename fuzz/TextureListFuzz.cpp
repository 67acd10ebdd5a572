// Any bytes as textures.lst: every filled slot holds exactly 8 characters, slot 0 stays
// empty, no empty slot comes before a filled one, and reading in two pieces split anywhere
// gives the same table as reading at once.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "textures/TextureNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const fw::TextureNameTable whole = fw::ParseTextureList(text);
    if (!whole[0].empty()) abort();
    bool ended = false;
    for (int slot = 1; slot < fw::TEXTURE_SLOTS; ++slot) {
        if (whole[slot].empty()) {
            ended = true;
            continue;
        }
        if (ended || whole[slot].size() != fw::TEXTURE_NAME_LENGTH || whole[slot][0] == ';')
            abort();
    }
    const size_t split = size == 0 ? 0 : data[0] % (size + 1);
    fw::TextureListReader reader;
    reader.Feed(text.substr(0, split));
    reader.Feed(text.substr(split));
    if (reader.Finish() != whole) abort();
    return 0;
}
