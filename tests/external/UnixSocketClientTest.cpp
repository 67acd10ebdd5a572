// The preview link's socket end against a plain listening socket in the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "external/UnixSocketClient.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

// A listening socket at a path, standing in for the viewer.
struct Listener {
    int fd = -1;
    explicit Listener(const std::string& path) {
        fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof(address.sun_path) - 1);
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            ::listen(fd, 4) != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    ~Listener() {
        if (fd >= 0) ::close(fd);
    }
};

class UnixSocketClientTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("fw-socket-" + std::to_string(::getpid()));
    std::string path = (dir / "sbxctl").string();
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(UnixSocketClientTest, ConnectsOnlyWhereSomeoneListens) {
    UnixSocketClient client;
    EXPECT_FALSE(client.Connect(path));  // nothing there yet
    EXPECT_FALSE(client.Connect(""));
    EXPECT_FALSE(client.Connect(std::string(200, 'x')));  // longer than a socket address holds
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(client.WriteSome("127 0 0 0 0\n"), -1);

    Listener viewer(path);
    ASSERT_GE(viewer.fd, 0);
    ASSERT_TRUE(client.Connect(path));
    EXPECT_EQ(client.WriteSome("127 0 0 0 0\n"), 12);  // delivery: the channel's tests
}

// A full socket takes nothing more and says so; a peer that has gone away is a failed write
// (not SIGPIPE, which would end the editor) and closes the client.
TEST_F(UnixSocketClientTest, AFullSocketWaitsAndAGonePeerFails) {
    Listener viewer(path);
    ASSERT_GE(viewer.fd, 0);
    UnixSocketClient client;
    ASSERT_TRUE(client.Connect(path));
    const std::string chunk(4096, 'x');
    long total = 0, written = 0;
    while ((written = client.WriteSome(chunk)) > 0) total += written;
    EXPECT_EQ(written, 0);
    EXPECT_GT(total, 0);
    EXPECT_FALSE(client.WaitWritable(10));

    int accepted = ::accept(viewer.fd, nullptr, nullptr);
    ASSERT_GE(accepted, 0);
    ::close(accepted);
    EXPECT_EQ(client.WriteSome(chunk), -1);
    EXPECT_FALSE(client.Connected());
}

}  // namespace
}  // namespace fw
