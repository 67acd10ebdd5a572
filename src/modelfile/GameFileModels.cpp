#include "modelfile/GameFileModels.h"

#include <memory>

#include "modelfile/FileFormats.h"
#include "modelfile/GameModelContents.h"
#include "modelfile/HamFile.h"
#include "modelfile/HxmFile.h"

namespace fw {

namespace {

GameFileModel Describe(int number, GameModel model, GameModelContents& contents) {
    GameFileModel entry;
    entry.Number = number;
    entry.Fault = ReadGameModelContents(model, contents);
    if (entry.Fault.empty()) {
        const ModelRecordFields& r = contents.Record;
        entry.Submodels = r.NumSubmodels;
        entry.Points = contents.DefinedPoints;
        entry.Polygons = static_cast<int>(contents.Polygons.size());
        entry.FirstTexture = r.FirstTexture;
        entry.Textures = r.NumberOfTextures;
    }
    entry.Model = std::move(model);
    return entry;
}

}  // namespace

bool HoldsManyModels(const std::string& path) {
    return HasExtension(path, ".ham") || HasExtension(path, ".hxm");
}

std::string ReadGameFileModels(const std::string& path, std::vector<GameFileModel>& out) {
    out.clear();
    auto contents = std::make_unique<GameModelContents>();
    if (HasExtension(path, ".hxm")) {
        HxmFile hxm;
        if (std::string error = ReadHxmFile(path, hxm); !error.empty()) return error;
        for (HxmModel& h : hxm.Models)
            out.push_back(Describe(h.Number, std::move(h.Model), *contents));
        return "";
    }
    auto ham = std::make_unique<HamFile>();
    if (std::string error = ReadHamFile(path, *ham); !error.empty()) return error;
    for (size_t i = 0; i < ham->Models.size(); ++i)
        out.push_back(Describe(int(i), std::move(ham->Models[i]), *contents));
    return "";
}

}  // namespace fw
