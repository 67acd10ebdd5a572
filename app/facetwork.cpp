// The Facetwork editor: start-up (splash, suite, version registry, first-run assistant,
// main window) and then the event loop.
//
// Usage: facetwork [MODEL.pol]

#include <QApplication>

#include "config/StartupSequence.h"
#include "mainwindow/QtStartupUi.h"

namespace {

// Start-up steps owned by other parts of the editor. Each is a no-op until its part
// exists; StartupSequence calls them at their place in the order.

// Texture catalogue: loaded before the new model is made.
void LoadTextureCatalogue(const fw::SuiteDirectories&, const fw::GameVersion&) {}

// Texture import from the game folder chosen at the end of the first-run assistant.
void ImportGameTextures(const std::string& /*gameDir*/) {}

// Textured preview link: started once the main window is shown, then updated.
void StartPreviewLink() {}

fw::StartupOptions ParseArguments(const QStringList& args) {
    fw::StartupOptions options;
    options.executableDir = QCoreApplication::applicationDirPath().toStdString();
    if (args.size() > 1) options.modelPath = args.at(1).toStdString();
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Facetwork");
    fw::StartupOptions options = ParseArguments(QApplication::arguments());

    fw::QtStartupUi ui;
    fw::StartupHooks hooks;
    hooks.loadTextureCatalogue = LoadTextureCatalogue;
    hooks.importTextures = ImportGameTextures;
    hooks.startPreviewLink = StartPreviewLink;
    fw::StartupSequence startup(ui, hooks);
    fw::StartupResult result = startup.Run(options);
    if (!result.runEventLoop) return result.exitCode;
    return app.exec();
}
