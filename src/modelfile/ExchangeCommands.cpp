#include "modelfile/ExchangeCommands.h"

#include <memory>

#include "modelfile/FormatFilters.h"

namespace fw {

bool ExchangeCommands::Import() {
    std::string path = files_.ChooseFileToLoad([this](const std::string& start) {
        return dialogs_.ChooseImportPath(start, ImportFilter());
    });
    return !path.empty() && ImportPath(path);
}

bool ExchangeCommands::ImportPath(const std::string& source) {
    FormatOptions options = Options ? Options() : FormatOptions{};
    std::string path;
    if (std::string error = SplitModelNumber(source, path, options.ModelNumber); !error.empty()) {
        Refuse("Import", error + ".");
        return false;
    }
    const auto formats = ImportFormats();
    const ModelFormat* format = FormatAmong(formats, path);
    if (!format) {
        Refuse("Import", "Cannot import " + path + ": use a " + ExtensionList(formats) + " file.");
        return false;
    }
    std::vector<GameFileModel> models;
    if (options.ModelNumber < 0 && HoldsManyModels(path)) {
        if (std::string error = ReadGameFileModels(path, models); !error.empty()) {
            Refuse("Import", error);
            return false;
        }
        // An HXM of one model needs no choice; the reader reports a file without models.
        bool ham = std::string(format->Extension) == ".ham";
        if (models.size() > 1 || (ham && !models.empty())) {
            options.ModelNumber = PickModel ? PickModel(path, models) : -1;
            if (options.ModelNumber < 0) return false;
        }
    }
    auto imported = std::make_unique<ModelStore>();
    NewModel(*imported);
    std::string summary;
    // A model chosen from the list is converted from the list: the file is not read again.
    const GameFileModel* chosen = nullptr;
    for (const GameFileModel& entry : models)
        if (entry.Number == options.ModelNumber) chosen = &entry;
    std::string error = chosen ? ConvertNamedGameModel(chosen->Model, path, chosen->Number,
                                                       *imported, summary)
                               : format->Read(*imported, path, options, summary);
    if (!error.empty()) {
        Refuse("Import", error);
        return false;
    }
    ed_.Model() = *imported;
    files_.ShowLoaded("", true);
    ed_.ShowStatus(summary, 1);
    return true;
}

bool ExchangeCommands::Export() {
    ed_.ShowStatus("", 0);
    std::string path = dialogs_.ChooseExportPath(files_.StartDir(), ExportFilter());
    return !path.empty() && ExportTo(path);
}

bool ExchangeCommands::ExportTo(const std::string& path) {
    const auto formats = ExportFormats();
    const ModelFormat* format = FormatAmong(formats, path);
    if (!format) {
        Refuse("Export",
               "Cannot export to " + path + ": use a " + ExtensionList(formats) + " file.");
        return false;
    }
    FormatOptions options = Options ? Options() : FormatOptions{};
    if (format->Extension == std::string(".hxm")) {
        options.Hxm.ReplaceModel = AskReplacedModel ? AskReplacedModel() : -1;
        if (options.Hxm.ReplaceModel < 0) return false;
    }
    if (std::string error = format->Write(ed_.Model(), path, options); !error.empty()) {
        Refuse("Export", "Cannot export to " + path + ": " + error);
        return false;
    }
    ed_.ShowStatus("Exported the model to " + path + ".", 1);
    return true;
}

void ExchangeCommands::Refuse(const std::string& title, const std::string& message) {
    ed_.ShowMessage(title, message);
    ed_.ShowStatus(message, -1);
}

}  // namespace fw
