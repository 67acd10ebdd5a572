#pragma once

#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace fw {

// Ends an event loop once the widget it watches has been painted: the smoke run and the
// start-up benchmark's bare window both stop at their first frame this way. Header only,
// so the bare window needs nothing else of the editor.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QEventLoop& loop) : loop_(loop) {}
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            // Queued: the paint itself, and the rest of the window's, happen first.
            QTimer::singleShot(0, &loop_, &QEventLoop::quit);
        }
        return false;
    }

private:
    QEventLoop& loop_;
};

}  // namespace fw
