#include "modelfile/FileCommands.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "modelfile/ModelFile.h"
#include "modelfile/TempModelFiles.h"

namespace fw {

namespace fs = std::filesystem;

std::string TitleForPath(const std::string& path) {
    std::string upper = path;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return std::string(BASE_TITLE) + " - [" + upper + "]";
}

std::string WithModelExtension(const std::string& path) {
    if (path.empty() || fs::path(path).has_extension()) return path;
    return path + ".pol";
}

void FileCommands::New() {
    ed_.ShowStatus("", 0);
    if (ed_.ConfirmDiscard()) return;
    NewModel(ed_.Model());
    // A new model has no file yet: Save must ask for a name rather than overwrite the file
    // that was open before.
    ed_.CurrentFilePath.clear();
    ShowTitle(BASE_TITLE);
    ed_.CurrentCorner = 0;
    ed_.CurrentListCorner = 0;
    ed_.MarkLoaded();
    ed_.Notify(ChangeSet::All());
    ed_.ShowStatus("Started new model", 1);
}

bool FileCommands::Open() {
    std::string path = ChooseFileToLoad(
        [this](const std::string& start) { return dialogs_.ChooseOpenPath(start); });
    if (path.empty()) return false;
    return OpenPath(path);
}

std::string FileCommands::ChooseFileToLoad(
    const std::function<std::string(const std::string&)>& choose) {
    ed_.ShowStatus("", 0);
    if (ed_.ConfirmDiscard()) return "";
    return choose(StartDir());
}

void FileCommands::ShowLoaded(const std::string& path, bool imported) {
    ed_.CurrentFilePath = path;
    ShowTitle(path.empty() ? BASE_TITLE : TitleForPath(path));
    ed_.CurrentCorner = 0;
    ed_.CurrentListCorner = 0;
    imported ? ed_.MarkImported() : ed_.MarkLoaded();
    ed_.Notify(ChangeSet::All());
    if (AfterOpen) AfterOpen();
}

bool FileCommands::OpenPath(const std::string& path) {
    std::string notice;
    bool replaced = false;
    std::string error = ReadModelFile(ed_.Model(), path, &notice, &replaced);
    if (!replaced) {
        // Refused before anything was read: the model in memory is still the old one.
        ed_.ShowStatus(error, -1);
        return false;
    }
    // After a failed read the store holds part of the file at best (the reader left it
    // consistent). Forgetting the path makes a later Save ask for a name instead of
    // overwriting the file that could not be read.
    ShowLoaded(error.empty() ? path : "");
    if (error.empty())
        ed_.ShowStatus("Successfully opened file." + (notice.empty() ? "" : " " + notice), 1);
    else
        ed_.ShowStatus(error, -1);
    return error.empty();
}

bool FileCommands::Save() {
    ed_.ShowStatus("", 0);
    if (ed_.CurrentFilePath.empty()) return SaveAs();
    if (!CheckBeforeSave()) return false;
    return WriteTo(ed_.CurrentFilePath);
}

bool FileCommands::SaveAs() {
    ed_.ShowStatus("", 0);
    // The check renumbers points and marks spread polygons: the user sees that either way,
    // before choosing a name.
    if (!CheckBeforeSave()) return false;
    std::string path = WithModelExtension(dialogs_.ChooseSavePath(StartDir()));
    if (path.empty()) return false;
    return WriteAs(path);
}

bool FileCommands::SaveTo(const std::string& path) {
    ed_.ShowStatus("", 0);
    if (!CheckBeforeSave()) return false;
    return WriteAs(path);
}

bool FileCommands::CheckBeforeSave() {
    std::string error;
    ed_.Run(CHECK_AND_COMPRESS_NAME, [&] {
        error = PrepareModelForSave(ed_.Model(), &ed_.Host());
        // A failed check still marks the spread polygons, so it is not a refusal.
        return error.empty() ? Done() : Done(error, StatusKind::Error);
    });
    return error.empty();
}

bool FileCommands::WriteAs(const std::string& path) {
    bool written = WriteTo(path);
    if (written) {
        ed_.CurrentFilePath = path;
        ShowTitle(TitleForPath(path));
    }
    return written;
}

bool FileCommands::WriteTo(const std::string& path) {
    const ModelStore& m = ed_.Model();
    if (std::string error = WriteModelFile(m, path); !error.empty()) {
        ed_.ShowStatus(error, -1);
        return false;
    }
    ed_.MarkSaved();
    ed_.Notify(ChangeSet{});
    ed_.ShowStatus("Wrote model with " + std::to_string(m.NumPolygons) + " polygons, " +
                       std::to_string(m.NumPoints) + " points and " +
                       std::to_string(m.NumSubmodels) + " submodels",
                   1);
    // The preview viewer loads its own copy of every save. The user's file is what
    // matters, so a failure here is a warning beside a successful save.
    if (std::string error = WriteModelFile(m, TempModelPath(PREVIEW_COPY_NAME)); !error.empty())
        ed_.ShowMessage("Preview copy",
                        "The model was saved, but its copy for the textured preview could not "
                        "be written: " +
                            error);
    return true;
}

std::string FileCommands::StartDir() const {
    std::string start = StartDirectory ? StartDirectory() : std::string{};
    if (!start.empty()) return start;
    if (!ed_.CurrentFilePath.empty())
        return fs::absolute(fs::path(ed_.CurrentFilePath)).parent_path().string();
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

void FileCommands::Closing() {
    DeleteTempModelFiles();
}

}  // namespace fw
