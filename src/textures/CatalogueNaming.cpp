#include "textures/CatalogueNaming.h"

#include <cctype>
#include <unordered_map>

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
    // Lower-case name to texture number, made once: an import looks up every material.
    auto numberOf = std::make_shared<std::unordered_map<std::string, int>>();
    for (int slot = 1; slot < TEXTURE_SLOTS; ++slot) {
        std::string name = ExchangeName(names[slot]);
        if (name.empty()) continue;
        // A name an earlier slot has (the game reuses bitmaps) gets the texture number, so
        // every material names one texture.
        if (!numberOf->emplace(AsciiLower(name), slot - 1).second) {
            name += "_" + std::to_string(slot - 1);
            numberOf->emplace(AsciiLower(name), slot - 1);
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
    n.NumberOf = [numberOf, fallback](const std::string& name) -> std::optional<int> {
        if (auto found = numberOf->find(AsciiLower(name)); found != numberOf->end())
            return found->second;
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
