#include "model/TextureWindow.h"

#include <algorithm>

namespace fw {

std::string TextureWindowError(const ModelStore& m) {
    const int textures = m.NumberOfTextures;
    const int polygons = std::clamp<int>(m.NumPolygons, 0, MAX_POLYGONS);
    for (int i = 0; i < polygons; ++i) {
        const PolygonRecord& p = m.Polygons[i];
        if (p.IsFlat() || (p.TextureNumber >= 0 && p.TextureNumber < textures)) continue;
        return TextureOutsideWindowMessage(i, p.TextureNumber, textures);
    }
    return "";
}

std::string TextureOutsideWindowMessage(int polygon, int texture, int textures) {
    std::string window = textures <= 0 ? "which holds no textures"
                                       : "of " + std::to_string(textures) + " (0 to " +
                                             std::to_string(textures - 1) + ")";
    return "Polygon " + std::to_string(polygon) + " uses texture " + std::to_string(texture) +
           ", outside the model's texture window " + window + ".";
}

}  // namespace fw
