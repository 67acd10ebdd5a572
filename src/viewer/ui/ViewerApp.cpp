#include "viewer/ui/ViewerApp.h"

#include <QApplication>
#include <QImage>
#include <QSaveFile>
#include <iostream>

#include "viewer/CatalogueTextures.h"
#include "viewer/ui/ControlServer.h"
#include "viewer/ui/ViewerWidget.h"

namespace fw {

std::unique_ptr<TextureSource> MakeViewerTextures() {
    std::filesystem::path user = UserTextureDirectory();
    CatalogueLoad load = LoadTextureCatalogue(ProgramDirectory(), user);
    // Without the program's name list (a viewer copied on its own) the built-in pictures
    // still serve: the viewer needs no names.
    TextureCatalogue catalogue = load.Error.Message.empty() ? std::move(load.Catalogue)
                                                            : TextureCatalogue{};
    SetPalettes palettes = user.empty() ? SetPalettes{} : ReadSetPalettes(user);
    return std::make_unique<CatalogueTextures>(std::move(catalogue), std::move(palettes));
}

int RenderViewerPng(const ViewerArguments& args, std::ostream& out, std::ostream& err) {
    ViewerModel model;
    if (std::string error = ReadViewerModelFile(args.File, model); !error.empty()) {
        err << args.File << ": " << error << "\n";
        return 1;
    }
    auto textures = MakeViewerTextures();
    textures->SetTextureSet(args.TextureSet);
    FrameBuffer frame;
    frame.Resize(args.Width, args.Height);
    ViewerRenderer().Render(model, args.Angles, args.Options, *textures, frame);
    QImage image(reinterpret_cast<const uchar*>(frame.Data()), frame.Width(), frame.Height(),
                 QImage::Format_RGB32);
    QSaveFile file(QString::fromStdString(args.Out));
    bool saved = file.open(QIODevice::WriteOnly) && image.save(&file, "PNG");
    if (!saved || !file.commit()) {
        if (saved) file.cancelWriting();
        err << "Could not write " << args.Out << ": " << file.errorString().toStdString() << "\n";
        return 1;
    }
    out << "Wrote " << args.Out << " (" << args.Width << "x" << args.Height << ").\n";
    return 0;
}

int RunViewer(int argc, char** argv) {
    std::vector<std::string> words(argv + std::min(argc, 1), argv + argc);
    ViewerArguments args;
    if (std::string error = ParseViewerArguments(words, args); !error.empty()) {
        std::cerr << "sbx: " << error << "\n" << VIEWER_USAGE;
        return 1;
    }
    if (args.Help) {
        std::cout << VIEWER_USAGE;
        return 0;
    }
    if (args.Render) return RenderViewerPng(args, std::cout, std::cerr);

    QApplication app(argc, argv);
    QApplication::setApplicationName("sbx");
    ViewerSession session;
    session.SetFile(args.File);
    session.Reload();  // a file that cannot be read shows its reason in the window
    auto textures = MakeViewerTextures();
    ViewerWidget window(session, *textures);
    QObject::connect(&window, &ViewerWidget::quitRequested, &app, &QCoreApplication::quit);
    ControlServer control;
    if (std::string path = ControlSocketPath(args); !path.empty()) {
        QString problem = control.Listen(QString::fromStdString(path));
        if (!problem.isEmpty())
            window.SetNote("No editor commands: " + problem);
        QObject::connect(&control, &ControlServer::commandReceived, &window, &ViewerWidget::ApplyCommand);
    }
    // Started by the editor: show beside it without taking the keyboard away.
    if (args.Linked) window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.resize(640, 480);
    window.setWindowTitle("sbx");
    window.show();
    return app.exec();
}

}  // namespace fw
