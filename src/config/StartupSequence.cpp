#include "config/StartupSequence.h"

#include "config/SuiteSettings.h"
#include "config/Version.h"
#include "external/SuiteStrings.h"

namespace fw {

namespace {

bool NeedsAssistant(const std::string& configured) {
    std::string value = TrimBlanks(configured);
    return value.empty() || value == "1" || value == "2";
}

}  // namespace

StartupSequence::StartupSequence(StartupUi& ui, StartupHooks hooks)
    : ui_(ui), hooks_(std::move(hooks)) {}

StartupResult StartupSequence::Run(const StartupOptions& options) {
    ui_.ShowSplash(VersionText());

    SuiteStart suite = InitialiseSuite(MODULE_NAME, options.executableDir);
    if (suite.fatal) {
        ui_.ShowError(*suite.fatal);
        return {false, 1};
    }
    dirs_ = suite.dirs;
    ui_.EnsureSuiteFont();
    settings_ = std::make_shared<Settings>(SettingsForSuite(dirs_));

    RegistryCheck registry = CheckVersionRegistry(dirs_.suite, ui_);
    if (!registry.proceed) return {false, registry.exitCode};
    version_ = registry.version;

    if (NeedsAssistant(settings_->Read(setting::Configured))) {
        ui_.CloseSplash();
        if (!RunAssistant()) return {false, 0};
    }

    working_ = ReadWorkingValues(*settings_);

    if (hooks_.loadTextureCatalogue) hooks_.loadTextureCatalogue(dirs_, version_);
    ui_.ShowMainWindow(settings_, working_, dirs_);
    ui_.CloseSplash();
    if (hooks_.startPreviewLink) hooks_.startPreviewLink();

    // 6. The grid, snap, step and colour tables are constants of the views and the
    // settings (GridTable, SnapTable, MoveRateTable, ViewColours): nothing to fill.

    if (!options.modelPath.empty()) ui_.OpenCommandLineModel(options.modelPath);
    return {true, 0};
}

bool StartupSequence::RunAssistant() {
    FirstRunAssistant assistant(*settings_, version_.gameDir, DefaultModelDirectory());
    assistant.importTextures = hooks_.importTextures;
    assistant.Start();
    while (assistant.Screen() != 0) {
        int screen = assistant.Screen();
        if (screen < 1 || screen > 3) {
            ui_.ShowMessage("Internal Error", "Invalid Assistent-Screen requested.");
            return false;
        }
        ui_.ShowAssistantScreen(assistant);
        // A screen closed without a choice (its window closed) counts as Abort.
        if (assistant.Screen() == screen && !assistant.Finished()) assistant.Abort();
    }
    if (assistant.Aborted()) {
        ui_.ShowMessage("Abort", "Main Configuration was aborted.");
        return false;
    }
    return true;
}

}  // namespace fw
