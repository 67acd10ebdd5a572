#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "textures/Palette.h"
#include "textures/TextureCatalogue.h"
#include "viewer/TextureSource.h"

namespace fw {

// The palettes of the six texture sets, in set order: groupa, water, fire, ice, alien1,
// alien2 (.256). A file that is missing or not a palette leaves its set empty.
using SetPalettes = std::array<std::optional<Palette256>, 6>;
SetPalettes ReadSetPalettes(const std::filesystem::path& folder);

// The editor's texture pictures for the viewer: slot s shows thumbnail 101 + s of the
// catalogue (the imported game textures or the built-in placeholders). A texture set whose
// palette was imported repaints the pictures' colour indices with it, as the game does;
// otherwise the set tints the pictures. Index 255, the game's see-through colour, is
// transparent. Slots without a thumbnail fall back to the generated stand-ins.
class CatalogueTextures : public TextureSource {
public:
    CatalogueTextures(TextureCatalogue catalogue, SetPalettes palettes);
    const TexturePixels* Texture(int slot) override;
    void SetTextureSet(int set) override;

private:
    TextureCatalogue catalogue_;
    SetPalettes palettes_;
    PlaceholderTextures fallback_;
    int set_ = 0;
    std::map<int, std::unique_ptr<TexturePixels>> cache_;
};

}  // namespace fw
