#include "textures/CatalogueNaming.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "textures/PngEncoder.h"
#include "model/AsciiLower.h"

namespace fw {

namespace {

std::string ExchangeName(const std::string& slotName) {
    std::string name = slotName.substr(0, slotName.find_last_not_of(' ') + 1);
    for (char& c : name)
        if (std::isspace(static_cast<unsigned char>(c)) || c == '/' || c == '\\' || c == '#')
            c = '_';
    return name;
}

}  // namespace

TextureNaming CatalogueTextureNaming(const TextureNameTable& names) {
    auto exchange = std::make_shared<std::vector<std::string>>(TEXTURE_SLOTS);
    std::set<std::string> taken;
    for (int slot = 1; slot < TEXTURE_SLOTS; ++slot) {
        std::string name = ExchangeName(names[slot]);
        // A name an earlier slot has (the game reuses bitmaps) gets the texture number, so
        // every material names one texture.
        if (!name.empty() && !taken.insert(AsciiLower(name)).second) {
            name += "_" + std::to_string(slot - 1);
            taken.insert(AsciiLower(name));
        }
        (*exchange)[slot] = name;
    }
    TextureNaming fallback = DefaultTextureNaming();
    TextureNaming n;
    n.NameOf = [exchange, fallback](int number) {
        int slot = number + 1;
        if (slot >= 1 && slot < TEXTURE_SLOTS && !(*exchange)[slot].empty())
            return (*exchange)[slot];
        return fallback.NameOf(number);
    };
    n.NumberOf = [exchange, fallback](const std::string& name) -> std::optional<int> {
        std::string wanted = AsciiLower(name);
        for (int slot = 1; slot < TEXTURE_SLOTS; ++slot)
            if (!(*exchange)[slot].empty() && AsciiLower((*exchange)[slot]) == wanted) return slot - 1;
        return fallback.NumberOf(name);
    };
    return n;
}

std::function<std::vector<uint8_t>(int number)> CatalogueTexturePictures(
    std::shared_ptr<const TextureCatalogue> catalogue) {
    return [catalogue](int number) -> std::vector<uint8_t> {
        ThumbnailRgba rgba;
        if (!catalogue || !DecodeThumbnail(catalogue->Thumbnail(FIRST_THUMBNAIL_ID + number), rgba))
            return {};
        return EncodePngRgba(THUMBNAIL_SIDE, THUMBNAIL_SIDE, rgba);
    };
}

FormatOptions CatalogueFormatOptions(std::shared_ptr<const TextureCatalogue> catalogue) {
    FormatOptions options;
    if (!catalogue) return options;
    options.Names = CatalogueTextureNaming(catalogue->Names());
    options.TexturePicture = CatalogueTexturePictures(catalogue);
    return options;
}

FormatOptions ProgramFormatOptions() {
    CatalogueLoad load = LoadTextureCatalogue(ProgramDirectory(), UserTextureDirectory());
    if (load.Error) return {};
    return CatalogueFormatOptions(
        std::make_shared<const TextureCatalogue>(std::move(load.Catalogue)));
}

}  // namespace fw
