#include "modelfile/FileFormats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "external/AtomicFile.h"
#include "modelfile/ModelFile.h"
#include "modelfile/ModelJson.h"

namespace fw {

namespace {

namespace fs = std::filesystem;

// Far above any model's JSON form; keeps a wrong file from filling memory.
constexpr std::uintmax_t MAX_JSON_SIZE = 64u << 20;

std::string ReadJsonModel(ModelStore& m, const std::string& path) {
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
    return "";
}

std::string WriteJsonModel(const ModelStore& m, const std::string& path) {
    return WriteFileAtomically(path, ExportModelJson(m).dump(2) + "\n");
}

std::vector<FileFormat> BuildFormats() {
    return {
        {".pol", "Botsmith Polymodel Files (*.pol)",
         [](ModelStore& m, const std::string& path) { return ReadModelFile(m, path); },
         [](const ModelStore& m, const std::string& path) { return WriteModelFile(m, path); }},
        {".json", "Model as JSON (*.json)", ReadJsonModel, WriteJsonModel},
    };
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

const std::vector<FileFormat>& FileFormats() {
    static const std::vector<FileFormat> formats = BuildFormats();
    return formats;
}

const FileFormat* FormatForPath(const std::string& path) {
    std::string lower = LowerCase(path);
    for (const FileFormat& format : FileFormats())
        if (lower.ends_with(format.extension)) return &format;
    return nullptr;
}

}  // namespace fw
