#pragma once

// File choosers answered by the test, which also records what each was asked.

#include <string>

#include "modelfile/FileDialogs.h"

namespace fw {

struct FakeFileDialogs : FileDialogs {
    std::string openAnswer, saveAnswer, importAnswer, exportAnswer;
    int openCalls = 0, saveCalls = 0;
    // The start folder and filter the Import and Export choosers were given.
    std::string importStart, importFilter, exportStart, exportFilter;

    std::string ChooseOpenPath(const std::string&) override { return ++openCalls, openAnswer; }
    std::string ChooseSavePath(const std::string&) override { return ++saveCalls, saveAnswer; }
    std::string ChooseImportPath(const std::string& start, const std::string& filter) override {
        importStart = start, importFilter = filter;
        return importAnswer;
    }
    std::string ChooseExportPath(const std::string& start, const std::string& filter) override {
        exportStart = start, exportFilter = filter;
        return exportAnswer;
    }
};

}  // namespace fw
