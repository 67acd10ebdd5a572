#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/GameModel.h"
#include "modelfile/HxmExport.h"
#include "modelfile/ObjFile.h"
#include "modelfile/TextureNaming.h"

namespace fw {

// What the exchange formats may need besides the model and the path.
struct FormatOptions {
    int ModelNumber = -1;  // the model of a HAM or HXM file ("file.ham#12"); -1: none named
    double Scale = 1.0;    // OBJ import: multiplies every coordinate
    TextureNaming Names = DefaultTextureNaming();
    // OBJ export: the PNG picture of a texture number (see ObjExportOptions)
    std::function<std::vector<uint8_t>(int number)> TexturePicture;
    HxmExportOptions Hxm;  // HXM export: the replaced model and the game's limits
};

// One file format the editor reads models from or writes them to, apart from its own .pol.
// Read fills the store (unchanged on failure) and a one-line summary of what was imported
// and what could not be kept; Write leaves every existing file as it was on failure. Both
// return "" or a message; a reader's messages name the file.
struct ModelFormat {
    const char* Extension;  // with the dot, lower case
    const char* Filter;     // for file choosers
    std::string (*Read)(ModelStore& m, const std::string& path, const FormatOptions& options,
                        std::string& summary);  // null: not readable
    std::string (*Write)(const ModelStore& m, const std::string& path,
                         const FormatOptions& options);  // null: not writable
};

// HAM, HXM, POF and OBJ: the game's formats and Blender's (FileFormats lists them all).
std::span<const ModelFormat> ExchangeFormats();

// Splits "file.ham#12" into the path and 12; a path without "#" gives -1. Returns "" or a
// message when the text after "#" is not a model number.
std::string SplitModelNumber(const std::string& source, std::string& path, int& number);

// Model `number` of the game file at `path`, converted into `m`; a refusal names the file
// and the model ("file.ham#12: ...").
std::string ConvertNamedGameModel(const GameModel& model, const std::string& path, int number,
                                  ModelStore& m, std::string& summary);

// The OBJ writer's options taken from the format options.
ObjExportOptions ObjOptionsOf(const FormatOptions& options);

// Reads a HAM file's models for listing: one line per model with its number, submodels,
// points, polygons, first texture and texture count (or the reason it cannot be read).
std::string ListHamModels(const std::string& hamPath, std::string& listing);

// descent2.ham inside a game directory, found whatever the case of its name; a path that
// is itself a file is taken as it is. "" when there is none.
std::string FindHamFile(const std::string& gameDir);

}  // namespace fw
