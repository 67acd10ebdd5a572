#include "modelfile/ToolCommands.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <system_error>

#include "external/AtomicFile.h"
#include "model/EditorHost.h"
#include "model/ModelStore.h"
#include "modelfile/FileFormats.h"
#include "modelfile/GameLimitWarnings.h"
#include "modelfile/GameToolCommands.h"
#include "modelfile/ModelFile.h"
#include "modelfile/ModelJson.h"
#include "modelfile/StreamChecker.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

// The submodel checker's warning box, as a line on the error stream.
class StreamSink : public MessageSink {
public:
    explicit StreamSink(std::ostream& err) : err_(err) {}
    void ShowMessage(const std::string& title, const std::string& text) override {
        err_ << title << ": " << text << "\n";
    }

private:
    std::ostream& err_;
};

// Far above any model file or its JSON form; keeps a wrong argument from filling memory.
constexpr std::uintmax_t MAX_INPUT_SIZE = 64u << 20;

// Reads a whole regular file; returns "" or the message for the user.
std::string ReadInput(const std::string& path, std::string& text) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return FileNotFoundMessage(path);
    if (!fs::is_regular_file(path, ec)) return path + " is not a file.";
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return "Cannot read " + path + ".";
    if (size > MAX_INPUT_SIZE) return path + " is too large for a model.";
    std::ifstream in(path, std::ios::binary);
    text.resize(size);
    if (!in || !in.read(text.data(), std::streamsize(size))) return "Cannot read " + path + ".";
    return "";
}

// Writes beside the target and renames over it, so a failure leaves no partial file.
// Reads a model file, reporting a failure on `err`; null when it could not be read.
// A notice about a successful read goes there too.
std::unique_ptr<ModelStore> ReadModel(const std::string& path, std::ostream& err) {
    auto m = std::make_unique<ModelStore>();
    std::string notice;
    if (std::string error = ReadModelFile(*m, path, &notice); !error.empty()) {
        err << error << "\n";
        return nullptr;
    }
    if (!notice.empty()) err << path << ": " << notice << "\n";
    return m;
}

const ToolCommand COMMANDS[] = {
    {"info", "FILE.pol", 1, RunInfo},
    {"check", "FILE.pol", 1, RunCheck},
    {"export", "FILE.pol OUT.json|OUT.obj", 2, RunExport},
    {"import", "IN.json|MODEL.{ham,hxm,pof}[#N]|IN.obj OUT.pol [--scale F]", -1, RunImport},
    {"game-models", "GAMEDIR", 1, RunGameModels},
    {"export-hxm", "IN.pol OUT.hxm --replace N [--game GAMEDIR]", -1, RunExportHxm},
    {"export-pof", "IN.pol OUT.pof", 2, RunExportPof},
};

}  // namespace

std::span<const ToolCommand> ModelFileToolCommands() {
    return COMMANDS;
}

int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto m = ReadModel(args.at(0), err);
    if (!m) return 1;
    out << "points: " << m->NumPoints << "\n"
        << "polygons: " << m->NumPolygons << "\n"
        << "submodels: " << m->NumSubmodels << "\n"
        << "textures: " << m->FirstModelTexture << " " << int(m->NumberOfTextures) << "\n";
    return 0;
}

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string bytes;
    if (std::string error = ReadInput(args.at(0), bytes); !error.empty()) {
        err << error << "\n";
        return 1;
    }
    auto faults = CheckModelFileBytes(
        std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    for (const auto& fault : faults) out << fault << "\n";
    // What the game tolerates badly is reported too, but does not fail the check.
    for (const auto& warning : GameLimitWarnings(
             std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())))
        out << warning << "\n";
    return faults.empty() ? 0 : 1;
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (HasExtension(args.at(1), ".obj")) return RunObjExport(args, out, err);
    auto m = ReadModel(args.at(0), err);
    if (!m) return 1;
    if (std::string error = WriteFileAtomically(args.at(1), ExportModelJson(*m).dump(2) + "\n");
        !error.empty()) {
        err << error << "\n";
        return 1;
    }
    return 0;
}

int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() >= 2 && args[1].empty()) {
        err << "No output file given.\n";
        return 1;
    }
    if (args.empty() || !HasExtension(args[0], ".json")) return RunExchangeImport(args, out, err);
    if (args.size() != 2) {
        err << "usage: facetwork-tool import IN.json OUT.pol\n";
        return 2;
    }
    std::string text;
    if (std::string error = ReadInput(args.at(0), text); !error.empty()) {
        err << error << "\n";
        return 1;
    }
    auto m = std::make_unique<ModelStore>();
    NewModel(*m);
    if (std::string error = ImportModelJsonText(text, *m); !error.empty()) {
        err << args.at(0) << ": " << error << "\n";
        return 1;
    }
    StreamSink sink(err);
    if (std::string error = WriteModelFile(*m, args.at(1), &sink); !error.empty()) {
        err << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace fw
