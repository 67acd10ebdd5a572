// The link over a real local socket: a listening server in the test stands in for the
// viewer; one test drives the real viewer program.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "external/PreviewLink.h"
#include "external/qt/LocalSocketPreviewChannel.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QTest::qWait(10);
    return done();
}

// A viewer stand-in: listens at a path and collects the lines it receives.
struct FakeViewer {
    QLocalServer server;
    Lines lines;
    std::string pending;
    bool Listen(const std::string& path) {
        QObject::connect(&server, &QLocalServer::newConnection, [this] {
            while (QLocalSocket* s = server.nextPendingConnection())
                QObject::connect(s, &QLocalSocket::readyRead, [this, s] {
                    for (char c : s->readAll().toStdString())
                        c == '\n' ? (lines.push_back(pending), pending.clear()) : pending.push_back(c);
                });
        });
        QLocalServer::removeServer(QString::fromStdString(path));
        return server.listen(QString::fromStdString(path));
    }
};

struct NoEditor : PreviewEditor {
    std::string WriteModel(const std::string& path) override {
        std::ofstream(path) << "model";
        return "";
    }
    void ShowStatus(const std::string&, int) override {}
    void ShowError(const std::string&, const std::string&, const std::string&) override {}
};

class PreviewChannelTest : public ::testing::Test {
protected:
    fs::path root = fs::temp_directory_path() /
                    ("fw-channel-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::string socketPath = (root / "tmp" / "sbxctl").string();
    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(root / "tmp");
        fs::create_directories(root / "suite" / "SBX");
    }
    void TearDown() override { fs::remove_all(root); }
};

TEST_F(PreviewChannelTest, LinesSentBeforeTheViewerListensArriveInOrder) {
    LocalSocketPreviewChannel channel(QString::fromStdString(socketPath));
    channel.OpenStartWindow(5000);
    channel.Send("129 1 4 0 0");
    channel.Send("130 1 0 0 0");
    QTest::qWait(250);  // the viewer is still starting
    channel.Send("131 1 1 0 0");
    EXPECT_EQ(channel.Queued(), 3);
    FakeViewer viewer;
    ASSERT_TRUE(viewer.Listen(socketPath));
    ASSERT_TRUE(WaitFor([&] { return viewer.lines.size() == 3; }));
    EXPECT_EQ(viewer.lines, (Lines{"129 1 4 0 0", "130 1 0 0 0", "131 1 1 0 0"}));
    channel.Send("127 0 0 0 0");  // once connected, lines go straight through
    ASSERT_TRUE(WaitFor([&] { return viewer.lines.size() == 4; }));
    EXPECT_EQ(channel.Queued(), 0);
}

// An editor that closes while the viewer it launched is still starting hands over its last
// lines (the quit) on the way out, so the viewer does not outlive it.
TEST_F(PreviewChannelTest, ClosingDeliversTheLastLinesToAViewerStillStarting) {
    FakeViewer viewer;
    {
        LocalSocketPreviewChannel channel(QString::fromStdString(socketPath));
        channel.OpenStartWindow(5000);
        channel.Send("101 0 0 0 0");
        QTest::qWait(20);  // not listening yet: the line waits
        ASSERT_EQ(channel.Queued(), 1);
        ASSERT_TRUE(viewer.Listen(socketPath));
    }  // closed before its next retry
    ASSERT_TRUE(WaitFor([&] { return viewer.lines.size() == 1; }));
    EXPECT_EQ(viewer.lines, Lines{"101 0 0 0 0"});
}

// A viewer that reads slowly fills the socket: the rest follows once it reads, whole and in
// order, and the editor never waits for it.
TEST_F(PreviewChannelTest, AFullSocketResumesInOrderWhenTheViewerReads) {
    FakeViewer viewer;
    ASSERT_TRUE(viewer.Listen(socketPath));
    LocalSocketPreviewChannel channel(QString::fromStdString(socketPath));
    const int count = 40000;  // about a megabyte, more than a socket buffer holds
    for (int i = 0; i < count; ++i) channel.Send("110 1 " + std::to_string(i) + " 0 0");
    EXPECT_GT(channel.Queued(), 0);  // nobody has read yet
    ASSERT_TRUE(WaitFor([&] { return viewer.lines.size() == size_t(count); }, 20000));
    EXPECT_EQ(viewer.lines.front(), "110 1 0 0 0");
    EXPECT_EQ(viewer.lines[12345], "110 1 12345 0 0");
    EXPECT_EQ(viewer.lines.back(), "110 1 39999 0 0");
    EXPECT_EQ(channel.Queued(), 0);
}

// A viewer that has quit must not take the editor with it (a write to a closed socket
// raises SIGPIPE unless told not to).
TEST_F(PreviewChannelTest, AViewerThatHasGoneAwayIsNoDanger) {
    auto viewer = std::make_unique<FakeViewer>();
    ASSERT_TRUE(viewer->Listen(socketPath));
    LocalSocketPreviewChannel channel(QString::fromStdString(socketPath));
    channel.Send("127 0 0 0 0");
    ASSERT_TRUE(WaitFor([&] { return viewer->lines.size() == 1; }));
    viewer.reset();  // closes the server and its connections
    QTest::qWait(20);
    for (int i = 0; i < 100; ++i) channel.Send("119 1 0 0 0");
    EXPECT_EQ(channel.Queued(), 0);  // no launch, no start window: dropped
}

TEST_F(PreviewChannelTest, LinesAreDroppedOnceTheStartWindowHasPassed) {
    LocalSocketPreviewChannel channel(QString::fromStdString(socketPath));
    channel.OpenStartWindow(200);
    channel.Send("119 1 0 0 0");
    ASSERT_TRUE(WaitFor([&] { return channel.Queued() == 0; }, 2000));
    FakeViewer viewer;
    ASSERT_TRUE(viewer.Listen(socketPath));
    QTest::qWait(300);
    EXPECT_TRUE(viewer.lines.empty());
}

TEST_F(PreviewChannelTest, TheRealViewerFollowsTheLinkAndQuitsOn101) {
    fs::copy_file(std::string(FW_BIN_DIR) + "/sbx", root / "suite" / "SBX" / "sbx");
    fs::copy_file(std::string(FW_SOURCE_DIR) + "/examples/robot.pol", root / "tmp" / "temppol4.pol");
    IniPreviewSettings settings((root / "suite").string());
    WritePreviewDefaults(settings);
    LocalSocketPreviewChannel channel(QString::fromStdString(socketPath));
    NoEditor editor;
    PreviewLink link(channel, settings, editor, {(root / "suite").string(), (root / "tmp").string()});
    qputenv("QT_QPA_PLATFORM", "offscreen");  // inherited by the viewer
    link.StartPreviewLink("1");
    int64_t pid = link.TaskId();
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(WaitFor([&] { return channel.Queued() == 0; }));
    ASSERT_TRUE(fs::exists(socketPath));
    link.ClosePreviewLink();
    // The viewer quits: its process entry goes away or is a zombie.
    EXPECT_TRUE(WaitFor([&] {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string id, name, state;
        return !(stat >> id >> name >> state) || state == "Z";
    }));
}

}  // namespace
}  // namespace fw
