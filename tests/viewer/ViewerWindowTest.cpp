// The viewer program's Qt side: the control socket, the window and the offscreen render.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLocalSocket>
#include <QTest>
#include <cstdio>

#include "viewer/ViewerTestUtil.h"
#include "viewer/ui/ControlServer.h"
#include "viewer/ui/ViewerWidget.h"

namespace fw::test {
namespace {

bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QTest::qWait(10);
    return done();
}

// The socket is listened on over a file left behind at its path.
TEST(ControlServer, ReplacesAStaleFileAndDeliversWellFormedLines) {
    TempDir dir;
    WriteBytes(dir / "sbxctl", {1, 2, 3});
    ControlServer server;
    QString path = QString::fromStdString((dir / "sbxctl").string());
    ASSERT_EQ(server.Listen(path), "");
    std::vector<PreviewCommandLine> got;
    QObject::connect(&server, &ControlServer::commandReceived,
                     [&](const PreviewCommandLine& c) { got.push_back(c); });
    QLocalSocket socket;
    socket.connectToServer(path);
    ASSERT_TRUE(socket.waitForConnected(2000));
    socket.write("129 1 4 0 0\nhello\n130 1 0 0");  // the last line arrives in two parts
    socket.flush();
    QTest::qWait(50);
    socket.write(" 0\r\n" + QByteArray(5000, '7') + "\n127 0 0 0 0\n");
    socket.flush();
    ASSERT_TRUE(WaitFor([&] { return got.size() >= 3; }));
    EXPECT_EQ(got, (std::vector<PreviewCommandLine>{{129, 1, 4, 0, 0}, {130, 1, 0, 0, 0}, {127, 0, 0, 0, 0}}));
}

TEST(ViewerWidget, QuitIsSignalledAndABadFileShowsItsReason) {
    TempDir dir;
    ViewerSession session;
    session.SetFile((dir / "missing.pol").string());
    session.Reload();
    PlaceholderTextures textures;
    ViewerWidget widget(session, textures);
    widget.resize(800, 300);
    widget.show();
    QImage shot = widget.grab().toImage();
    EXPECT_NE(shot.pixel(6, 6), shot.pixel(790, 290));  // the message box over the background
    bool quit = false;
    QObject::connect(&widget, &ViewerWidget::quitRequested, [&] { quit = true; });
    widget.ApplyCommand({preview::BACKGROUND_GREEN, 1, 2, 0, 0});
    EXPECT_EQ(widget.Frame().At(60, 80), GREEN);
    widget.ApplyCommand({preview::QUIT, 0, 0, 0, 0});
    EXPECT_TRUE(quit);
}

TEST(ViewerWidget, DragTurnsWheelZoomsAndRResets) {
    ViewerSession session;
    PlaceholderTextures textures;
    ViewerWidget widget(session, textures);
    widget.resize(200, 150);
    widget.show();
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(&widget, QPoint(90, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 70), QPointF(90, 70), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
    EXPECT_NE(session.Angles(), ViewAngles{});
    QTest::keyClick(&widget, Qt::Key_R);
    EXPECT_EQ(session.Angles(), ViewAngles{});
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
    EXPECT_NEAR(session.Angles().Zoom, 1.21f, 1e-5);
}

std::string RunTool(const std::string& args, int& exitCode) {
    std::string command = std::string(FW_BIN_DIR) + "/sbx " + args + " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe)) output += buffer;
    int status = pipe ? pclose(pipe) : -1;
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

TEST(ViewerProgram, RendersAPngAndFailsCleanly) {
    TempDir dir;
    std::string robot = std::string(FW_SOURCE_DIR) + "/examples/robot.pol";
    std::string png = (dir / "robot.png").string();
    int code = -1;
    RunTool("--render " + robot + " --yaw 30 --pitch 20 --size 64x48 --out " + png, code);
    ASSERT_EQ(code, 0);
    QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(64, 48));

    // A bad model or an unwritable target: exit 1, a reason, and the old picture stays.
    WriteBytes(dir / "bad.pol", {'Z', 'P', 'M', 'F', 1, 0, 0, 0});
    std::string text = RunTool("--render " + (dir / "bad.pol").string() + " --out " + png, code);
    EXPECT_EQ(code, 1);
    EXPECT_NE(text.find("General read error."), std::string::npos);
    text = RunTool("--render " + robot + " --out " + (dir / "no" / "x.png").string(), code);
    EXPECT_EQ(code, 1);
    EXPECT_NE(text.find("Could not write"), std::string::npos);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(64, 48));
    EXPECT_EQ(dir.Files(), std::vector<std::string>({"bad.pol", "robot.png"}));
}

}  // namespace
}  // namespace fw::test
