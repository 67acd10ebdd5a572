#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "config/Settings.h"
#include "edit/CommandTable.h"
#include "mainwindow/PreviewHost.h"
#include "mainwindow/QtFileDialogs.h"
#include "mainwindow/StripContext.h"
#include "model/Editor.h"
#include "modelfile/ExchangeCommands.h"
#include "modelfile/FileCommands.h"
#include "views/ViewState.h"

class QAction;
class QDialog;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

namespace fw {
class AlignmentDisplay;
class TextureCatalogue;
struct TextureUiContext;

class ModeListPanel;
class PreviewCommands;
class StatusLine;
class ViewArea;
class ViewInfoStrip;

// The main window FCTWMainForm: menus, the main toolbar, the mode list on the left, the
// views, the view strip on the right, the quick help and the status line. It is the
// editor's host: commands report and refresh through it.
class MainWindow : public QMainWindow, public EditorHost {
    Q_OBJECT
public:
    // `dialogs` replaces the system file choosers (tests); null uses the system's.
    explicit MainWindow(const Settings& settings, FileDialogs* dialogs = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    Editor& GetEditor() { return editor_; }
    ViewState& Views() { return views_; }
    FileCommands& Files() { return files_; }
    ExchangeCommands& Exchange() { return exchange_; }
    ModeListPanel* ModeList() const { return modeList_; }
    StatusLine* Status() const { return status_; }
    ViewArea* Area() const { return viewArea_; }

    // Opens a model file without asking (the command line); true when it was read.
    bool OpenFile(const std::string& path) { return files_.OpenPath(path); }

    // EditorHost
    void ShowStatus(const std::string& text, int kind) override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    void ShowError(const std::string& code, const std::string& title,
                   const std::string& text) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    void Refresh(const EditNotice& notice) override;
    void SetSubmodelMenuState(const std::string& currentCaption, const std::string& newCaption,
                              bool newEnabled) override;

    const TextureCatalogue& Catalogue() const { return *catalogue_; }
    // Shows another catalogue from now on (a fresh import; tests).
    void UseCatalogue(std::shared_ptr<const TextureCatalogue> catalogue);
    // The alignment display while it is open, else null.
    AlignmentDisplay* Alignment() const { return alignment_; }
    // Replace the message boxes and the beep (tests, scripted runs).
    std::function<bool(const QString& title, const QString& text)> askHook;
    std::function<void(const QString& title, const QString& text)> messageHook;
    std::function<void()> beepHook;
    // Runs a modal dialog in place of exec (tests).
    std::function<void(QDialog& dialog)> dialogHook;

    // Layouts: one view filling the view area, or all four.
    void Singlemode();
    void Quadmode();
    int InterfaceMode() const { return interfaceMode_; }
    // Shows view 0..3 (the toolbar view buttons and the View menu).
    void SelectView(int view);
    // Gives the input focus back to the current view.
    void ReFocusView();
    // Every command the window's menus, buttons and keys run: the editing commands and the
    // window's own (files, views, layouts, undo).
    const CommandTable& Commands() const { return commands_; }
    // Runs the command `id` with `args`, then gives the focus back to the current view.
    CommandResult RunCommandId(std::string_view id, std::vector<ArgValue> args = {});
    // Frames the model in every view once the layout has settled (after Open, and at
    // start-up with a model). Built in MainWindowViews.cpp, as is ZoomToFit.
    void FrameModel();
    // "Zoom to Fit": frames the model in the current view.
    void ZoomToFit();

    // Configuration (MainWindowConfig.cpp): the Options dialog, the manual, the About box,
    // and the settings the window applies when they change.
    void OpenOptions();
    void SetPreviewCommands(PreviewCommands* preview) { previewCommands_ = preview; }
    // A failed settings write shows in the status line with its reason, as a failed save.
    void ReportSettingsError(const std::string& error);

    // The textured preview (built in PreviewWindow.cpp). StartPreview runs once the window
    // is shown at start-up; the hooks bracket every modal dialog the window opens: dialogs
    // added to the window call PreviewBeforeDialog before exec() and PreviewAfterDialog after.
    PreviewHost& Preview() { return *preview_; }
    void StartPreview();
    void PreviewBeforeDialog();
    void PreviewAfterDialog();
    QMenu* IsoMenu() const { return isoMenu_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Built in MainWindowMenus.cpp.
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildViewMenu();
    void BuildMarkMenu();
    void BuildToolsAndPolygonMenus();
    void BuildModelMenu();
    void BuildWindowAndHelpMenus();
    // A menu entry that runs the command `id`; the action keeps the id as its "commandId".
    QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& shortcut, std::string_view id,
                        std::vector<ArgValue> args = {});
    // Makes `action` run the command `id`.
    void BindCommand(QAction* action, std::string_view id, std::vector<ArgValue> args = {});
    QAction* AddDisabled(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut = {});
    void UpdateUndoActions();

    // Built in MainWindowCommands.cpp: the window's own entries of the command table.
    void RegisterWindowCommands();
    void AddWindowCommand(std::string_view id, std::string_view name, std::function<void()> action);

    // Built in PreviewWindow.cpp: the preview commands, the iso menu ISO_Color and the
    // preview toolbar HIsoIcon.
    void RegisterPreviewCommands();
    void BuildIsoMenu();
    void BuildPreviewToolbar();
    void SyncIsoMenu();
    // Built in MainWindowTextures.cpp: the catalogue and the texture dialogs' commands.
    void LoadCatalogue();
    void RegisterTextureCommands();
    void ShowTextureNames();
    TextureUiContext TextureContext();
    // Built in MainWindowExchange.cpp: File, Import and Export.
    void RegisterExchangeCommands();
    // Runs a modal dialog (through dialogHook when set) and returns its result; above the
    // preview, the viewer holds its reloads meanwhile.
    int RunDialog(QDialog& dialog, bool abovePreview = false);

    // Built in MainToolbar.cpp.
    void BuildToolbar();
    void SyncViewButtons();
    void WatchQuickHelp();
    void SetQuickHelp(const QString& text);

    // Built in MainWindowLayout.cpp.
    void BuildCentralArea();
    void RestoreSplitters();
    void StoreSplitter(QSplitter* splitter, const SettingKey& key);
    void ApplyInterfaceMode(int mode);

    // Built in MainWindowConfig.cpp.
    void ConnectConfiguration();
    void ApplySetting(const SettingKey& key);
    void ApplyUndoKeys(bool standard);

    const Settings& settings_;
    Editor editor_;
    CommandTable commands_;
    ViewState views_;
    QtFileDialogs systemDialogs_;
    BracketedFileDialogs previewDialogs_;
    FileCommands files_;
    ExchangeCommands exchange_;
    StripContext stripContext_;
    std::unique_ptr<PreviewHost> preview_;
    int interfaceMode_ = 0;
    bool splittersRestored_ = false;

    ModeListPanel* modeList_ = nullptr;
    ViewArea* viewArea_ = nullptr;
    ViewInfoStrip* infoStrip_ = nullptr;
    StatusLine* status_ = nullptr;
    QLabel* quickHelp_ = nullptr;
    QSplitter* imgSplitter_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, 4> viewButtons_{};
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* putPointsCurrent_ = nullptr;
    QAction* putPointsNew_ = nullptr;
    QMenu* putPointsMenu_ = nullptr;
    PreviewCommands* previewCommands_ = nullptr;  // the options dialog sends through it
    Settings::Subscription settingsChanges_;
    QMenu* isoMenu_ = nullptr;
    std::shared_ptr<const TextureCatalogue> catalogue_;
    AlignmentDisplay* alignment_ = nullptr;
};

}  // namespace fw
