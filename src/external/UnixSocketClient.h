#pragma once

#include <string>
#include <string_view>

namespace fw {

// The sending end of a local (Unix domain) stream socket at a path, non-blocking. The
// preview link reaches the viewer this way without the weight of a network library. A
// peer that has gone away shows as a failed write, never as SIGPIPE.
class UnixSocketClient {
public:
    UnixSocketClient() = default;
    UnixSocketClient(const UnixSocketClient&) = delete;
    UnixSocketClient& operator=(const UnixSocketClient&) = delete;
    ~UnixSocketClient() { Close(); }

    // Connects at once or not at all: nobody listening, a full backlog and a path too long
    // for a socket address all leave it closed.
    bool Connect(const std::string& path);
    bool Connected() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }

    // Writes what the socket takes now: the number of bytes, 0 when it is full, -1 when
    // the peer is gone (the socket is then closed).
    long WriteSome(std::string_view bytes);
    // Waits at most `milliseconds` until a write can go on; false on timeout or failure.
    bool WaitWritable(int milliseconds) const;
    void Close();

private:
    int fd_ = -1;
};

}  // namespace fw
