#pragma once

#include <functional>
#include <memory>
#include <string>

#include "config/Settings.h"
#include "external/PreviewCommands.h"
#include "external/PreviewLink.h"
#include "model/Editor.h"
#include "modelfile/FileDialogs.h"

namespace fw {

class LocalSocketPreviewChannel;

// The viewer's settings read and written through the editor's settings files (cobl.ini,
// descent.ini), so a change made by the Options dialog is seen at once.
class SettingsPreviewSettings : public PreviewSettings {
public:
    // A failed write shows in the editor's status line with the system's reason.
    SettingsPreviewSettings(const Settings& settings, Editor& editor)
        : settings_(settings), editor_(editor) {}
    std::string Read(std::string_view file, std::string_view section,
                     std::string_view key) const override;
    void Write(std::string_view file, std::string_view section, std::string_view key,
               std::string_view value) override;

private:
    const Settings& settings_;
    Editor& editor_;
};

// The main window's owner of the preview link: the socket channel, the settings, writing
// copies of the model, and the update once a command has finished (never in the middle of
// one, so a drag's many refreshes make one write).
class PreviewHost : public PreviewEditor, public EditListener, public PreviewCommands {
public:
    using MessageBox = std::function<void(const std::string& title, const std::string& text)>;
    PreviewHost(Editor& editor, const Settings& settings, MessageBox showMessage);
    ~PreviewHost() override;

    // Where the viewer and the temporary files live; PreviewDirectories() unless set before
    // the link is first used (tests).
    void SetDirectories(PreviewLinkDirectories directories);
    PreviewLink& Link();
    LocalSocketPreviewChannel& Channel();
    // The link has been started and not closed.
    bool Active() const { return link_ && link_->Active(); }

    // Start-up: starts the link (the viewer is launched when present) and shows the model.
    void Start(const std::string& windowHandle);
    // The window closes: the viewer is told to quit and the Preview command's copy removed
    // (the live file stays for the viewer).
    void Close();
    // Model files written for the viewer so far.
    int Writes() const { return writes_; }

    // PreviewEditor
    std::string WriteModel(const std::string& path) override;
    void ShowStatus(const std::string& text, int kind) override;
    void ShowError(const std::string& code, const std::string& title,
                   const std::string& text) override;
    // EditListener
    void EditFinished(const EditNotice& notice) override;

    // PreviewCommands: what the options dialog sends to the viewer.
    void SetPreviewBackground(int index) override { Link().SetPreviewBackground(index); }
    void SetPreviewTextureSet(int index) override { Link().SetPreviewTextureSet(index); }
    void SendPreviewCommand(int code, int a, int b, int c, int d) override {
        Link().SendPreviewCommand(code, a, b, c, d);
    }

private:
    void Create();

    Editor& editor_;
    SettingsPreviewSettings settings_;
    MessageBox showMessage_;
    std::unique_ptr<PreviewLinkDirectories> dirs_;
    std::unique_ptr<LocalSocketPreviewChannel> channel_;
    std::unique_ptr<PreviewLink> link_;
    int writes_ = 0;
};

// File choosers bracketed by the preview's dialog notices, so the viewer holds its reloads
// while the chooser is open.
class BracketedFileDialogs : public FileDialogs {
public:
    BracketedFileDialogs(FileDialogs& inner, std::function<void()> before,
                         std::function<void()> after)
        : inner_(inner), before_(std::move(before)), after_(std::move(after)) {}
    std::string ChooseOpenPath(const std::string& startDirectory) override;
    std::string ChooseSavePath(const std::string& startDirectory) override;
    std::string ChooseImportPath(const std::string& startDirectory,
                                 const std::string& filter) override;
    std::string ChooseExportPath(const std::string& startDirectory,
                                 const std::string& filter) override;

private:
    // Runs one chooser between the two notices.
    template <class Choose>
    std::string Bracketed(Choose choose) {
        before_();
        std::string path = choose();
        after_();
        return path;
    }

    FileDialogs& inner_;
    std::function<void()> before_, after_;
};

}  // namespace fw
