// The Facetwork editor: the main window, opening the model file named on the command line.

#include <QApplication>
#include <iostream>

#include "config/Settings.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/SmokeRun.h"
#include "mainwindow/WindowPlacement.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Facetwork");

    fw::Settings settings;
    fw::MainWindow window(settings);
    QStringList args = QApplication::arguments();
    if (auto code = fw::SmokeRun(args, window, settings, std::cerr)) return *code;
    fw::ShowPlaced(window, settings);

    if (args.size() > 1) window.OpenFile(args.at(1).toStdString());
    return app.exec();
}
