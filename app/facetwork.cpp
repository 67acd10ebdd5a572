// The Facetwork editor: the main window, opening the model file named on the command line.

#include <QApplication>

#include "config/Settings.h"
#include "mainwindow/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Facetwork");

    fw::Settings settings;
    fw::MainWindow window(settings);
    window.resize(1100, 760);
    window.show();
    window.StartPreview();

    QStringList args = QApplication::arguments();
    if (args.size() > 1) window.OpenFile(args.at(1).toStdString());
    return app.exec();
}
