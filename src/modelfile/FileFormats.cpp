#include "modelfile/FileFormats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "external/AtomicFile.h"
#include "modelfile/ModelFile.h"
#include "modelfile/ModelJson.h"
#include "model/AsciiLower.h"

namespace fw {

namespace {

namespace fs = std::filesystem;

// Far above any model's JSON form; keeps a wrong file from filling memory.
constexpr std::uintmax_t MAX_JSON_SIZE = 64u << 20;

std::string ReadJsonModel(ModelStore& m, const std::string& path, const FormatOptions&,
                          std::string& summary) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return FileNotFoundMessage(path);
    if (fs::file_size(path, ec) > MAX_JSON_SIZE || ec) return path + " is too large for a model.";
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) return "Cannot read " + path + ".";
    auto read = std::make_unique<ModelStore>();
    NewModel(*read);
    if (std::string error = ImportModelJsonText(text.str(), *read); !error.empty())
        return path + ": " + error;
    m = *read;
    summary = "Imported " + path + ".";
    return "";
}

std::string WriteJsonModel(const ModelStore& m, const std::string& path, const FormatOptions&) {
    return WriteFileAtomically(path, ExportModelJson(m).dump(2) + "\n");
}

std::string ReadPolModel(ModelStore& m, const std::string& path, const FormatOptions&,
                         std::string& summary) {
    std::string error = ReadModelFile(m, path);
    if (error.empty()) summary = "Opened " + path + ".";
    return error;
}

std::string WritePolModel(const ModelStore& m, const std::string& path, const FormatOptions&) {
    return WriteModelFile(m, path);
}

std::vector<ModelFormat> BuildFormats() {
    std::vector<ModelFormat> formats = {
        {".pol", "Botsmith Polymodel Files (*.pol)", ReadPolModel, WritePolModel},
        {".json", "Model as JSON (*.json)", ReadJsonModel, WriteJsonModel},
    };
    for (const ModelFormat& format : ExchangeFormats()) formats.push_back(format);
    return formats;
}

}  // namespace

std::span<const ModelFormat> FileFormats() {
    static const std::vector<ModelFormat> formats = BuildFormats();
    return formats;
}

const ModelFormat* FormatForPath(const std::string& path) {
    for (const ModelFormat& format : FileFormats())
        if (HasExtension(path, format.Extension)) return &format;
    return nullptr;
}

bool HasExtension(const std::string& path, std::string_view extension) {
    return AsciiLower(fs::path(path).extension().string()) == extension;
}

}  // namespace fw
