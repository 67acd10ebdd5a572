#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/TextureNaming.h"

namespace fw {

// Wavefront OBJ, for exchanging meshes with Blender and other modellers.
//
// Axes: the game's z axis points forward and its coordinates are left-handed; OBJ files are
// right-handed with -z forward. Export writes (x, y, -z) and lists each face from its first
// corner backwards (c0, cn-1, ..., c1), so the face normals a modeller computes point the
// way the game's do; import undoes both. Texture V runs down the bitmap in the game and up
// in OBJ: vt holds (u, 1 - v).

struct ObjExportOptions {
    TextureNaming Names = DefaultTextureNaming();
    // The picture of texture `number` as PNG bytes, or none (empty); the texture catalogue
    // supplies these. Each is written beside the material library as NAME.png, after the
    // texture's material name, and named by the material's map_Kd.
    std::function<std::vector<uint8_t>(int number)> TexturePicture;
};

// The OBJ text, the material library it names (`mtlName`, relative to the OBJ) and the
// picture files the library names (file name, PNG bytes).
struct ObjText {
    std::string Obj, Mtl;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> Pictures;
};
ObjText BuildObj(const ModelStore& m, const std::string& mtlName, const ObjExportOptions& options);

// Writes OUT.obj and, beside it, the material library with the same name and .mtl and the
// texture pictures it names. Files already written stay when a later one fails.
std::string ExportObjFile(const ModelStore& m, const std::string& path,
                          const ObjExportOptions& options = {});

struct ObjImportOptions {
    double Scale = 1.0;  // multiplies every coordinate (modellers' units differ)
    TextureNaming Names = DefaultTextureNaming();
};

// Builds a model from OBJ text and the text of its material libraries: faces of 3 to 20
// corners, objects (or, without objects, groups) as submodels whose parent is the root,
// points welded within 1/65536 inside each submodel, materials matched to textures through
// the naming (by name, then by the base name of their picture), "flat_XXXX" materials and
// plain-coloured materials as flat colours. Returns "" or a message starting "line N: "
// for a fault in the text; the store is unchanged on failure. `summary` is one line saying
// what was imported and counting the statements it did not use.
std::string ParseObj(const std::string& obj, const std::vector<std::string>& mtls,
                     const ObjImportOptions& options, ModelStore& m, std::string& summary);

// As ParseObj, from a file; material libraries it names are read from beside it (a missing
// one is noted in the summary). Messages start with the file's path.
std::string ReadObjFile(const std::string& path, const ObjImportOptions& options, ModelStore& m,
                        std::string& summary);

}  // namespace fw
