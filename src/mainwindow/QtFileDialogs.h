#pragma once

#include "modelfile/FileDialogs.h"

class QWidget;

namespace fw {

// The system's file choosers for the File commands, filtered to model files.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::string ChooseOpenPath(const std::string& startDirectory) override;
    std::string ChooseSavePath(const std::string& startDirectory) override;
    std::string ChooseImportPath(const std::string& startDirectory,
                                 const std::string& filter) override;
    std::string ChooseExportPath(const std::string& startDirectory,
                                 const std::string& filter) override;

private:
    QWidget* parent_;
};

// Filter of both choosers, model files first.
extern const char* const MODEL_FILE_FILTER;

}  // namespace fw
