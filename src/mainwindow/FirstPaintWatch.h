#pragma once

#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <ostream>

namespace fw {

// Ends an event loop once the widget it watches has been painted: the smoke run and the
// start-up benchmark's bare window both stop at their first frame this way, and report when
// it was done on the monotonic clock, which the benchmark reads as well. Header only, so the
// bare window needs nothing else of the editor.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QEventLoop& loop) : loop_(loop) {}
    bool painted = false;
    // When the whole window had been painted (set once the loop has been told to end).
    int64_t paintedAtNs = 0;

    // The line the start-up benchmark looks for.
    void ReportFrame(std::ostream& out) const { out << "first frame at " << paintedAtNs << " ns\n"; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            // Queued: the paint itself, and the rest of the window's, happen first.
            QTimer::singleShot(0, &loop_, [this] {
                paintedAtNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::steady_clock::now().time_since_epoch())
                                  .count();
                loop_.quit();
            });
        }
        return false;
    }

private:
    QEventLoop& loop_;
};

}  // namespace fw
