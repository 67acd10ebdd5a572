#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include "external/PreviewCommandLine.h"

namespace fw {

// The viewer's end of the preview link: a local socket at a full path, one command line of
// five integers per line. Lines that are not commands are ignored; nothing is answered.
class ControlServer : public QObject {
    Q_OBJECT
public:
    explicit ControlServer(QObject* parent = nullptr);
    // Listens at `path`, replacing a socket left behind by an earlier viewer. Returns "" or
    // the reason it cannot listen.
    QString Listen(const QString& path);
    QString Path() const { return server_.fullServerName(); }

signals:
    void commandReceived(const fw::PreviewCommandLine& command);

private:
    void Accept();

    QLocalServer server_;
};

}  // namespace fw
