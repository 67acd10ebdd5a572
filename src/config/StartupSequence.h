#pragma once

#include <functional>
#include <memory>
#include <string>

#include "config/FirstRunAssistant.h"
#include "config/Settings.h"
#include "config/WorkingValues.h"
#include "external/SuiteError.h"
#include "external/SuiteLibrary.h"
#include "external/VersionRegistry.h"

namespace fw {

// What start-up needs from the user interface besides the suite's dialogs.
class StartupUi : public SuiteUi {
public:
    // The splash window with the version; it never waits for anything.
    virtual void ShowSplash(const std::string& versionText) = 0;
    virtual void CloseSplash() = 0;
    // Makes the suite's font face available (never fatal on this system).
    virtual void EnsureSuiteFont() = 0;
    // A plain message box.
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    // Shows the assistant's current screen modally; the screen moves the assistant on.
    virtual void ShowAssistantScreen(FirstRunAssistant& assistant) = 0;
    virtual int ScreenWidthTwips() = 0;
    // Creates the main window with a new empty model, applies the working values and
    // shows it. The window keeps `settings`; the preview's files go to the suite's
    // temporary directory.
    virtual void ShowMainWindow(std::shared_ptr<const Settings> settings,
                                const WorkingValues& values, const SuiteDirectories& dirs) = 0;
    // Reads the model named on the command line into the window, which reports the outcome
    // in its status line.
    virtual void OpenCommandLineModel(const std::string& path) = 0;
};

// Steps that belong to parts of the editor other than start-up; each is optional.
struct StartupHooks {
    // Loads the texture catalogue before the new model is made.
    std::function<void(const SuiteDirectories&, const GameVersion&)> loadTextureCatalogue;
    // Imports the game's textures at the end of the first-run assistant.
    std::function<void(const std::string& gameDir)> importTextures;
    // Starts the textured preview link once the main window is shown, and updates it.
    std::function<void()> startPreviewLink;
};

struct StartupOptions {
    std::string executableDir;  // where the pointer file of a portable suite sits
    std::string modelPath;      // the model named on the command line, "" for none
};

struct StartupResult {
    bool runEventLoop = false;  // false: the program ends with exitCode
    int exitCode = 0;
};

// Brings the program from launch to the main window:
//   1. the splash; 2. the suite library and the version registry check;
//   3. the first-run assistant when fctwrk32.ini [General] Configured is "", "1" or "2";
//   4. the working values; 5. the texture catalogue, a new model, the main window and the
//   preview link; 6. the value tables; 7. the model named on the command line.
class StartupSequence {
public:
    explicit StartupSequence(StartupUi& ui, StartupHooks hooks = {});

    StartupResult Run(const StartupOptions& options);

    // What start-up established (valid once Run got that far).
    const SuiteDirectories& Directories() const { return dirs_; }
    const GameVersion& Version() const { return version_; }
    std::shared_ptr<const Settings> GetSettings() const { return settings_; }
    const WorkingValues& Working() const { return working_; }

private:
    bool RunAssistant();

    StartupUi& ui_;
    StartupHooks hooks_;
    SuiteDirectories dirs_;
    GameVersion version_;
    std::shared_ptr<Settings> settings_;
    WorkingValues working_;
};

}  // namespace fw
