#include "modelfile/FileCommands.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "modelfile/ModelFile.h"
#include "modelfile/SubmodelChecker.h"
#include "modelfile/TempModelFiles.h"

namespace fw {

std::string TitleForPath(const std::string& path) {
    std::string upper = path;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return std::string(BASE_TITLE) + " - [" + upper + "]";
}

void FileCommands::New() {
    ed_.ShowStatus("", 0);
    if (ed_.ConfirmDiscard()) return;
    NewModel(ed_.Model());
    ed_.MarkLoaded();
    ed_.RefreshAfterEdit(2);
    ed_.ShowStatus("Started new model", 1);
}

bool FileCommands::Open() {
    ed_.ShowStatus("", 0);
    if (ed_.ConfirmDiscard()) return false;
    std::string path = dialogs_.ChooseOpenPath(StartDir());
    if (path.empty()) return false;
    return OpenPath(path);
}

bool FileCommands::OpenPath(const std::string& path) {
    ModelStore& m = ed_.Model();
    auto before = std::make_unique<ModelStore>(m);
    std::string notice;
    std::string error = ReadModelFile(m, path, &notice);
    if (error.empty()) {
        ed_.CurrentFilePath = path;
        ShowTitle(TitleForPath(path));
        ed_.ShowStatus("Successfully opened file." + (notice.empty() ? "" : " " + notice), 1);
    } else if (SameModelContent(*before, m)) {
        // Refused before anything was read: the model in memory is still the old one.
        ed_.ShowStatus(error, -1);
        return false;
    } else {
        // The store now holds part of the file at best (the reader left it consistent).
        // Forgetting the path makes a later Save ask for a name instead of overwriting the
        // file that could not be read.
        ed_.CurrentFilePath.clear();
        ShowTitle(BASE_TITLE);
        ed_.ShowStatus(error, -1);
    }
    ed_.CurrentCorner = 0;
    ed_.CurrentListCorner = 0;
    ed_.MarkLoaded();
    ed_.RefreshAfterEdit(2);
    if (AfterOpen) AfterOpen();
    return error.empty();
}

bool FileCommands::Save() {
    ed_.ShowStatus("", 0);
    if (ed_.CurrentFilePath.empty()) return SaveAs();
    return WriteTo(ed_.CurrentFilePath);
}

bool FileCommands::SaveAs() {
    ed_.ShowStatus("", 0);
    bool checked = CheckAndCompress(ed_.Model(), &ed_.Host());
    // The check renumbers points and marks spread polygons: show that either way.
    ed_.UpdateModified();
    ed_.RefreshAfterEdit(1);
    if (!checked) {
        ed_.ShowStatus(CHECK_FAILED_MESSAGE, -1);
        return false;
    }
    std::string path = dialogs_.ChooseSavePath(StartDir());
    if (path.empty()) return false;
    return SaveTo(path);
}

bool FileCommands::SaveTo(const std::string& path) {
    ed_.ShowStatus("", 0);
    ed_.CurrentFilePath = path;
    bool written = WriteTo(path);
    ShowTitle(TitleForPath(path));
    return written;
}

bool FileCommands::WriteTo(const std::string& path) {
    ModelStore& m = ed_.Model();
    std::string error = WriteModelFile(m, path, &ed_.Host());
    // The preview viewer loads its own copy of every save.
    if (error.empty()) error = WriteModelFile(m, TempModelPath(PREVIEW_COPY_NAME));
    if (error.empty()) {
        ed_.MarkSaved();
        ed_.ShowStatus("Wrote model with " + std::to_string(m.NumPolygons) + " polygons, " +
                           std::to_string(m.NumPoints) + " points and " +
                           std::to_string(m.NumSubmodels) + " submodels",
                       1);
    } else {
        ed_.UpdateModified();
        ed_.ShowStatus(error, -1);
    }
    ed_.RefreshAfterEdit(1);
    return error.empty();
}

void FileCommands::Closing() {
    DeleteTempModelFiles();
}

}  // namespace fw
