#pragma once

#include <QSplashScreen>

namespace fw {

// The start-up splash: the program's name and the version text, drawn here rather than
// loaded, so it needs no file. It shows while start-up works and never waits.
class SplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    explicit SplashWindow(const QString& versionText);
    QString VersionText() const { return versionText_; }

private:
    QString versionText_;
};

}  // namespace fw
