#include "viewer/CatalogueTextures.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "textures/Thumbnail.h"

namespace fw {

namespace {

constexpr const char* PALETTE_FILES[6] = {"groupa.256", "water.256",  "fire.256",
                                          "ice.256",    "alien1.256", "alien2.256"};
constexpr uint8_t SEE_THROUGH = 255;

// The picture's colour index at (x, y), top row first; the bitmap's rows run bottom-up.
uint8_t IndexAt(std::span<const uint8_t> bytes, int x, int y) {
    constexpr size_t pixels = THUMBNAIL_HEADER_BYTES + 256 * 4;
    return bytes[pixels + size_t(THUMBNAIL_SIDE - 1 - y) * THUMBNAIL_SIDE + size_t(x)];
}

uint32_t Pack(uint8_t r, uint8_t g, uint8_t b) {
    return 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | b;
}

}  // namespace

SetPalettes ReadSetPalettes(const std::filesystem::path& folder) {
    SetPalettes out;
    for (int set = 0; set < 6; ++set) {
        std::ifstream in(folder / PALETTE_FILES[set], std::ios::binary);
        if (!in) continue;
        // Read one byte past the size, so an overlong file is refused too.
        std::vector<uint8_t> bytes(PALETTE_FILE_BYTES + 1);
        in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
        bytes.resize(size_t(in.gcount()));
        Palette256 palette;
        if (ReadPalette(bytes, palette).empty()) out[set] = palette;
    }
    return out;
}

CatalogueTextures::CatalogueTextures(TextureCatalogue catalogue, SetPalettes palettes)
    : catalogue_(std::move(catalogue)), palettes_(std::move(palettes)) {}

const TexturePixels* CatalogueTextures::Texture(int slot) {
    if (slot < 0 || slot > LAST_THUMBNAIL_ID - FIRST_THUMBNAIL_ID) return fallback_.Texture(slot);
    auto& entry = cache_[slot];
    if (entry) return entry.get();
    std::span<const uint8_t> bytes = catalogue_.Thumbnail(FIRST_THUMBNAIL_ID + slot);
    ThumbnailRgba rgba;
    if (!DecodeThumbnail(bytes, rgba)) return fallback_.Texture(slot);
    entry = std::make_unique<TexturePixels>();
    // The set's own palette only for the game's pictures: the placeholders are no game data.
    const Palette256* palette =
        catalogue_.Imported() && palettes_[size_t(set_)] ? &*palettes_[size_t(set_)] : nullptr;
    constexpr int N = TexturePixels::SIZE;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            uint8_t index = IndexAt(bytes, x, y);
            uint32_t& out = entry->Argb[size_t(y * N + x)];
            if (index == SEE_THROUGH) {
                out = 0;
                entry->HasTransparency = true;
            } else if (palette) {
                const Rgb& c = (*palette)[index];
                out = Pack(c.R, c.G, c.B);
            } else {
                const uint8_t* p = &rgba[size_t(y * N + x) * 4];
                out = TintArgb(Pack(p[0], p[1], p[2]), set_);
            }
        }
    return entry.get();
}

void CatalogueTextures::SetTextureSet(int set) {
    if (set < 0 || set > 5) set = 0;
    if (set == set_) return;
    set_ = set;
    cache_.clear();
    fallback_.SetTextureSet(set);
}

}  // namespace fw
