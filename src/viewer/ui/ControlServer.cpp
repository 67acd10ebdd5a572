#include "viewer/ui/ControlServer.h"

#include <QLocalSocket>
#include <memory>

namespace fw {

ControlServer::ControlServer(QObject* parent) : QObject(parent) {
    // Only this user may drive the viewer.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &ControlServer::Accept);
}

QString ControlServer::Listen(const QString& path) {
    QLocalServer::removeServer(path);
    if (server_.listen(path)) return {};
    return server_.errorString();
}

void ControlServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto lines = std::make_shared<PreviewLineBuffer>();
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, lines] {
            QByteArray bytes = socket->readAll();
            lines->Feed(std::string_view(bytes.constData(), size_t(bytes.size())),
                        [this](std::string_view line) {
                            if (auto command = ParsePreviewCommand(line)) emit commandReceived(*command);
                        });
        });
    }
}

}  // namespace fw
