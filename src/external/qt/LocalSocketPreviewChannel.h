#pragma once

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QObject>
#include <QTimer>
#include <deque>

#include "external/PreviewChannel.h"

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
    void Flush();
    void Failed();

    QString path_;
    QLocalSocket socket_;
    QTimer retry_;
    QElapsedTimer sinceLaunch_;
    int windowMs_ = START_WINDOW_MS;
    std::deque<QByteArray> queue_;
};

}  // namespace fw
