#include "external/qt/LocalSocketPreviewChannel.h"

#include <QProcess>
#include <QStringList>
#include <QThread>

namespace fw {

LocalSocketPreviewChannel::LocalSocketPreviewChannel(QString serverPath, QObject* parent)
    : QObject(parent), path_(serverPath.toStdString()) {
    retry_.setSingleShot(true);
    retry_.setInterval(RETRY_MS);
    connect(&retry_, &QTimer::timeout, this, [this] { TryConnect(); });
}

LocalSocketPreviewChannel::~LocalSocketPreviewChannel() {
    writable_.reset();
    if (!queue_.empty()) DeliverBeforeClosing();
}

// Blocking, within CLOSING_DELIVERY_MS: waits for a viewer that is still starting to listen,
// then for the socket to take the last lines.
void LocalSocketPreviewChannel::DeliverBeforeClosing() {
    QElapsedTimer spent;
    spent.start();
    auto left = [&] { return CLOSING_DELIVERY_MS - int(spent.elapsed()); };
    while (!socket_.Connected() && InStartWindow() && left() > 0)
        if (!socket_.Connect(path_)) QThread::msleep(10);
    while (socket_.Connected() && !queue_.empty() && left() > 0) {
        Flush();
        if (!queue_.empty()) socket_.WaitWritable(left());
    }
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
    queue_.push_back(line + "\n");
    if (socket_.Connected()) {
        if (!writable_) Flush();  // else the notifier carries on
    } else if (!retry_.isActive()) {
        TryConnect();
    }
}

void LocalSocketPreviewChannel::TryConnect() {
    if (queue_.empty() || socket_.Connected()) return;
    if (socket_.Connect(path_))
        Flush();
    else
        Failed();
}

void LocalSocketPreviewChannel::Flush() {
    while (!queue_.empty()) {
        std::string_view rest = std::string_view(queue_.front()).substr(sentOfFront_);
        long written = socket_.WriteSome(rest);
        if (written < 0) return Failed();
        if (written == 0) return ResumeWhenWritable();
        sentOfFront_ += size_t(written);
        if (sentOfFront_ == queue_.front().size()) {
            queue_.pop_front();
            sentOfFront_ = 0;
        }
    }
}

// The socket is full: go on once the viewer has read some.
void LocalSocketPreviewChannel::ResumeWhenWritable() {
    writable_ = std::make_unique<QSocketNotifier>(socket_.Descriptor(), QSocketNotifier::Write);
    connect(writable_.get(), &QSocketNotifier::activated, this, [this] {
        writable_->setEnabled(false);
        writable_.release()->deleteLater();
        Flush();
    });
}

// The viewer is not (or no longer) listening: wait for it while it may still be starting.
void LocalSocketPreviewChannel::Failed() {
    writable_.reset();
    socket_.Close();
    sentOfFront_ = 0;  // a new connection gets whole lines
    if (InStartWindow())
        retry_.start();
    else
        queue_.clear();
}

}  // namespace fw
