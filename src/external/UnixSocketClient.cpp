#include "external/UnixSocketClient.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace fw {

bool UnixSocketClient::Connect(const std::string& path) {
    Close();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

long UnixSocketClient::WriteSome(std::string_view bytes) {
    if (fd_ < 0) return -1;
    for (;;) {
        ssize_t written = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written >= 0) return long(written);
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        Close();
        return -1;
    }
}

bool UnixSocketClient::WaitWritable(int milliseconds) const {
    if (fd_ < 0) return false;
    pollfd entry{fd_, POLLOUT, 0};
    return ::poll(&entry, 1, milliseconds) == 1 && (entry.revents & POLLOUT) != 0;
}

void UnixSocketClient::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace fw
