#pragma once

// A main window on a private settings directory, with file choosers, questions, message
// boxes and the beep answered by the test.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <functional>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "config/Settings.h"
#include "external/ui/ModalHook.h"
#include "mainwindow/MainWindow.h"

namespace fw {

struct FakeDialogs : FileDialogs {
    std::string openAnswer, saveAnswer;
    int openCalls = 0, saveCalls = 0;
    std::string ChooseOpenPath(const std::string&) override {
        ++openCalls;
        return openAnswer;
    }
    std::string ChooseSavePath(const std::string&) override {
        ++saveCalls;
        return saveAnswer;
    }
    // Import and Export: the answer, and the start folder and filter the chooser was given.
    std::string importAnswer, exportAnswer, lastStart, lastFilter;
    std::string ChooseImportPath(const std::string& start, const std::string& filter) override {
        lastStart = start, lastFilter = filter;
        return importAnswer;
    }
    std::string ChooseExportPath(const std::string& start, const std::string& filter) override {
        lastStart = start, lastFilter = filter;
        return exportAnswer;
    }
};

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
        window->messageHook = [](const QString&, const QString&) {};
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
    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    std::vector<std::string> questions;
    bool answer = true;
    int beeps = 0;
    std::function<void(QDialog&)> onDialog;  // what the test does in a modal dialog
};

}  // namespace fw
