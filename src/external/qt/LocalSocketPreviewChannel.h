#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <deque>
#include <memory>

#include "external/PreviewChannel.h"
#include "external/UnixSocketClient.h"

namespace fw {

// The preview channel over a local socket at a full path (<suite temp>/sbxctl). Lines sent
// while the freshly launched viewer does not listen yet are kept in order and delivered once
// it does, for a start window after the launch; past it, lines that cannot be delivered are
// dropped at once. Nothing is ever read back and no call blocks.
class LocalSocketPreviewChannel : public QObject, public PreviewChannel {
    Q_OBJECT
public:
    static constexpr int START_WINDOW_MS = 10000;
    static constexpr int RETRY_MS = 100;

    // How long the editor, when it closes, may spend handing its last lines (the quit) to a
    // viewer it launched moments ago; without them the viewer would outlive the editor.
    static constexpr int CLOSING_DELIVERY_MS = 500;

    explicit LocalSocketPreviewChannel(QString serverPath, QObject* parent = nullptr);
    ~LocalSocketPreviewChannel() override;

    int64_t Launch(const std::string& program, const std::vector<std::string>& arguments,
                   bool takeFocus) override;
    void Send(const std::string& line) override;

    // Lines waiting for the viewer.
    int Queued() const { return static_cast<int>(queue_.size()); }
    // Shorter windows for tests; also opens the window as a launch does.
    void OpenStartWindow(int milliseconds);

private:
    bool InStartWindow() const;
    void TryConnect();
    // Writes queued lines until the queue is empty or the socket is full or gone.
    void Flush();
    void ResumeWhenWritable();
    void Failed();
    void DeliverBeforeClosing();

    std::string path_;
    UnixSocketClient socket_;
    std::unique_ptr<QSocketNotifier> writable_;  // while the socket is full
    QTimer retry_;
    QElapsedTimer sinceLaunch_;
    int windowMs_ = START_WINDOW_MS;
    std::deque<std::string> queue_;
    size_t sentOfFront_ = 0;  // bytes of the front line already written
};

}  // namespace fw
