#include "mainwindow/MainWindow.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <iostream>

#include "external/ui/CoblEMsg.h"
#include "mainwindow/ModeListPanel.h"
#include "textures/ui/AlignmentDisplay.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/ViewArea.h"
#include "mainwindow/ViewInfoStrip.h"
#include "mainwindow/WindowPlacement.h"
#include "views/ViewKeys.h"
#include "views/ViewWidget.h"

namespace fw {

namespace {

// Keys left over by a view (its own key table already passed on them) or by a box or list
// the user types into must not run view commands in the window.
bool KeyBelongsTo(const QWidget* focus) {
    return qobject_cast<const ViewWidget*>(focus) || qobject_cast<const QLineEdit*>(focus) ||
           qobject_cast<const QComboBox*>(focus) ||
           qobject_cast<const QAbstractScrollArea*>(focus) ||
           qobject_cast<const QAbstractSpinBox*>(focus) ||
           qobject_cast<const QAbstractSlider*>(focus);
}

}  // namespace

MainWindow::MainWindow(const Settings& settings, FileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      editor_(*this),
      systemDialogs_(this),
      previewDialogs_(dialogs ? *dialogs : systemDialogs_, [this] { PreviewBeforeDialog(); },
                      [this] { PreviewAfterDialog(); }),
      files_(editor_, previewDialogs_),
      exchange_(editor_, previewDialogs_, files_),
      stripContext_{editor_, settings_,
                    [this](std::string_view id, std::vector<ArgValue> args) {
                        RunCommandId(id, std::move(args));
                    },
                    [this] { ReFocusView(); },
                    [this] {
                        return editor_.RefreshInProgress ||
                               (modeList_ && modeList_->ListRefreshing());
                    }} {
    setObjectName("FCTWMainForm");
    setWindowTitle(BASE_TITLE);
    for (int view = 0; view < 3; ++view) {
        views_.SetGridIndex(view, settings_.GridIndex(view));
        views_.SetSnapIndex(view, settings_.SnapIndex(view));
    }
    views_.CrossMarked = settings_.CrossMarked();
    views_.StretchViews = settings_.StretchViews();
    views_.PmoveMode = settings_.PmoveMode();
    editor_.IsoMode = settings_.IsoMode();
    preview_ = std::make_unique<PreviewHost>(
        editor_, settings_,
        [this](const std::string& title, const std::string& text) { ShowMessage(title, text); });
    previewCommands_ = preview_.get();

    RegisterWindowCommands();
    RegisterPreviewCommands();
    LoadCatalogue();
    RegisterTextureCommands();
    RegisterExchangeCommands();
    status_ = new StatusLine(this);
    setStatusBar(status_);
    BuildToolbar();
    BuildCentralArea();
    ShowTextureNames();
    BuildMenus();
    BuildIsoMenu();
    BuildPreviewToolbar();
    WatchQuickHelp();
    ConnectConfiguration();

    files_.SetTitle = [this](const std::string& title) {
        setWindowTitle(QString::fromStdString(title));
    };
    files_.StartDirectory = [this] { return settings_.ModelDirectory(); };
    files_.AfterOpen = [this] { FrameModel(); };

    ApplyInterfaceMode(settings_.FourViewLayout() ? 1 : 0);
    SelectView(VIEW_XY);
    editor_.Notify(ChangeSet::All());
}

MainWindow::~MainWindow() {
    // The panels refer to the editor and the context held by this window: remove them while
    // those still exist.
    delete takeCentralWidget();
    delete alignment_;  // it listens to the editor, which goes before the child windows
    // However the program ends, a viewer it launched is told to quit.
    preview_->Close();
}

void MainWindow::ShowStatus(const std::string& text, int kind) {
    status_->ShowMessage(QString::fromStdString(text), kind);
    if (kind < 0) {
        if (beepHook)
            beepHook();
        else
            QApplication::beep();
    }
}

void MainWindow::ShowMessage(const std::string& title, const std::string& text) {
    QString t = QString::fromStdString(title), m = QString::fromStdString(text);
    PreviewBeforeDialog();
    if (messageHook)
        messageHook(t, m);
    else
        QMessageBox::warning(this, t, m);
    PreviewAfterDialog();
}

void MainWindow::ShowError(const std::string& code, const std::string& title,
                           const std::string& text) {
    PreviewBeforeDialog();
    if (messageHook)
        messageHook(QString::fromStdString(title), QString::fromStdString(text));
    else
        ShowSuiteError({code, title, text}, this);
    PreviewAfterDialog();
}

bool MainWindow::AskYesNo(const std::string& title, const std::string& text) {
    QString t = QString::fromStdString(title), m = QString::fromStdString(text);
    PreviewBeforeDialog();
    bool yes;
    if (askHook) {
        yes = askHook(t, m);
    } else {
        QMessageBox box(QMessageBox::Question, t, m, QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        yes = box.exec() == QMessageBox::Yes;
    }
    PreviewAfterDialog();
    return yes;
}

void MainWindow::Refresh(const EditNotice& notice) {
    if (!modeList_) return;  // still being built
    // The undo entry is recorded and Modified is final before any refresh.
    modeList_->FillModeList(notice.changes);
    infoStrip_->ShowViewState();
    if (notice.refreshKind >= REFRESH_VIEWS) viewArea_->RepaintVisible();
    UpdateUndoActions();
}

int MainWindow::RunDialog(QDialog& dialog, bool abovePreview) {
    if (abovePreview) PreviewBeforeDialog();
    int result = dialogHook ? (dialogHook(dialog), dialog.result()) : dialog.exec();
    if (abovePreview) PreviewAfterDialog();
    return result;
}

void MainWindow::SetSubmodelMenuState(const std::string& currentCaption,
                                      const std::string& newCaption, bool newEnabled) {
    putPointsCurrent_->setText(QString::fromStdString(currentCaption));
    putPointsNew_->setText(QString::fromStdString(newCaption));
    putPointsNew_->setEnabled(newEnabled);
}

void MainWindow::SelectView(int view) {
    if (view < 0 || view >= VIEW_COUNT) return;
    viewArea_->ShowView(view);
    SyncViewButtons();
    infoStrip_->ShowViewState();
    ReFocusView();
}

void MainWindow::ReFocusView() {
    viewArea_->FocusView(views_.CurrentView);
    viewArea_->MarkCurrent();
}

void MainWindow::Singlemode() {
    ApplyInterfaceMode(0);
    ReportSettingsError(settings_.WriteInt(setting::InterfaceMode, 0));
    SelectView(VIEW_XY);
}

void MainWindow::Quadmode() {
    ApplyInterfaceMode(1);
    ReportSettingsError(settings_.WriteInt(setting::InterfaceMode, 1));
    editor_.Notify(Change::View);
    ReFocusView();
}

void MainWindow::ApplyInterfaceMode(int mode) {
    interfaceMode_ = mode;
    viewArea_->SetFourViews(mode == 1);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!files_.CanClose()) {
        event->ignore();
        return;
    }
    files_.Closing();
    // The window is going: the terminal is the only place left to say so.
    if (std::string error = SaveWindowPlacement(*this, settings_); !error.empty())
        std::cerr << "The window's place was not stored: " << error << "\n";
    preview_->Close();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys that reach the window itself (no view or input box has the focus) act on the
    // current view with the model's own axes.
    if (KeyBelongsTo(focusWidget())) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    ViewKey key{event->key(), ShiftState(event->modifiers()),
                event->modifiers().testFlag(Qt::KeypadModifier)};
    ViewKeyResult result = ViewKeyDown(editor_, views_, key, MoveAxes(views_, VIEW_XY));
    if (!result.handled) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (result.viewChanged) {
        infoStrip_->ShowViewState();
        viewArea_->RepaintVisible();
    }
}

}  // namespace fw
