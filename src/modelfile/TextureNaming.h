#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fw {

// How exchange formats (POF texture lists, OBJ materials) name the game's object textures.
// Numbers are absolute: a polygon's TextureNumber plus the model's FirstModelTexture. The
// texture catalogue supplies real names; without it the default names round-trip.
struct TextureNaming {
    std::function<std::string(int number)> NameOf;
    std::function<std::optional<int>(const std::string& name)> NumberOf;
};

// "tex<N>" for texture N, and back (case-insensitive, digits only after "tex").
TextureNaming DefaultTextureNaming();

// Where a list of texture names puts each name in a model's texture window.
struct TextureWindow {
    int First = 0;             // FirstModelTexture: the lowest known number
    int Count = 1;             // NumberOfTextures: up to the highest known number
    std::vector<int> Numbers;  // per name: its texture number in the window, -1 when unknown
    std::vector<std::string> Unknown;  // the names the naming does not know, once each
};
TextureWindow ResolveTextureNames(const std::vector<std::string>& names,
                                  const TextureNaming& naming);

}  // namespace fw
