#pragma once

#include <string>

namespace fw {

// The file choosers the File commands need. The main window answers with the system's
// dialogs; tests answer with preset paths. An empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // A model file to open, starting in `startDirectory` (empty: the chooser's own choice).
    virtual std::string ChooseOpenPath(const std::string& startDirectory) = 0;
    // A name to save under; the chooser asks before an existing file is overwritten.
    virtual std::string ChooseSavePath(const std::string& startDirectory) = 0;
    // A file to import from, and a name to export to. `filter` lists the formats as a
    // chooser's filter text ("Name (*.a);;Name (*.b)"). Hosts without Import and Export
    // (scripts) keep these answers: cancelled.
    virtual std::string ChooseImportPath(const std::string& /*startDirectory*/,
                                         const std::string& /*filter*/) {
        return "";
    }
    virtual std::string ChooseExportPath(const std::string& /*startDirectory*/,
                                         const std::string& /*filter*/) {
        return "";
    }
};

}  // namespace fw
