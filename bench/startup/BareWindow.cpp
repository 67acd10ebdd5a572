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

namespace {

class PaintWatch : public QObject {
public:
    explicit PaintWatch(QEventLoop& loop) : loop_(loop) {}
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, &loop_, &QEventLoop::quit);
        }
        return false;
    }

private:
    QEventLoop& loop_;
};

}  // namespace

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
    PaintWatch watch(loop);
    central->installEventFilter(&watch);
    window.show();
    if (!QApplication::arguments().contains("--smoke")) return app.exec();
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return watch.painted ? 0 : 1;
}
