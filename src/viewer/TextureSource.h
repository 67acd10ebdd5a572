#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>

namespace fw {

// One texture as the viewer draws it: 64 x 64 pixels, row by row from the top, each a
// 0xAARRGGBB word. Pixels with alpha below 128 are transparent (the game's see-through
// colour).
struct TexturePixels {
    static constexpr int SIZE = 64;
    std::array<uint32_t, SIZE * SIZE> Argb{};
    bool HasTransparency = false;
};

// Where the viewer gets its textures. A slot is FirstTexture + the polygon's texture
// number: the game's object-bitmap slot the polygon names.
class TextureSource {
public:
    virtual ~TextureSource() = default;
    // The texture of a slot; null when there is none (the polygon is drawn in a warning
    // colour). The pointer stays valid until the next SetTextureSet.
    virtual const TexturePixels* Texture(int slot) = 0;
    // The game's palette variant 0..5: GroupA, Water, Fire, Ice, Alien1, Alien2.
    virtual void SetTextureSet(int set) = 0;
};

// A colour shifted by a texture set's tint, the way the stand-ins show the game's palettes
// when the palettes themselves are not at hand.
uint32_t TintArgb(uint32_t argb, int set);

// Stand-ins while no game data is imported: a checker in a colour of the slot's own,
// tinted by the texture set, with a darker border so the texture's extent shows.
class PlaceholderTextures : public TextureSource {
public:
    const TexturePixels* Texture(int slot) override;
    void SetTextureSet(int set) override;
    int TextureSet() const { return set_; }

private:
    int set_ = 0;
    std::map<int, std::unique_ptr<TexturePixels>> cache_;
};

}  // namespace fw
