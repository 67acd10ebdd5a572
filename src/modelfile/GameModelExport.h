#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/ModelStore.h"
#include "modelfile/GameModel.h"

namespace fw {

// The game's largest values, for the exports to check against. The defaults are those of
// Descent 2 as released; a mission with extra models raises them (read them from its HAM).
inline constexpr int MAX_GAME_MODEL_TEXTURES = 100;  // textures one model may use
struct GameLimits {
    int PolygonModels = 166;  // models in the game's table
    int ObjBitmapPtrs = 502;  // object texture slots models index
};

// The model as the game would load it: the .pol writer's header (bytes 12..745) as the
// record and its stream as the model data. Runs the same checks as a save (the store is
// copied, not changed), then the game's stream rules; returns "" or the refusal.
std::string GameModelFromStore(const ModelStore& m, GameModel& out);

// The record and stream of a .pol file exactly as saved (separation planes included), once
// the file reads and passes the game's stream rules.
std::string GameModelFromModelFile(std::span<const uint8_t> file, GameModel& out);

// Refusals for texture windows the game cannot draw from: more textures than a model may
// use, or slots outside the game's object texture table. "" when the window fits.
std::string CheckGameTextureWindow(int first, int count, const GameLimits& limits);

}  // namespace fw
