#include "modelfile/ExchangeFormats.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "modelfile/GameFileModels.h"
#include "modelfile/GameModelImport.h"
#include "modelfile/HamFile.h"
#include "modelfile/HxmFile.h"
#include "modelfile/ObjFile.h"
#include "modelfile/PofFile.h"
#include "model/AsciiLower.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

std::string ModelRange(size_t count) {
    return count == 0 ? "the file has no models"
                      : "the file has " + std::to_string(count) + " models, 0 to " +
                            std::to_string(count - 1);
}

std::string ReadHam(ModelStore& m, const std::string& path, const FormatOptions& o,
                    std::string& summary) {
    auto ham = std::make_unique<HamFile>();
    if (std::string error = ReadHamFile(path, *ham); !error.empty()) return error;
    if (o.ModelNumber < 0)
        return path + ": name a model as " + path + "#N (" + ModelRange(ham->Models.size()) + ")";
    if (size_t(o.ModelNumber) >= ham->Models.size())
        return path + ": there is no model " + std::to_string(o.ModelNumber) + " (" +
               ModelRange(ham->Models.size()) + ")";
    return ConvertNamedGameModel(ham->Models[o.ModelNumber], path, o.ModelNumber, m, summary);
}

std::string ReadHxm(ModelStore& m, const std::string& path, const FormatOptions& o,
                    std::string& summary) {
    HxmFile hxm;
    if (std::string error = ReadHxmFile(path, hxm); !error.empty()) return error;
    if (hxm.Models.empty()) return path + ": the file replaces no models";
    const HxmModel* entry = o.ModelNumber < 0 && hxm.Models.size() == 1
                                ? &hxm.Models.front()
                                : FindHxmModel(hxm, o.ModelNumber);
    if (!entry) {
        std::string numbers;
        for (const HxmModel& h : hxm.Models)
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(h.Number);
        return path + ": " +
               (o.ModelNumber < 0
                    ? "name a model as " + path + "#N"
                    : "the file does not replace model " + std::to_string(o.ModelNumber)) +
               " (it replaces models " + numbers + ")";
    }
    return ConvertNamedGameModel(entry->Model, path, entry->Number, m, summary);
}

std::string ReadPof(ModelStore& m, const std::string& path, const FormatOptions& o,
                    std::string& summary) {
    PofFile pof;
    if (std::string error = ReadPofFile(path, pof); !error.empty()) return error;
    std::string error = ConvertPof(pof, o.Names, m, summary);
    return error.empty() ? "" : path + ": " + error;
}

std::string ReadObj(ModelStore& m, const std::string& path, const FormatOptions& o,
                    std::string& summary) {
    ObjImportOptions options;
    options.Scale = o.Scale;
    options.Names = o.Names;
    return ReadObjFile(path, options, m, summary);
}

std::string WriteHxm(const ModelStore& m, const std::string& path, const FormatOptions& o) {
    return ExportHxmFile(m, path, o.Hxm);
}

std::string WritePof(const ModelStore& m, const std::string& path, const FormatOptions& o) {
    return ExportPofFile(m, path, o.Names);
}

std::string WriteObj(const ModelStore& m, const std::string& path, const FormatOptions& o) {
    return ExportObjFile(m, path, ObjOptionsOf(o));
}

const ModelFormat FORMATS[] = {
    {".ham", "Descent 2 game data (*.ham)", ReadHam, nullptr},
    {".hxm", "Descent 2 custom robots (*.hxm)", ReadHxm, WriteHxm},
    {".pof", "Descent polygon object (*.pof)", ReadPof, WritePof},
    {".obj", "Wavefront OBJ (*.obj)", ReadObj, WriteObj},
};

}  // namespace

std::string ConvertNamedGameModel(const GameModel& model, const std::string& path, int number,
                                  ModelStore& m, std::string& summary) {
    std::string error = ConvertGameModel(model, m, summary);
    return error.empty() ? "" : path + "#" + std::to_string(number) + ": " + error;
}

ObjExportOptions ObjOptionsOf(const FormatOptions& options) {
    ObjExportOptions obj;
    obj.Names = options.Names;
    obj.TexturePicture = options.TexturePicture;
    return obj;
}

std::span<const ModelFormat> ExchangeFormats() {
    return FORMATS;
}

std::string SplitModelNumber(const std::string& source, std::string& path, int& number) {
    size_t hash = source.rfind('#');
    number = -1;
    path = source;
    // Only a "#" after the file's extension names a model; folders may contain "#".
    if (hash == std::string::npos || source.find('/', hash) != std::string::npos) return "";
    std::string digits = source.substr(hash + 1);
    path = source.substr(0, hash);
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || result.ec != std::errc() || result.ptr != digits.data() + digits.size() ||
        number < 0) {
        number = -1;
        return "'" + digits + "' after '#' in " + source + " is not a model number";
    }
    return "";
}

std::string FindHamFile(const std::string& gameDir) {
    std::error_code ec;
    if (fs::is_regular_file(gameDir, ec)) return gameDir;
    if (!fs::is_directory(gameDir, ec)) return "";
    for (const auto& entry : fs::directory_iterator(gameDir, ec))
        if (AsciiLower(entry.path().filename().string()) == HAM_FILE_NAME && entry.is_regular_file(ec))
            return entry.path().string();
    return "";
}

std::string ListHamModels(const std::string& hamPath, std::string& listing) {
    listing.clear();
    std::vector<GameFileModel> models;
    if (std::string error = ReadGameFileModels(hamPath, models); !error.empty()) return error;
    listing = "model submodels points polygons first-texture textures\n";
    for (const GameFileModel& g : models) {
        if (!g.Fault.empty()) {
            listing += std::to_string(g.Number) + " cannot be read: " + g.Fault + "\n";
            continue;
        }
        char line[128];
        std::snprintf(line, sizeof line, "%5d %9d %6d %8d %13d %8d\n", g.Number, g.Submodels,
                      g.Points, g.Polygons, g.FirstTexture, g.Textures);
        listing += line;
    }
    return "";
}

}  // namespace fw
