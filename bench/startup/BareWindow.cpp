// The start-up floor: a bare Qt main window with a menu and a status bar, placed as the
// editor places itself on a first run (nine tenths of the screen, centred), which ends once
// its window has been painted, as "facetwork --smoke" does. Run by bench/startup.py.

#include <QApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <iostream>

#include "mainwindow/FirstPaintWatch.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("&Open");
    file->addAction("E&xit", &app, &QApplication::quit);
    window.menuBar()->addMenu("&Help")->addAction("About");
    window.statusBar()->showMessage("Ready");
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);

    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect placed(QPoint(0, 0), screen.size() * 0.9);
    placed.moveCenter(screen.center());
    window.setGeometry(placed);

    QEventLoop loop;
    fw::FirstPaintWatch watch(loop);
    central->installEventFilter(&watch);
    window.show();
    if (!QApplication::arguments().contains("--smoke")) return app.exec();
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    if (!watch.painted) return 1;
    watch.ReportFrame(std::cout);
    return 0;
}
