#include "mainwindow/PreviewHost.h"

#include <filesystem>
#include <system_error>

#include "external/qt/LocalSocketPreviewChannel.h"
#include "mainwindow/PreviewDirectories.h"
#include "model/ChangeSet.h"
#include "modelfile/ModelFile.h"

namespace fw {

std::string SettingsPreviewSettings::Read(std::string_view file, std::string_view section,
                                          std::string_view key) const {
    return settings_.Read(SettingKey{file, section, key, ""});
}

void SettingsPreviewSettings::Write(std::string_view file, std::string_view section,
                                    std::string_view key, std::string_view value) {
    std::string error = settings_.Write(SettingKey{file, section, key, ""}, value);
    if (!error.empty()) editor_.ShowStatus(error, -1);
}

PreviewHost::PreviewHost(Editor& editor, const Settings& settings, MessageBox showMessage)
    : editor_(editor), settings_(settings, editor), showMessage_(std::move(showMessage)) {
    editor_.AddListener(this);
}

PreviewHost::~PreviewHost() {
    editor_.RemoveListener(this);
}

void PreviewHost::SetDirectories(PreviewLinkDirectories directories) {
    link_.reset();
    channel_.reset();
    dirs_ = std::make_unique<PreviewLinkDirectories>(std::move(directories));
}

void PreviewHost::Create() {
    if (!dirs_) dirs_ = std::make_unique<PreviewLinkDirectories>(PreviewDirectories());
    // The viewer listens beside its live file.
    std::string control =
        (std::filesystem::path(dirs_->Temporary) / PREVIEW_CONTROL_NAME).string();
    channel_ = std::make_unique<LocalSocketPreviewChannel>(QString::fromStdString(control));
    link_ = std::make_unique<PreviewLink>(*channel_, settings_, *this, *dirs_);
}

PreviewLink& PreviewHost::Link() {
    if (!link_) Create();
    return *link_;
}

LocalSocketPreviewChannel& PreviewHost::Channel() {
    if (!link_) Create();
    return *channel_;
}

void PreviewHost::Start(const std::string& windowHandle) {
    PreviewLink& link = Link();
    // Without a safe temporary directory there is nowhere to put the live file.
    if (dirs_->Temporary.empty()) return;
    link.StartPreviewLink(windowHandle);
    link.UpdateTexturedView();
}

void PreviewHost::Close() {
    if (!link_) return;
    link_->ClosePreviewLink();
    std::error_code ec;
    if (!dirs_->Temporary.empty()) std::filesystem::remove(link_->PreviewFilePath(), ec);
}

std::string PreviewHost::WriteModel(const std::string& path) {
    ++writes_;
    // The writer works on a prepared copy; no sink, so the submodel warning stays quiet.
    return WriteModelFile(editor_.Model(), path);
}

void PreviewHost::ShowStatus(const std::string& text, int kind) {
    editor_.ShowStatus(text, kind);
}

void PreviewHost::ShowError(const std::string& code, const std::string& title,
                            const std::string& text) {
    showMessage_(title, "Error " + code + ":\n\n" + text);
}

void PreviewHost::EditFinished(const EditNotice& notice) {
    if (!link_) return;  // the link was never used: nothing to update
    link_->NoteRefresh(notice.refreshKind, editor_.IsoMode);
    link_->CommandFinished();
}

std::string BracketedFileDialogs::ChooseOpenPath(const std::string& startDirectory) {
    return Bracketed([&] { return inner_.ChooseOpenPath(startDirectory); });
}

std::string BracketedFileDialogs::ChooseSavePath(const std::string& startDirectory) {
    return Bracketed([&] { return inner_.ChooseSavePath(startDirectory); });
}

std::string BracketedFileDialogs::ChooseImportPath(const std::string& startDirectory,
                                                   const std::string& filter) {
    return Bracketed([&] { return inner_.ChooseImportPath(startDirectory, filter); });
}

std::string BracketedFileDialogs::ChooseExportPath(const std::string& startDirectory,
                                                   const std::string& filter) {
    return Bracketed([&] { return inner_.ChooseExportPath(startDirectory, filter); });
}

}  // namespace fw
