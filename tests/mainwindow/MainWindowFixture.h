#pragma once

// A main window on a private settings directory, with file choosers, questions, message
// boxes and the beep answered (or recorded) by the test.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "FakeFileDialogs.h"
#include "config/Settings.h"
#include "external/ui/ModalHook.h"
#include "mainwindow/MainWindow.h"

namespace fw {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(configDir.isValid());
        settings = std::make_unique<Settings>(configDir.path().toStdString());
        MakeWindow();
    }

    void MakeWindow() {
        window.reset();
        window = std::make_unique<MainWindow>(*settings, &dialogs);
        // The preview's files and control socket stay in the test's own folder.
        window->Preview().SetDirectories(
            {(previewDir.path() + "/suite").toStdString(), previewDir.path().toStdString()});
        window->askHook = [this](const QString& title, const QString& text) {
            questions.push_back((title + ": " + text).toStdString());
            return answer;
        };
        window->messageHook = [this](const QString& title, const QString& text) {
            messages.push_back((title + ": " + text).toStdString());
        };
        window->beepHook = [this] { ++beeps; };
        window->dialogHook = [this](QDialog& dialog) {
            if (onDialog) onDialog(dialog);
        };
    }

    QAction* Action(const char* name) {
        auto* a = window->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    Editor& Ed() { return window->GetEditor(); }
    ModelStore& M() { return Ed().Model(); }

    // A unit square in the XY plane with the given texture, its U, V its corners.
    void MakeSquare(int texture) {
        ModelStore& m = M();
        m.NumPoints = 4;
        m.NumPolygons = 1;
        PolygonRecord& p = m.Polygons[0] = {.Corners = {0, 1, 3, 2}, .CornerCount = 4,
                                            .TextureNumber = int16_t(texture)};
        for (int i = 0; i < 4; ++i) {
            m.Points[i] = {double(i & 1), double(i >> 1), 0};
            p.CornerUVL[i] = {float(p.Corners[i] & 1), float(p.Corners[i] >> 1), 0};
        }
        Ed().Notify(ChangeSet::All());
        Ed().MarkLoaded();
    }

    // Changes the model's content as a command would.
    void Modify() {
        Ed().Run("Move", [&] { M().Points[0].X += 1; });
    }

    // Dialogs the window opens (Options, About) close at once instead of waiting.
    ScopedModalHook closeDialogs{[](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    }};
    QTemporaryDir configDir;
    QTemporaryDir previewDir;
    std::unique_ptr<Settings> settings;
    FakeFileDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    std::vector<std::string> questions;
    std::vector<std::string> messages;  // "title: text" of every message box
    bool answer = true;
    int beeps = 0;
    std::function<void(QDialog&)> onDialog;  // what the test does in a modal dialog
};

}  // namespace fw
