#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <set>

#include "external/AtomicFile.h"
#include "modelfile/BinaryFile.h"
#include "modelfile/ObjFile.h"

namespace fw {
namespace {

// Shortest text that reads back as the same double.
std::string Number(double v) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, v == 0 ? 0.0 : v);
    return std::string(buffer, result.ptr);
}

std::string FlatMaterialName(int16_t colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "flat_%04x", colour & 0x7FFF);
    return buffer;
}

std::string FlatDiffuse(int16_t colour) {
    auto part = [&](int shift) { return Number(((colour >> shift) & 31) / 31.0); };
    return part(10) + " " + part(5) + " " + part(0);
}

std::string MaterialOf(const ModelStore& m, const PolygonRecord& p, const TextureNaming& names) {
    return p.IsFlat() ? FlatMaterialName(p.FlatColour)
                      : names.NameOf(m.FirstModelTexture + p.TextureNumber);
}

// A material name as a file name: characters file systems or modellers stumble over become _.
std::string PictureFileName(const std::string& material) {
    std::string name = material;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') c = '_';
    return name + ".png";
}

std::string BuildMtl(const ModelStore& m, const ObjExportOptions& options, ObjText& out) {
    std::string mtl = "# Facetwork materials: the model's textures, then its flat colours\n";
    std::set<std::string> files;
    for (int t = 0; t < m.NumberOfTextures; ++t) {
        int number = m.FirstModelTexture + t;
        std::string material = options.Names.NameOf(number);
        mtl += "\nnewmtl " + material + "\nKd 1 1 1\n";
        std::vector<uint8_t> png;
        if (options.TexturePicture) png = options.TexturePicture(number);
        if (png.empty()) continue;
        std::string file = PictureFileName(material);
        mtl += "map_Kd " + file + "\n";
        // Two textures of one name share the picture file.
        if (files.insert(file).second) out.Pictures.emplace_back(file, std::move(png));
    }
    std::set<int> colours;
    for (int i = 0; i < m.NumPolygons; ++i)
        if (m.Polygons[i].IsFlat()) colours.insert(m.Polygons[i].FlatColour & 0x7FFF);
    for (int c : colours)
        mtl +=
            "\nnewmtl " + FlatMaterialName(int16_t(c)) + "\nKd " + FlatDiffuse(int16_t(c)) + "\n";
    return mtl;
}

}  // namespace

ObjText BuildObj(const ModelStore& m, const std::string& mtlName, const ObjExportOptions& options) {
    ObjText out;
    std::string& obj = out.Obj;
    obj = "# Facetwork model: " + std::to_string(m.NumSubmodels) + " submodels, " +
          std::to_string(m.NumPoints) + " points, " + std::to_string(m.NumPolygons) +
          " polygons\nmtllib " + mtlName + "\n";
    // Each submodel's vertices follow its "o" line, so a submodel keeps even points that no
    // face uses; vertex numbers therefore run in submodel order.
    auto owner = [&](int point) {
        return m.PointSubmodel[point] < m.NumSubmodels ? int(m.PointSubmodel[point]) : 0;
    };
    std::vector<int> vertex(m.NumPoints, 0);
    for (int s = 0, next = 1; s < m.NumSubmodels; ++s)
        for (int i = 0; i < m.NumPoints; ++i)
            if (owner(i) == s) vertex[i] = next++;
    int uvCount = 0;
    std::string current;
    for (int s = 0; s < m.NumSubmodels; ++s) {
        obj += "o submodel_" + std::to_string(s) + "\ng submodel_" + std::to_string(s) + "\n";
        for (int i = 0; i < m.NumPoints; ++i) {
            if (owner(i) != s) continue;
            const PointRecord& p = m.Points[i];
            obj += "v " + Number(p.X) + " " + Number(p.Y) + " " + Number(-p.Z) + "\n";
        }
        for (int i = 0; i < m.NumPolygons; ++i) {
            const PolygonRecord& p = m.Polygons[i];
            if (!PolygonIsValid(m, i) || owner(p.Corners[0]) != s) continue;
            std::string material = MaterialOf(m, p, options.Names);
            if (material != current) obj += "usemtl " + (current = material) + "\n";
            // First corner, then the others backwards: the flipped z axis turns the winding.
            std::vector<int> order{0};
            for (int j = p.CornerCount - 1; j >= 1; --j) order.push_back(j);
            if (!p.IsFlat())
                for (int j : order)
                    obj += "vt " + Number(p.CornerUVL[j].U) + " " +
                           Number(1.0 - double(p.CornerUVL[j].V)) + "\n";
            obj += "f";
            for (size_t k = 0; k < order.size(); ++k) {
                obj += " " + std::to_string(vertex[p.Corners[order[k]]]);
                if (!p.IsFlat()) obj += "/" + std::to_string(uvCount + 1 + int(k));
            }
            obj += "\n";
            if (!p.IsFlat()) uvCount += p.CornerCount;
        }
    }
    out.Mtl = BuildMtl(m, options, out);
    return out;
}

std::string ExportObjFile(const ModelStore& m, const std::string& path,
                          const ObjExportOptions& options) {
    std::filesystem::path mtlPath = std::filesystem::path(path).replace_extension(".mtl");
    ObjText text = BuildObj(m, mtlPath.filename().string(), options);
    for (const auto& [file, png] : text.Pictures) {
        std::string picturePath = (mtlPath.parent_path() / file).string();
        if (std::string error = WriteBinaryFile(picturePath, png); !error.empty()) return error;
    }
    if (std::string error = WriteFileAtomically(mtlPath.string(), text.Mtl); !error.empty())
        return error;
    return WriteFileAtomically(path, text.Obj);
}

}  // namespace fw
