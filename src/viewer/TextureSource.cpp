#include "viewer/TextureSource.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

constexpr int MAX_SLOT = 0x7FFF;

struct Rgb {
    float r, g, b;
};

// Colour of a slot: hues spread by the golden angle so neighbouring slots differ.
Rgb SlotColour(int slot) {
    float hue = std::fmod(slot * 137.508f, 360.0f) / 60.0f;
    float x = 1 - std::fabs(std::fmod(hue, 2.0f) - 1);
    Rgb c[] = {{1, x, 0}, {x, 1, 0}, {0, 1, x}, {0, x, 1}, {x, 0, 1}, {1, 0, x}};
    Rgb base = c[std::clamp(static_cast<int>(hue), 0, 5)];
    return {0.35f + 0.6f * base.r, 0.35f + 0.6f * base.g, 0.35f + 0.6f * base.b};
}

// The texture sets' tints, as the game's palettes shift the same bitmaps.
Rgb SetTint(int set) {
    static constexpr Rgb tints[] = {{1.0f, 1.0f, 1.0f},  {0.6f, 0.8f, 1.15f}, {1.2f, 0.75f, 0.45f},
                                    {0.85f, 1.0f, 1.2f}, {0.7f, 1.15f, 0.6f}, {1.05f, 0.65f, 1.1f}};
    return set >= 0 && set < 6 ? tints[set] : tints[0];
}

uint32_t Pack(float r, float g, float b) {
    auto channel = [](float v) { return static_cast<uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255 + 0.5f); };
    return 0xFF000000u | channel(r) << 16 | channel(g) << 8 | channel(b);
}

}  // namespace

uint32_t TintArgb(uint32_t argb, int set) {
    Rgb tint = SetTint(set);
    auto part = [&](int shift) { return float((argb >> shift) & 0xFF) / 255.0f; };
    return (argb & 0xFF000000u) |
           (Pack(part(16) * tint.r, part(8) * tint.g, part(0) * tint.b) & 0x00FFFFFFu);
}

const TexturePixels* PlaceholderTextures::Texture(int slot) {
    if (slot < 0 || slot > MAX_SLOT) return nullptr;
    auto& entry = cache_[slot];
    if (entry) return entry.get();
    entry = std::make_unique<TexturePixels>();
    Rgb base = SlotColour(slot), tint = SetTint(set_);
    constexpr int N = TexturePixels::SIZE;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            bool border = x < 2 || y < 2 || x >= N - 2 || y >= N - 2;
            bool light = ((x / 8) + (y / 8)) % 2 == 0;
            float k = border ? 0.35f : light ? 1.0f : 0.7f;
            entry->Argb[y * N + x] = Pack(base.r * tint.r * k, base.g * tint.g * k, base.b * tint.b * k);
        }
    return entry.get();
}

void PlaceholderTextures::SetTextureSet(int set) {
    if (set == set_) return;
    set_ = set;
    cache_.clear();
}

}  // namespace fw
