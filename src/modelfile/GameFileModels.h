#pragma once

#include <string>
#include <vector>

#include "modelfile/GameModel.h"

namespace fw {

// One model of a game file that holds many (a HAM, an HXM), as a list for choosing one
// shows it: the number an import names it by ("file.ham#N") and its counts.
struct GameFileModel {
    int Number = 0;  // HAM: position in the table; HXM: the game model it replaces
    GameModel Model;
    int Submodels = 0, Points = 0, Polygons = 0, FirstTexture = 0, Textures = 0;
    std::string Fault;  // why the model's stream cannot be read; "" when it can
};

// The models of an .hxm file, or of a HAM (any other name), in file order. Returns "" or a
// message naming the file; a model whose stream cannot be read is listed with its fault.
std::string ReadGameFileModels(const std::string& path, std::vector<GameFileModel>& out);

// True for the formats that hold several models, where an import names one.
bool HoldsManyModels(const std::string& path);

}  // namespace fw
