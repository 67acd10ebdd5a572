#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/GameModel.h"
#include "modelfile/GameModelContents.h"

namespace fw {

// Turns a game model (record and stream, as the HAM, HXM and POF files carry it) into the
// editor's model. The record gives the submodel tree, pivots and texture window; the stream
// gives points and polygons, read as the game draws them.
//
// A model beyond the editor's limits (points, polygons, corners, the submodel tree) is
// refused with a message naming the limit and the count; nothing is ever cut off. On
// success the store holds the model, unmarked and unmodified, and `summary` is one line
// saying what was imported and what the editor cannot keep. On failure the store is
// unchanged.
// What a file format's own reader adds to the summary line: things the editor cannot keep
// ("gun points (4)") and other remarks.
struct ImportNotes {
    std::vector<std::string> NotKept;
    std::vector<std::string> Remarks;
};

std::string ConvertGameModel(const GameModel& model, ModelStore& m, std::string& summary,
                             const ImportNotes& notes = {});

// The same, from contents already read.
std::string ConvertGameModelContents(const GameModelContents& c, ModelStore& m,
                                     std::string& summary, const ImportNotes& notes = {});

}  // namespace fw
