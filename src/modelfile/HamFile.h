#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "modelfile/GameModel.h"

namespace fw {

// The game's main data file, descent2.ham (version 3): its tables of textures, robots,
// weapons and so on. Only what model work needs is kept; the rest is stepped over.
inline constexpr const char* HAM_FILE_NAME = "descent2.ham";
inline constexpr int32_t HAM_VERSION = 3;

struct HamFile {
    int32_t Version = 0;
    // Bitmap number (in the PIG file, counted from 1) of each level texture.
    std::vector<uint16_t> Textures;
    // The polygon models, in model-number order.
    std::vector<GameModel> Models;
    // Bitmap number of each object texture, and the table that models index: model texture
    // t of a model with first texture f is bitmap ObjBitmaps[ObjBitmapPtrs[f + t]].
    std::vector<uint16_t> ObjBitmaps;
    std::vector<int16_t> ObjBitmapPtrs;
    int32_t FirstMultiBitmap = 0;
    int32_t MarkerModel = -1;
};

// Reads a whole HAM file from memory, never past its end. Returns "" or a message naming
// what is wrong and where ("the file ends inside the robot table ..."); on failure `ham` is
// left empty.
std::string ParseHamFile(std::span<const uint8_t> bytes, HamFile& ham);

// As ParseHamFile, from a file; messages start with the file's path.
std::string ReadHamFile(const std::string& path, HamFile& ham);

// The PIG bitmap number of texture t of model `model`, or -1 when the model or one of the
// two tables has no such entry.
int ModelTextureBitmap(const HamFile& ham, int model, int t);

}  // namespace fw
