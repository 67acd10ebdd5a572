#pragma once

#include <memory>

#include "config/StartupSequence.h"

namespace fw {

class FileDialogs;
class MainWindow;
class SplashWindow;

// Start-up's user interface in Qt: the splash, the suite's error dialog, message boxes,
// the assistant's screens and the main window. Dialogs run through ExecModal, so tests can
// drive a whole start-up.
class QtStartupUi : public StartupUi {
public:
    // `dialogs` replaces the window's file choosers (tests); null uses the system's.
    explicit QtStartupUi(FileDialogs* dialogs = nullptr);
    ~QtStartupUi() override;

    // The main window once start-up has shown it, else null.
    MainWindow* Window() const { return window_.get(); }
    const Settings* WindowSettings() const { return settings_.get(); }
    bool SplashShown() const { return splashShown_; }

    // StartupUi
    void ShowError(const SuiteError& error) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    void YieldEvents() override;
    void ShowSplash(const std::string& versionText) override;
    void CloseSplash() override;
    void EnsureSuiteFont() override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    void ShowAssistantScreen(FirstRunAssistant& assistant) override;
    int ScreenWidthTwips() override;
    void ShowMainWindow(std::shared_ptr<const Settings> settings, const WorkingValues& values,
                        const SuiteDirectories& dirs) override;
    void OpenCommandLineModel(const std::string& path) override;

private:
    FileDialogs* dialogs_;
    std::unique_ptr<SplashWindow> splash_;
    bool splashShown_ = false;
    // The window refers to the settings: declared first, they go last.
    std::shared_ptr<const Settings> settings_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace fw
