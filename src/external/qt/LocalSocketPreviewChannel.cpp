#include "external/qt/LocalSocketPreviewChannel.h"

#include <QProcess>
#include <QStringList>

namespace fw {

LocalSocketPreviewChannel::LocalSocketPreviewChannel(QString serverPath, QObject* parent)
    : QObject(parent), path_(std::move(serverPath)) {
    retry_.setSingleShot(true);
    retry_.setInterval(RETRY_MS);
    connect(&retry_, &QTimer::timeout, this, [this] { TryConnect(); });
    connect(&socket_, &QLocalSocket::connected, this, [this] { Flush(); });
    connect(&socket_, &QLocalSocket::errorOccurred, this, [this] { Failed(); });
}

LocalSocketPreviewChannel::~LocalSocketPreviewChannel() {
    if (queue_.empty() && socket_.bytesToWrite() == 0) return;
    QElapsedTimer spent;
    spent.start();
    if (socket_.state() != QLocalSocket::ConnectedState && InStartWindow()) {
        socket_.abort();
        socket_.connectToServer(path_, QIODevice::WriteOnly);
        socket_.waitForConnected(CLOSING_DELIVERY_MS);
    }
    if (socket_.state() != QLocalSocket::ConnectedState) return;
    Flush();
    int left = CLOSING_DELIVERY_MS - int(spent.elapsed());
    if (left > 0) socket_.waitForBytesWritten(left);
}

int64_t LocalSocketPreviewChannel::Launch(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          bool takeFocus) {
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    qint64 pid = 0;
    // Focus is the viewer's own business: the launch line tells it to show without
    // activating; a plain file argument (the Preview command) gets a normal window.
    (void)takeFocus;
    if (!QProcess::startDetached(QString::fromStdString(program), args, QString(), &pid)) return 0;
    OpenStartWindow(windowMs_);
    return pid;
}

void LocalSocketPreviewChannel::OpenStartWindow(int milliseconds) {
    windowMs_ = milliseconds;
    sinceLaunch_.start();
}

bool LocalSocketPreviewChannel::InStartWindow() const {
    return sinceLaunch_.isValid() && sinceLaunch_.elapsed() < windowMs_;
}

void LocalSocketPreviewChannel::Send(const std::string& line) {
    queue_.push_back(QByteArray::fromStdString(line + "\n"));
    if (socket_.state() == QLocalSocket::ConnectedState)
        Flush();
    else if (socket_.state() == QLocalSocket::UnconnectedState && !retry_.isActive())
        TryConnect();
}

void LocalSocketPreviewChannel::TryConnect() {
    if (queue_.empty() || socket_.state() != QLocalSocket::UnconnectedState) return;
    socket_.connectToServer(path_, QIODevice::WriteOnly);
}

void LocalSocketPreviewChannel::Flush() {
    while (!queue_.empty() && socket_.state() == QLocalSocket::ConnectedState) {
        socket_.write(queue_.front());
        queue_.pop_front();
    }
    socket_.flush();
}

// The viewer is not (or no longer) listening: wait for it while it may still be starting.
void LocalSocketPreviewChannel::Failed() {
    if (socket_.state() != QLocalSocket::UnconnectedState) socket_.abort();
    if (InStartWindow())
        retry_.start();
    else
        queue_.clear();
}

}  // namespace fw
