#include "mainwindow/QtStartupUi.h"

#include "mainwindow/WindowPlacement.h"

#include <QApplication>
#include <QScreen>

#include "config/ui/AssistantScreens.h"
#include "config/ui/SplashWindow.h"
#include "external/ui/CoblEMsg.h"
#include "external/ui/DesktopServices.h"
#include "external/ui/MessageBoxes.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/PreviewDirectories.h"

namespace fw {

namespace {
constexpr int TWIPS_PER_PIXEL = 15;
}

QtStartupUi::QtStartupUi(FileDialogs* dialogs) : dialogs_(dialogs) {}

QtStartupUi::~QtStartupUi() = default;

void QtStartupUi::ShowSplash(const std::string& versionText) {
    splash_ = std::make_unique<SplashWindow>(QString::fromStdString(versionText));
    splash_->show();
    splashShown_ = true;
    // One round of events paints it; nothing waits for it.
    QCoreApplication::processEvents();
}

// Closed without waiting for the main window to be painted: the window paints once, when
// the event loop starts, with the command line's model already in it.
void QtStartupUi::CloseSplash() {
    if (!splash_) return;
    splash_->close();
    splash_.reset();
}

// Dialogs must not open below the splash: it goes first.
void QtStartupUi::ShowError(const SuiteError& error) {
    CloseSplash();
    ShowSuiteError(error);
}

bool QtStartupUi::AskYesNo(const std::string& title, const std::string& text) {
    CloseSplash();
    return AskYesNoBox(nullptr, title, text);
}

void QtStartupUi::ShowMessage(const std::string& title, const std::string& text) {
    CloseSplash();
    ShowMessageBox(nullptr, title, text);
}

void QtStartupUi::YieldEvents() {
    fw::YieldEvents();
}

void QtStartupUi::EnsureSuiteFont() {
    fw::EnsureSuiteFont();
}

void QtStartupUi::ShowAssistantScreen(FirstRunAssistant& assistant) {
    CloseSplash();
    RunAssistantScreen(assistant, ScreenWidthTwips());
}

int QtStartupUi::ScreenWidthTwips() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() * TWIPS_PER_PIXEL : 0;
}

void QtStartupUi::ShowMainWindow(std::shared_ptr<const Settings> settings,
                                 const WorkingValues& values, const SuiteDirectories& dirs) {
    settings_ = std::move(settings);
    window_ = std::make_unique<MainWindow>(*settings_, dialogs_);
    window_->Preview().SetDirectories(SuitePreviewDirectories(dirs));
    Editor& editor = window_->GetEditor();
    editor.MoveRate = values.moveRate;
    editor.PasteOffset = values.pasteOffset;
    editor.IsoMode = values.isoMode;
    window_->Views().ZoomFactor = values.zoomFactor;
    window_->Views().PanStep = values.panStep;
    ShowPlaced(*window_, *settings_);
}

void QtStartupUi::OpenCommandLineModel(const std::string& path) {
    if (window_) window_->OpenFile(path);
}

}  // namespace fw
