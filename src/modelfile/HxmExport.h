#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/GameModelExport.h"
#include "modelfile/HxmFile.h"

namespace fw {

struct HamFile;

struct HxmExportOptions {
    int ReplaceModel = -1;  // the game model the file replaces
    GameLimits Limits;
    // Models the game switches to when the object dies and once it is dead; the game's own
    // for the replaced model are the usual choice (-1: none).
    int32_t DyingModel = -1;
    int32_t DeadModel = -1;
};

// Limits and the replaced model's dying and dead models, taken from the game's HAM.
HxmExportOptions HxmOptionsFromHam(const HamFile& ham, int replaceModel);

// A custom robot file that replaces one game model by `m`: no robots, no joints, the one
// model (record and stream as a save writes them) and no texture overrides. Refuses, with
// a message, a model number outside the game's models, a texture window the game cannot
// draw from, and a model the save or the game's stream rules refuse.
std::string BuildHxmForModel(const ModelStore& m, const HxmExportOptions& options,
                             std::vector<uint8_t>& out);
// The same for a model as its file holds it (see GameModelFromModelFile).
std::string BuildHxmForGameModel(const GameModel& model, const HxmExportOptions& options,
                                 std::vector<uint8_t>& out);

// As BuildHxmForModel, written to `path`; nothing is written when it is refused.
std::string ExportHxmFile(const ModelStore& m, const std::string& path,
                          const HxmExportOptions& options);

}  // namespace fw
