#include "modelfile/ObjMaterials.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

#include "model/Limits.h"
#include "modelfile/ObjStatements.h"

namespace fw::obj {
namespace {

// The base name of a picture path, whichever system's separators it uses.
std::string PictureName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

Materials ReadMaterials(const std::vector<std::string>& mtls) {
    Materials materials;
    Material* current = nullptr;
    for (const std::string& text : mtls) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            std::vector<std::string> w = Words(line);
            if (w.empty()) continue;
            if (w[0] == "newmtl") {
                current = &materials[RestOf(line, "newmtl")];
            } else if (current && w[0] == "Kd" && w.size() >= 4) {
                current->HasColour = ToNumber(w[1], current->Colour[0]) &&
                                     ToNumber(w[2], current->Colour[1]) &&
                                     ToNumber(w[3], current->Colour[2]);
            } else if (current && w[0] == "map_Kd" && w.size() >= 2) {
                current->Picture = PictureName(w.back());
            }
        }
    }
    return materials;
}

Surface SurfaceOf(const std::string& name, const Materials& materials, const TextureNaming& names) {
    if (name.empty()) return {Surface::Flat, DEFAULT_FLAT_COLOUR};
    if (auto n = names.NumberOf(name); n && *n >= 0) return {Surface::Texture, *n};
    auto it = materials.find(name);
    if (it != materials.end() && !it->second.Picture.empty())
        if (auto n = names.NumberOf(it->second.Picture); n && *n >= 0)
            return {Surface::Texture, *n};
    if (name.size() == 9 && name.rfind("flat_", 0) == 0) {
        int colour = 0;
        auto r = std::from_chars(name.data() + 5, name.data() + 9, colour, 16);
        if (r.ec == std::errc() && r.ptr == name.data() + 9)
            return {Surface::Flat, colour & 0x7FFF};
    }
    if (it != materials.end() && it->second.HasColour && it->second.Picture.empty()) {
        auto part = [&](int i) {
            return static_cast<int>(std::lround(std::clamp(it->second.Colour[i], 0.0, 1.0) * 31));
        };
        return {Surface::Flat, part(0) << 10 | part(1) << 5 | part(2)};
    }
    return {};
}

}  // namespace fw::obj
