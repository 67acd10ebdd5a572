#include "modelfile/GameToolCommands.h"

#include <charconv>
#include <map>
#include <memory>
#include <ostream>

#include "model/EditorHost.h"
#include "modelfile/BinaryFile.h"
#include "modelfile/ExchangeFormats.h"
#include "modelfile/FileFormats.h"
#include "modelfile/GameModelExport.h"
#include "modelfile/HamFile.h"
#include "modelfile/ModelFile.h"
#include "modelfile/ObjFile.h"
#include "modelfile/PofFile.h"

namespace fw {
namespace {

// Far above the largest model file (about 170 KB).
constexpr std::uintmax_t MAX_MODEL_FILE_BYTES = 16u << 20;

// The submodel checker's warning box, as a line on the error stream.
class ErrorStreamSink : public MessageSink {
public:
    explicit ErrorStreamSink(std::ostream& err) : err_(err) {}
    void ShowMessage(const std::string& title, const std::string& text) override {
        err_ << title << ": " << text << "\n";
    }

private:
    std::ostream& err_;
};

// "--name value" pairs after the positional arguments; only the names given are accepted.
bool ParseFlags(const std::vector<std::string>& args, size_t from,
                std::initializer_list<const char*> names, std::map<std::string, std::string>& flags,
                std::ostream& err) {
    for (size_t i = from; i < args.size(); i += 2) {
        bool known = false;
        for (const char* n : names) known |= args[i] == n;
        if (!known || i + 1 >= args.size()) {
            err << (known ? args[i] + " needs a value." : "Unknown option " + args[i] + ".")
                << "\n";
            return false;
        }
        flags[args[i]] = args[i + 1];
    }
    return true;
}

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::unique_ptr<ModelStore> ReadModel(const std::string& path, std::ostream& err) {
    auto m = std::make_unique<ModelStore>();
    if (std::string error = ReadModelFile(*m, path); !error.empty()) {
        err << error << "\n";
        return nullptr;
    }
    return m;
}

// The model of a .pol file as saved: its own record and stream, separation planes included.
bool ReadGameModel(const std::string& path, GameModel& model, std::ostream& err) {
    std::vector<uint8_t> bytes;
    std::string error = ReadBinaryFile(path, bytes, MAX_MODEL_FILE_BYTES);
    if (error.empty()) {
        error = GameModelFromModelFile(bytes, model);
        if (!error.empty()) error = path + ": " + error;
    }
    if (!error.empty()) err << error << "\n";
    return error.empty();
}

std::function<FormatOptions()>& ToolOptions() {
    static std::function<FormatOptions()> options;
    return options;
}

FormatOptions CurrentOptions() {
    return ToolOptions() ? ToolOptions()() : FormatOptions{};
}

int Usage(std::ostream& err, const std::string& form) {
    err << "usage: facetwork-tool " << form << "\n";
    return 2;
}

int Fail(std::ostream& err, const std::string& message) {
    err << message << "\n";
    return 1;
}

}  // namespace

void SetToolFormatOptions(std::function<FormatOptions()> options) {
    ToolOptions() = std::move(options);
}

int RunGameModels(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string ham = FindHamFile(args.at(0));
    if (ham.empty())
        return Fail(err, "No " + std::string(HAM_FILE_NAME) + " in " + args.at(0) + ".");
    std::string listing;
    if (std::string error = ListHamModels(ham, listing); !error.empty()) return Fail(err, error);
    out << listing;
    return 0;
}

int RunExchangeImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::map<std::string, std::string> flags;
    if (args.size() < 2)
        return Usage(err, "import MODEL.{ham,hxm,pof}[#N]|IN.obj OUT.pol [--scale F]");
    if (!ParseFlags(args, 2, {"--scale"}, flags, err)) return 2;
    FormatOptions options = CurrentOptions();
    std::string path;
    if (std::string error = SplitModelNumber(args[0], path, options.ModelNumber); !error.empty())
        return Fail(err, error);
    if (flags.count("--scale") &&
        !(ParseNumber(flags["--scale"], options.Scale) && options.Scale > 0))
        return Fail(err, "The scale factor " + flags["--scale"] + " is not a positive number.");
    const ModelFormat* format = FormatForPath(path);
    // A .pol needs no import: open it.
    if (!format || !format->Read || format == &FileFormats()[0])
        return Fail(err, "Cannot import " + path + ": use a .json, .ham, .hxm, .pof or .obj file.");
    auto m = std::make_unique<ModelStore>();
    NewModel(*m);
    std::string summary;
    if (std::string error = format->Read(*m, path, options, summary); !error.empty())
        return Fail(err, error);
    ErrorStreamSink sink(err);
    if (std::string error = WriteModelFile(*m, args[1], &sink); !error.empty())
        return Fail(err, error);
    out << summary << "\n";
    return 0;
}

int RunObjExport(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    auto m = ReadModel(args.at(0), err);
    if (!m) return 1;
    if (std::string error = ExportObjFile(*m, args.at(1), ObjOptionsOf(CurrentOptions()));
        !error.empty())
        return Fail(err, error);
    return 0;
}

int RunExportHxm(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    std::map<std::string, std::string> flags;
    if (args.size() < 2)
        return Usage(err, "export-hxm IN.pol OUT.hxm --replace N [--game GAMEDIR]");
    if (!ParseFlags(args, 2, {"--replace", "--game"}, flags, err)) return 2;
    int replace = -1;
    if (!flags.count("--replace"))
        return Fail(err, "Name the game model the file replaces with --replace N.");
    if (!ParseNumber(flags["--replace"], replace))
        return Fail(err, "The model number " + flags["--replace"] + " is not a number.");
    HxmExportOptions options;
    options.ReplaceModel = replace;
    if (flags.count("--game")) {
        std::string hamPath = FindHamFile(flags["--game"]);
        if (hamPath.empty())
            return Fail(err, "No " + std::string(HAM_FILE_NAME) + " in " + flags["--game"] + ".");
        auto ham = std::make_unique<HamFile>();
        if (std::string error = ReadHamFile(hamPath, *ham); !error.empty()) return Fail(err, error);
        options = HxmOptionsFromHam(*ham, replace);
    }
    GameModel model;
    if (!ReadGameModel(args[0], model, err)) return 1;
    std::vector<uint8_t> bytes;
    std::string error = BuildHxmForGameModel(model, options, bytes);
    if (error.empty()) error = WriteBinaryFile(args[1], bytes);
    return error.empty() ? 0 : Fail(err, error);
}

int RunExportPof(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    GameModel model;
    if (!ReadGameModel(args.at(0), model, err)) return 1;
    std::vector<uint8_t> bytes;
    std::string error = BuildPofForGameModel(model, CurrentOptions().Names, bytes);
    if (error.empty()) error = WriteBinaryFile(args.at(1), bytes);
    return error.empty() ? 0 : Fail(err, error);
}

}  // namespace fw
