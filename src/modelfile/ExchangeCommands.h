#pragma once

#include <functional>
#include <string>
#include <vector>

#include "modelfile/ExchangeFormats.h"
#include "modelfile/FileCommands.h"
#include "modelfile/GameFileModels.h"

namespace fw {

// File, Import and File, Export: the exchange formats of the format table.
//
// Import replaces the model as Open does (through Open's own steps: the question about
// unsaved changes, the chooser's start, the refresh) but leaves it modified and without a
// file, so Save asks for a .pol name and never writes over the imported file; the
// conversion's summary goes to the status line. Export writes the model through the chosen
// format's writer and changes neither the model nor its file or Modified state. Refusals
// and unreadable files are shown as messages (they name the file) and write nothing.
class ExchangeCommands {
public:
    ExchangeCommands(Editor& ed, FileDialogs& dialogs, FileCommands& files)
        : ed_(ed), dialogs_(dialogs), files_(files) {}

    // What the readers and writers get besides the path: texture names and pictures from
    // the window's catalogue. Unset: the formats' defaults.
    std::function<FormatOptions()> Options;
    // Which model of a file holding several to import; its Number, or -1 when cancelled.
    // Unset: the import is cancelled.
    std::function<int(const std::string& path, const std::vector<GameFileModel>& models)> PickModel;
    // The game model an exported .hxm replaces, or -1 when cancelled.
    std::function<int()> AskReplacedModel;

    // Asks for a file, then imports it; false when nothing was imported.
    bool Import();
    // Imports `source` ("file.hxm", "file.ham#12") without asking for the file; a HAM, or an
    // HXM of several models, without a model number asks which one.
    bool ImportPath(const std::string& source);
    // Asks for a name and format, then exports; false when nothing was written.
    bool Export();
    bool ExportTo(const std::string& path);

private:
    void Refuse(const std::string& title, const std::string& message);

    Editor& ed_;
    FileDialogs& dialogs_;
    FileCommands& files_;
};

}  // namespace fw
