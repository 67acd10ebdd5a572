#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/FixedPoint.h"
#include "modelfile/GameModel.h"
#include "modelfile/TextureNaming.h"

namespace fw {

// A polygon model file as the game's tools compile them (.pof, tag "PSPO"): chunks of
// header, submodels, guns, animation, texture names and the interpreter stream.
inline constexpr char POF_TAG[] = "PSPO";
inline constexpr int16_t POF_VERSION = 8;
inline constexpr int16_t POF_OLDEST_VERSION = 6;
inline constexpr int POF_GAME_READ_LIMIT = 32768;  // the game reads no more of a POF

struct PofSubmodel {
    int16_t Number = 0;
    int16_t Parent = -1;  // -1 for the root
    FixVector Normal, Point, Offset;
    int32_t Radius = 0;
    int32_t DataOffset = 0;  // of the submodel's point record in the stream
};

struct PofGun {
    int16_t Id = 0, Submodel = 0;
    FixVector Point, Direction;
};

struct PofFile {
    int16_t Version = POF_VERSION;
    int32_t NumSubmodels = 0;
    int32_t Radius = 0;
    FixVector Min, Max;
    std::vector<PofSubmodel> Submodels;  // in chunk order
    std::vector<PofGun> Guns;
    std::vector<uint8_t> Animation;  // the ANIM chunk as it is
    std::vector<std::string> TextureNames;
    std::vector<uint8_t> Stream;
};

// Reads a POF file from memory, never past its end. Returns "" or a message naming the
// chunk and offset; on failure `pof` is left empty.
std::string ParsePofFile(std::span<const uint8_t> bytes, PofFile& pof);
std::string ReadPofFile(const std::string& path, PofFile& pof);

// Header, one SOBJ per submodel, GUNS when there are guns, ANIM when there is one, TXTR
// and IDTA, with the lengths the game's reader steps by.
std::vector<uint8_t> BuildPofFile(const PofFile& pof);

// The game model a POF describes; the texture window comes from the texture names. Returns
// "" or a message (submodel chunks missing, twice, or not matching the header).
std::string GameModelFromPof(const PofFile& pof, const TextureNaming& naming, GameModel& out,
                             TextureWindow& window);

// Converts a POF into the editor's model, with the one-line summary of what was imported.
// Names the naming does not know keep their place in the texture list and are reported.
std::string ConvertPof(const PofFile& pof, const TextureNaming& naming, ModelStore& m,
                       std::string& summary);

// The POF of an editor model: the texture list names every slot of its texture window.
// Refuses what the save refuses, what breaks the game's stream rules, more textures than a
// game model may use, and a file larger than the game reads.
std::string BuildPofForModel(const ModelStore& m, const TextureNaming& naming,
                             std::vector<uint8_t>& out);
// The same for a model as its file holds it (see GameModelFromModelFile).
std::string BuildPofForGameModel(const GameModel& model, const TextureNaming& naming,
                                 std::vector<uint8_t>& out);
std::string ExportPofFile(const ModelStore& m, const std::string& path,
                          const TextureNaming& naming);

}  // namespace fw
