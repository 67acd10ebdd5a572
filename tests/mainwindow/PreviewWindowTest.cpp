// The preview link inside the main window: a listening server at the link's control path
// stands in for the viewer.

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "mainwindow/MainWindowFixture.h"

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

struct FakeViewer {
    QLocalServer server;
    Lines lines;
    std::string pending;
    bool Listen(const std::string& path) {
        QObject::connect(&server, &QLocalServer::newConnection, [this] {
            while (QLocalSocket* s = server.nextPendingConnection())
                QObject::connect(s, &QLocalSocket::readyRead, [this, s] {
                    for (char c : s->readAll().toStdString())
                        c == '\n' ? (lines.push_back(pending), pending.clear())
                                  : pending.push_back(c);
                });
        });
        QLocalServer::removeServer(QString::fromStdString(path));
        return server.listen(QString::fromStdString(path));
    }
    int Count(const std::string& line) const {
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }
    // Everything sent before now has arrived: a marker sent last came through.
    bool Settle(PreviewLink& link) {
        size_t before = Count("106 0 0 0 0");
        link.SendPreviewCommand(106, 0, 0, 0, 0);
        return WaitFor([&] { return size_t(Count("106 0 0 0 0")) > before; });
    }
};

class PreviewWindowTest : public MainWindowTest {
protected:
    PreviewLink& Link() { return window->Preview().Link(); }
    // Starts the link with the fake viewer listening and everything it sent at start-up
    // received: the stored settings, then the model, written once.
    void StartWithViewer() {
        ASSERT_TRUE(viewer.Listen(Link().ControlPath()));
        window->StartPreview();
        ASSERT_TRUE(Link().Active());
        ASSERT_TRUE(viewer.Settle(Link()));
        ASSERT_GE(viewer.lines.size(), 10u);
        EXPECT_EQ(viewer.lines[8], "127 0 0 0 0");  // after the settings and four toggles
        EXPECT_TRUE(fs::exists(Link().LiveFilePath()));
        EXPECT_EQ(window->Preview().Writes(), 1);
        viewer.lines.clear();
    }

    FakeViewer viewer;
};

// Iso mode 2 follows every finished command with one write and one reload; iso mode 1
// leaves the viewer alone until asked.
TEST_F(PreviewWindowTest, ReloadsOncePerFinishedCommandOnlyInIsoMode2) {
    StartWithViewer();
    Ed().IsoMode = 2;
    Modify();
    Modify();
    // A command that only marks refreshes the lists, not the content: nothing to reload.
    Ed().Run("Mark", [&] { M().PointMarked[0] = 1; });
    Ed().IsoMode = 1;
    Modify();
    ASSERT_TRUE(viewer.Settle(Link()));
    EXPECT_EQ(viewer.Count("127 0 0 0 0"), 2);
    EXPECT_EQ(window->Preview().Writes(), 3);

    // The manual update of the iso menu still works in mode 1.
    Action("MenuISOUpdate")->trigger();
    ASSERT_TRUE(viewer.Settle(Link()));
    EXPECT_EQ(viewer.Count("127 0 0 0 0"), 3);
}

// The window's message boxes hold the viewer's reloads while they are open and bring the
// preview up to date after.
TEST_F(PreviewWindowTest, MessageBoxesAreBracketedForTheViewer) {
    StartWithViewer();
    window->ShowMessage("Submodel Checker", "WARNING!");
    window->AskYesNo("Question", "Sure?");
    ASSERT_TRUE(viewer.Settle(Link()));
    EXPECT_EQ(viewer.lines, (Lines{"500 0 0 0 0", "127 0 0 0 0", "500 0 1 0 0", "500 0 0 0 0",
                                   "127 0 0 0 0", "500 0 1 0 0", "106 0 0 0 0"}));
}

TEST_F(PreviewWindowTest, ClosingTheWindowQuitsTheViewerAndRemovesThePreviewCopy) {
    StartWithViewer();
    std::ofstream(Link().PreviewFilePath()) << "copy";
    window->show();
    ASSERT_TRUE(window->close());
    EXPECT_FALSE(Link().Active());
    EXPECT_FALSE(fs::exists(Link().PreviewFilePath()));
    EXPECT_TRUE(fs::exists(Link().LiveFilePath()));  // the viewer may still hold it
    ASSERT_TRUE(WaitFor([&] { return viewer.Count("101 0 0 0 0") == 1; }));
}

// A program that ends without closing its window (an error at start-up, a smoke run) still
// tells its viewer to quit, and only once.
TEST_F(PreviewWindowTest, DestroyingTheWindowWithoutClosingItQuitsTheViewer) {
    StartWithViewer();
    window.reset();
    ASSERT_TRUE(WaitFor([&] { return viewer.Count("101 0 0 0 0") == 1; }));
    QTest::qWait(50);
    EXPECT_EQ(viewer.Count("101 0 0 0 0"), 1);
}

TEST_F(PreviewWindowTest, IsoMenuMarksFollowTheStoredSettings) {
    ASSERT_EQ(settings->Write(setting::SbxBackground, "5"), "");
    ASSERT_EQ(settings->Write(setting::SbxColor, "0"), "");
    ASSERT_EQ(settings->Write(setting::SbxCullFace, "1"), "");
    QMenu* menu = window->IsoMenu();
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    EXPECT_TRUE(Action("MenuISOBKColor5")->isChecked());
    EXPECT_FALSE(Action("MenuISOColor")->isChecked());
    EXPECT_TRUE(Action("MenuISOCullFace")->isChecked());

    // Toggling stores the new value and moves the mark, with or without a viewer.
    Action("MenuISOColor")->trigger();
    EXPECT_EQ(settings->Read(setting::SbxColor), "1");
    EXPECT_TRUE(Action("MenuISOColor")->isChecked());
    Action("MenuISOBKColor2")->trigger();
    EXPECT_EQ(settings->Read(setting::SbxBackground), "2");
    EXPECT_FALSE(Action("MenuISOBKColor5")->isChecked());

    // A change made elsewhere (the Options dialog) shows the next time the menu opens.
    ASSERT_EQ(settings->Write(setting::SbxTextureSet, "4"), "");
    emit menu->aboutToShow();
    EXPECT_TRUE(Action("MenuISOTextureSet4")->isChecked());
}

TEST_F(PreviewWindowTest, IsoMenuAndToolbarSendTheirCodes) {
    StartWithViewer();
    ASSERT_EQ(settings->Write(setting::SbxColor, "1"), "");
    Action("MenuISOColor")->trigger();
    Action("MenuISOTextureSet1")->trigger();
    for (QAction* a : window->findChild<QToolBar*>("HIsoIcon")->actions())
        if (a->property("commandId").toString().startsWith("PreviewTurn") ||
            a->property("commandId").toString().startsWith("PreviewSpin"))
            a->trigger();
    ASSERT_TRUE(viewer.Settle(Link()));
    EXPECT_EQ(viewer.lines,
              (Lines{"119 1 0 0 0", "121 0 0 0 0", "113 0 0 0 0", "114 0 0 0 0", "115 0 0 0 0",
                     "116 0 0 0 0", "502 0 1 1 0", "502 0 1 0 0", "106 0 0 0 0"}));
}

TEST_F(PreviewWindowTest, PreviewCommandWithoutTheToolShowsTheAddOnError) {
    Action("MenuFilePreview")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Add-on tool error: ", 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find("ADD0000"), std::string::npos);
}

TEST_F(PreviewWindowTest, PreviewCommandStartsTheConfiguredToolOnTheCopy) {
    std::string tool = (previewDir.path() + "/shadebox.sh").toStdString();
    std::string out = (previewDir.path() + "/args.txt").toStdString();
    std::ofstream(tool) << "#!/bin/sh\necho \"$1\" > '" << out << "'\n";
    fs::permissions(tool, fs::perms::owner_all);
    ASSERT_EQ(settings->Write(setting::Shadebox, tool), "");
    window->findChild<QToolBar*>("HIsoIcon")->actions()[1]->trigger();  // the SBX button
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(WaitFor([&] { return fs::exists(out) && fs::file_size(out) > 0; }));
    std::ifstream in(out);
    std::string arg;
    std::getline(in, arg);
    EXPECT_EQ(arg, Link().PreviewFilePath());
}

}  // namespace
}  // namespace fw
