// The Facetwork editor: start-up (splash, suite, version registry, first-run assistant,
// main window) and then the event loop.
//
// Usage: facetwork [MODEL.pol]

#include <QApplication>
#include <QFont>
#include <iostream>
#include <malloc.h>

#include "config/StartupSequence.h"
#include "mainwindow/EditorStyle.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/QtStartupUi.h"
#include "mainwindow/SmokeRun.h"
#include "textures/GameTextureImport.h"
#include "textures/TextureCatalogue.h"

namespace {

// Start-up steps owned by other parts of the editor. Each is a no-op until its part
// exists; StartupSequence calls them at their place in the order.

// Texture catalogue: loaded before the new model is made.
void LoadTextureCatalogue(const fw::SuiteDirectories&, const fw::GameVersion&) {}

// Texture import from the game folder chosen at the end of the first-run assistant. A
// failure is no reason to stop: the placeholders serve until the import is run again.
void ImportTexturesFrom(const std::string& gameDir) {
    std::string error = fw::ImportGameTextures(gameDir, fw::UserTextureDirectory());
    if (!error.empty()) std::cerr << error << "\n";
}

// Large blocks are taken from the heap and stay there when freed, rather than being mapped
// afresh each time, so that the memory of the splash's picture is reused for the main
// window's. The first touch of a freshly mapped page costs microseconds, and the window's
// picture alone is two megabytes.
void ReuseFreedMemory() {
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
}

// The interface's texts are Latin and need no OpenType shaping; without it, laying out and
// drawing the window's hundred-odd labels and buttons costs a good part less at start-up.
// Scripts that do need shaping still get it.
void SkipTextShaping() {
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

fw::StartupOptions ParseArguments(const QStringList& args) {
    fw::StartupOptions options;
    options.executableDir = QCoreApplication::applicationDirPath().toStdString();
    // "--smoke FILE" opens the file itself once the window is up.
    if (args.size() > 1 && args.at(1) != "--smoke") options.modelPath = args.at(1).toStdString();
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    ReuseFreedMemory();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Facetwork");
    SkipTextShaping();
    QApplication::setStyle(new fw::EditorStyle);
    fw::StartupOptions options = ParseArguments(QApplication::arguments());

    fw::QtStartupUi ui;
    fw::StartupHooks hooks;
    hooks.loadTextureCatalogue = LoadTextureCatalogue;
    hooks.importTextures = ImportTexturesFrom;
    // The textured preview link starts once the main window is shown; a smoke run starts
    // no other program.
    const bool smoke = QApplication::arguments().value(1) == "--smoke";
    hooks.startPreviewLink = [&ui, smoke] {
        if (ui.Window() && !smoke) ui.Window()->StartPreview();
    };
    fw::StartupSequence startup(ui, hooks);
    fw::StartupResult result = startup.Run(options);
    if (!result.runEventLoop) return result.exitCode;
    if (ui.Window())
        if (auto code = fw::SmokeRun(QApplication::arguments(), *ui.Window(), *ui.WindowSettings(),
                                     std::cout, std::cerr))
            return *code;
    return app.exec();
}
