#include "modelfile/HxmExport.h"

#include <algorithm>

#include "modelfile/BinaryFile.h"
#include "modelfile/HamFile.h"

namespace fw {

HxmExportOptions HxmOptionsFromHam(const HamFile& ham, int replaceModel) {
    HxmExportOptions o;
    o.ReplaceModel = replaceModel;
    o.Limits.PolygonModels = static_cast<int>(ham.Models.size());
    o.Limits.ObjBitmapPtrs = static_cast<int>(ham.ObjBitmapPtrs.size());
    if (replaceModel >= 0 && replaceModel < int(ham.Models.size())) {
        o.DyingModel = ham.Models[replaceModel].DyingModel;
        o.DeadModel = ham.Models[replaceModel].DeadModel;
    }
    return o;
}

namespace {

std::string CheckModelNumber(const HxmExportOptions& options) {
    int models = options.Limits.PolygonModels;
    if (options.ReplaceModel >= 0 && options.ReplaceModel < models) return "";
    return "Model number " + std::to_string(options.ReplaceModel) + " is outside the game's " +
           std::to_string(models) + " models (0 to " + std::to_string(models - 1) + ").";
}

}  // namespace

std::string BuildHxmForModel(const ModelStore& m, const HxmExportOptions& options,
                             std::vector<uint8_t>& out) {
    out.clear();
    if (std::string error = CheckModelNumber(options); !error.empty()) return error;
    if (std::string error =
            CheckGameTextureWindow(m.FirstModelTexture, m.NumberOfTextures, options.Limits);
        !error.empty())
        return error;
    GameModel model;
    if (std::string error = GameModelFromStore(m, model); !error.empty()) return error;
    return BuildHxmForGameModel(model, options, out);
}

std::string BuildHxmForGameModel(const GameModel& model, const HxmExportOptions& options,
                                 std::vector<uint8_t>& out) {
    out.clear();
    if (std::string error = CheckModelNumber(options); !error.empty()) return error;
    ModelRecordFields r = ReadModelRecord(model.Record);
    if (std::string error = CheckGameTextureWindow(
            int16_t(r.FirstTexture), std::max<int>(r.NumberOfTextures, 1), options.Limits);
        !error.empty())
        return error;
    HxmFile hxm;
    HxmModel entry;
    entry.Number = options.ReplaceModel;
    entry.Model = model;
    entry.Model.DyingModel = options.DyingModel;
    entry.Model.DeadModel = options.DeadModel;
    hxm.Models.push_back(std::move(entry));
    out = BuildHxmFile(hxm);
    return "";
}

std::string ExportHxmFile(const ModelStore& m, const std::string& path,
                          const HxmExportOptions& options) {
    std::vector<uint8_t> bytes;
    if (std::string error = BuildHxmForModel(m, options, bytes); !error.empty()) return error;
    return WriteBinaryFile(path, bytes);
}

}  // namespace fw
