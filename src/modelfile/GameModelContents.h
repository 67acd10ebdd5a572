#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "modelfile/GameModel.h"

namespace fw {

// A game model's geometry as its stream draws it, without the editor's limits: the
// conversion to the editor's model and the model listing both start from here.
struct GamePoint {
    int Submodel = 0;
    std::array<double, 3> Position{};  // absolute, in model units
};

struct GamePolygon {
    int Submodel = 0;
    int Offset = 0;  // of its record in the stream
    bool Textured = false;
    int16_t ColourOrTexture = 0;
    std::vector<int> Corners;               // indices into GameModelContents::Points
    std::vector<std::array<float, 3>> UVL;  // per corner, textured polygons only
};

struct GameModelContents {
    ModelRecordFields Record;
    // Each submodel's pivot relative to its parent's, in model units.
    std::array<std::array<double, 3>, MAX_SUBMODELS> Offsets{};
    std::vector<GamePoint> Points;      // in the order the stream defines them
    std::vector<GamePolygon> Polygons;  // in stream order
    int DefinedPoints = 0;              // points the stream defines (Points also holds copies)
    int SortNormRecords = 0;            // their drawing order is the game's own
    int GlowRecords = 0;
    int RodRecords = 0;
    int CopiedPoints = 0;       // points one submodel defines and another's polygon uses
    int UnreachedPolygons = 0;  // polygon records the game never draws
    int DeepestSubmodel = 0;    // parent links from the deepest submodel to the root
};

// Walks the model's stream as the game draws it: each submodel from its pointer, then the
// whole model from the start through its subcalls, so every polygon the game draws is
// found once. Point definitions (d_defpoints and d_defp_start), sort-normal trees, glow and
// rod records are understood. Returns "" or a message naming the fault and its offset; a
// stream that the game could not draw is refused, never guessed at.
std::string ReadGameModelContents(const GameModel& model, GameModelContents& out);

}  // namespace fw
