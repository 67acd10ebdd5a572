// The window's side of the configuration: the Options dialog (F2 and toolbar button 6),
// Help's Manual and About, the undo key scheme, and the settings the window applies when
// they change. Entries are found by their object names, so the menus and the toolbar stay
// as they are built.

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSlider>

#include "config/ui/AboutBox.h"
#include "config/ui/PrefForm.h"
#include "external/PreviewCommands.h"
#include "external/SuiteStrings.h"
#include "external/ui/DesktopServices.h"
#include "external/ui/ModalHook.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ModeListPanel.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/ViewArea.h"
#include "mainwindow/ViewInfoStrip.h"

namespace fw {

namespace {

// What the Options dialog changes in the window directly.
class WindowOptionsTarget : public OptionsTarget {
public:
    WindowOptionsTarget(MainWindow& window, const Settings& settings)
        : w_(window), settings_(settings) {}

    OptionsRunState RunState() const override {
        OptionsRunState run;
        run.insertOffset = w_.GetEditor().PasteOffset;
        run.viewOrient = settings_.ViewOrient();  // the views always follow it
        run.crossMarked = w_.Views().CrossMarked;
        run.pmoveMode = w_.Views().PmoveMode;
        run.currentView = w_.Views().CurrentView;
        return run;
    }
    void SetPointMoveMode(bool on) override { w_.Views().PmoveMode = on; }
    void SetInsertOffset(const PointRecord& offset) override {
        w_.GetEditor().PasteOffset = offset;
    }
    void SetInterfaceMode(int mode) override {
        if (mode == 1)
            w_.Quadmode();
        else
            w_.Singlemode();
    }
    void Redraw() override { w_.GetEditor().Notify(Change::View); }
    void ReportError(const std::string& error) override { w_.ReportSettingsError(error); }

private:
    MainWindow& w_;
    const Settings& settings_;
};

// The manual's file as cobl.ini names it, "" when it names none.
std::string ManualPath(const Settings& settings) {
    std::string dir = TrimBlanks(settings.Read(setting::ManualDirectory));
    std::string file = TrimBlanks(settings.Read(setting::ManualProgram));
    if (dir.empty() || file.empty()) return "";
    return AddSlash(dir) + file;
}

void Disable(QAction* action, const QString& why) {
    if (!action) return;
    action->setEnabled(false);
    action->setToolTip(why);
    action->setStatusTip(why);
}

}  // namespace

void MainWindow::ConnectConfiguration() {
    AddWindowCommand("Options", "Options", [this] { OpenOptions(); });
    AddWindowCommand("About", "About", [this] {
        AboutBox box(this);
        ExecModal(box);
    });
    for (const char* name : {"MenuViewOptions", "H0Icon6"}) {
        if (auto* options = findChild<QAction*>(name)) {
            options->setEnabled(true);
            BindCommand(options, "Options");
        }
    }

    if (auto* help = findChild<QMenu*>("MenuHelp")) help->setToolTipsVisible(true);
    if (auto* manual = findChild<QAction*>("MenuHelpManual")) {
        std::string path = ManualPath(settings_);
        if (path.empty()) {
            Disable(manual, "No manual is installed: the suite's cobl.ini names none.");
        } else if (!QFileInfo(QString::fromStdString(path)).isFile()) {
            Disable(manual, "The manual is missing: " + QString::fromStdString(path));
        } else {
            manual->setEnabled(true);
            AddWindowCommand("Manual", "Manual", [this, path] {
                if (!OpenDocument(path)) ShowStatus("Cannot open the manual " + path + ".", -1);
            });
            BindCommand(manual, "Manual");
        }
    }
    if (auto* about = findChild<QAction*>("MenuHelpAbout")) {
        about->setEnabled(true);
        BindCommand(about, "About");
    }
    Disable(findChild<QAction*>("MenuHelpGuideBot"),
            "The Guide-Bot help is not part of this version; see Manual.");
    Disable(findChild<QAction*>("MenuHelpInternetEntry"),
            "No web pages are set up for this version.");

    ApplyUndoKeys(settings_.StandardUndoKeys());
    settingsChanges_ = settings_.Subscribe([this](const SettingKey& key) { ApplySetting(key); });
}

void MainWindow::OpenOptions() {
    status_->ShowMessage("", 0);
    NoPreview none;
    WindowOptionsTarget target(*this, settings_);
    PrefForm form(settings_, target, previewCommands_ ? *previewCommands_ : none, this);
    ExecModal(form);
    ReFocusView();
}

void MainWindow::ReportSettingsError(const std::string& error) {
    if (!error.empty()) ShowStatus(error, -1);
}

void MainWindow::ApplySetting(const SettingKey& key) {
    for (int view = 0; view < 3; ++view) {
        if (SameSetting(key, setting::Grid[view]))
            views_.SetGridIndex(view, settings_.GridIndex(view));
        if (SameSetting(key, setting::Snap[view]))
            views_.SetSnapIndex(view, settings_.SnapIndex(view));
    }
    if (SameSetting(key, setting::CrossMarked)) {
        views_.CrossMarked = settings_.CrossMarked();
        if (auto* crossed = findChild<QAction*>("ShowCrossedMenu")) {
            QSignalBlocker quiet(crossed);
            crossed->setChecked(views_.CrossMarked);
        }
    }
    if (SameSetting(key, setting::PmoveMode)) views_.PmoveMode = settings_.PmoveMode();
    if (SameSetting(key, setting::ViewOrient)) viewArea_->SetOrientation(settings_.ViewOrient());
    if (SameSetting(key, setting::IsoMode)) editor_.IsoMode = settings_.IsoMode();
    if (SameSetting(key, setting::StandardUndoKeys)) ApplyUndoKeys(settings_.StandardUndoKeys());
    if (SameSetting(key, setting::StretchViews)) {
        views_.StretchViews = settings_.StretchViews();
        viewArea_->RepaintVisible();
    }
    if (SameSetting(key, setting::MoveRate)) {
        // The strip's slider sets the editor's step and shows it; an unchanged value does
        // nothing.
        int index = settings_.MoveRateIndex();
        editor_.MoveRate = MoveRateTable[index].value;
        if (auto* slider = modeList_->findChild<QSlider*>("MoverateSlider1"))
            slider->setValue(index);
    }
    infoStrip_->ShowViewState();
    viewArea_->RepaintVisible();
}

void MainWindow::ApplyUndoKeys(bool standard) {
    auto keys = [this](const char* name, const QList<QKeySequence>& shortcuts) {
        if (auto* action = findChild<QAction*>(name)) action->setShortcuts(shortcuts);
    };
    // Ctrl+Z belongs either to undo or to the mirrored paste in Z, never to both.
    if (standard) {
        keys("MenuEditPasteMirrorY", {QKeySequence("Ctrl+Alt+Y")});
        keys("MenuEditPasteMirrorZ", {QKeySequence("Ctrl+Alt+Z")});
        keys("MenuEditUndo", {QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")});
    } else {
        keys("MenuEditUndo", {QKeySequence("Alt+Backspace")});
        keys("MenuEditPasteMirrorY", {QKeySequence("Ctrl+Y")});
        keys("MenuEditPasteMirrorZ", {QKeySequence("Ctrl+Z")});
    }
    keys("MenuEditRedo", {QKeySequence("Ctrl+Shift+Z")});
}

}  // namespace fw
