#include "mainwindow/SmokeRun.h"

#include <QEventLoop>
#include <QTimer>
#include <ostream>

#include "mainwindow/FirstPaintWatch.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/ViewArea.h"
#include "mainwindow/WindowPlacement.h"
#include "views/ViewWidget.h"

namespace fw {

constexpr int PAINT_TIMEOUT_MS = 10000;

std::optional<int> SmokeRun(const QStringList& args, MainWindow& window, const Settings& settings,
                            std::ostream& out, std::ostream& err) {
    if (args.size() < 2 || args.at(1) != "--smoke") return std::nullopt;
    if (args.size() != 3) {
        err << "usage: facetwork --smoke FILE.pol\n";
        return 1;
    }
    QString message;
    window.messageHook = [&](const QString& title, const QString& text) {
        message = title + ": " + text;
    };
    window.askHook = [](const QString&, const QString&) { return false; };
    window.beepHook = [] {};

    QEventLoop loop;
    FirstPaintWatch watch(loop);
    window.Area()->View(window.Views().CurrentView)->installEventFilter(&watch);
    if (!window.isVisible()) ShowPlaced(window, settings);  // the start-up has shown it
    std::string path = args.at(2).toStdString();
    if (!window.OpenFile(path)) {
        QString reason = window.Status()->MessageText();
        err << path << ": " << (reason.isEmpty() ? message : reason).toStdString() << "\n";
        return 1;
    }
    QTimer::singleShot(PAINT_TIMEOUT_MS, &loop, &QEventLoop::quit);
    if (!watch.painted) loop.exec();
    if (!watch.painted) {
        err << "The window was not painted within " << PAINT_TIMEOUT_MS / 1000 << " seconds.\n";
        return 1;
    }
    watch.ReportFrame(out);
    return 0;
}

}  // namespace fw
