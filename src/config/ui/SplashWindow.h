#pragma once

#include <QWidget>

namespace fw {

// The start-up splash: the program's name and the version text, drawn here rather than
// loaded, so it needs no file. It paints straight into its window (no picture of its own to
// fill first) while start-up works, and never waits.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int WIDTH = 420, HEIGHT = 220;

    explicit SplashWindow(const QString& versionText);
    QString VersionText() const { return versionText_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override { hide(); }  // a click puts it away

private:
    QString versionText_;
};

}  // namespace fw
