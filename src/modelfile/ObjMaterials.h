#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/Limits.h"
#include "modelfile/TextureNaming.h"

namespace fw::obj {

struct Material {
    std::string Picture;  // map_Kd, without folders and extension
    bool HasColour = false;
    double Colour[3] = {0, 0, 0};
};
using Materials = std::map<std::string, Material>;

// The materials of the given material library texts, by name.
Materials ReadMaterials(const std::vector<std::string>& mtls);

// What a material makes of a face: a texture (absolute number), a flat colour, or nothing:
// a texture when the naming knows the material's name or its picture's base name, the
// colour of a "flat_XXXX" name, or the diffuse colour of a material without a picture.
struct Surface {
    enum Kind { Texture, Flat, Unknown } What = Unknown;
    int Value = DEFAULT_FLAT_COLOUR;  // unknown materials are drawn in the default colour
};
Surface SurfaceOf(const std::string& name, const Materials& materials, const TextureNaming& names);

}  // namespace fw::obj
