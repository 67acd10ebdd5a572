#pragma once

#include <string>

namespace fw {

// The two file choosers the File commands need. The main window answers with the system's
// dialogs; tests answer with preset paths. An empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // A model file to open, starting in `startDirectory` (empty: the chooser's own choice).
    virtual std::string ChooseOpenPath(const std::string& startDirectory) = 0;
    // A name to save under; the chooser asks before an existing file is overwritten.
    virtual std::string ChooseSavePath(const std::string& startDirectory) = 0;
};

}  // namespace fw
