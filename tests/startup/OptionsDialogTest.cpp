// The Options dialog opened from the main window, driven through its controls.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <set>

#include "CraftedSuite.h"
#include "DialogDriver.h"
#include "config/SuiteSettings.h"
#include "config/ui/PrefForm.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ModeListPanel.h"
#include "mainwindow/StatusLine.h"

namespace fw {
namespace {

struct RecordingPreview : PreviewCommands {
    std::vector<std::string> sent;
    void SetPreviewBackground(int i) override { sent.push_back("background " + std::to_string(i)); }
    void SetPreviewTextureSet(int i) override { sent.push_back("textures " + std::to_string(i)); }
    void SendPreviewCommand(int code, int a, int b, int, int) override {
        sent.push_back(std::to_string(code) + " " + std::to_string(a) + " " + std::to_string(b));
    }
};

template <typename T>
T* Find(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        SuiteDirectories dirs;
        dirs.suite = dirs.program = suite.Suite();
        settings = std::make_unique<Settings>(SettingsForSuite(dirs));
        MakeWindow();
    }
    void MakeWindow() {
        window.reset();
        window = std::make_unique<MainWindow>(*settings);
        window->SetPreviewCommands(&preview);
        window->beepHook = [this] { ++beeps; };
    }
    // Opens Options through F2's menu entry and lets `act` work the dialog.
    void WithOptions(std::function<void(PrefForm&)> act) {
        dialogs.Then([act = std::move(act)](QDialog& d) {
            auto* form = qobject_cast<PrefForm*>(&d);
            ASSERT_NE(form, nullptr);
            act(*form);
        });
        window->findChild<QAction*>("MenuViewOptions")->trigger();
        EXPECT_EQ(dialogs.Pending(), 0u);
    }
    static void Ok(PrefForm& f) { Find<QPushButton>(f, "Command1")->click(); }
    static void Cancel(PrefForm& f) { Find<QPushButton>(f, "Command2")->click(); }

    CraftedSuite suite;
    std::unique_ptr<Settings> settings;
    RecordingPreview preview;
    std::unique_ptr<MainWindow> window;
    DialogDriver dialogs;
    int beeps = 0;
};

TEST_F(OptionsDialogTest, F2AndTheToolbarButtonOpenOptions) {
    QAction* menu = window->findChild<QAction*>("MenuViewOptions");
    QAction* button = window->findChild<QAction*>("H0Icon6");
    ASSERT_TRUE(menu && button);
    EXPECT_EQ(menu->shortcut(), QKeySequence("F2"));
    EXPECT_TRUE(button->isEnabled());
    dialogs.Then([](QDialog& d) {
        EXPECT_EQ(Find<QLabel>(d, "MoverateLabel1")->text(), "0.1");  // no MoveRate key: index 6
        d.reject();
    });
    button->trigger();
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].title, "Options");
}

TEST_F(OptionsDialogTest, GridSlidersKeepAWorkingCopyPerViewThatCancelDiscards) {
    window->SelectView(VIEW_XY);
    WithOptions([](PrefForm& f) {
        EXPECT_TRUE(Find<QRadioButton>(f, "OpView0")->isChecked());
        auto* grid = Find<QSlider>(f, "SliderGrid");
        EXPECT_EQ(grid->value(), 6);
        grid->setValue(2);
        EXPECT_EQ(Find<QLabel>(f, "GridSetting")->text(), "Grid: 0.2");
        Find<QRadioButton>(f, "OpView1")->click();
        EXPECT_EQ(grid->value(), 6);
        Find<QSlider>(f, "SliderSnap")->setValue(0);
        EXPECT_EQ(Find<QLabel>(f, "SnapSettings")->text(), "Snap: 0.001");
        Find<QRadioButton>(f, "OpView0")->click();
        EXPECT_EQ(grid->value(), 2);  // the XY change is still there
        Cancel(f);
    });
    EXPECT_EQ(settings->Read(setting::Grid[0]), "");
    EXPECT_EQ(window->Views().Views[VIEW_XY].GridIndex, 6);
}

TEST_F(OptionsDialogTest, WithTheIsoViewCurrentNoViewIsChosenUntilTheUserPicksOne) {
    window->SelectView(VIEW_ISO);
    WithOptions([](PrefForm& f) {
        for (const char* name : {"OpView0", "OpView1", "OpView2"})
            EXPECT_FALSE(Find<QRadioButton>(f, name)->isChecked()) << name;
        EXPECT_FALSE(Find<QSlider>(f, "SliderGrid")->isEnabled());
        Find<QRadioButton>(f, "OpView2")->click();
        EXPECT_TRUE(Find<QSlider>(f, "SliderGrid")->isEnabled());
        Find<QSlider>(f, "SliderGrid")->setValue(9);
        Ok(f);
    });
    EXPECT_EQ(settings->GridIndex(2), 9);
    EXPECT_EQ(window->Views().Views[VIEW_ZY].GridIndex, 9);
}

TEST_F(OptionsDialogTest, OkStoresRedAndIceAndSendsTheViewerCommands) {
    WithOptions([](PrefForm& f) {
        Find<QComboBox>(f, "ISOBKColor")->setCurrentText("Red");
        Find<QComboBox>(f, "ISOTextureSet")->setCurrentText("Ice");
        Find<QCheckBox>(f, "CheckISOColor")->setChecked(true);
        Ok(f);
    });
    EXPECT_EQ(settings->Read(setting::SbxBackground), "4");
    EXPECT_EQ(settings->Read(setting::SbxTextureSet), "3");
    EXPECT_EQ(preview.sent, (std::vector<std::string>{"background 4", "textures 3", "118 1 0",
                                                      "119 1 1", "117 1 0", "111 1 0"}));
}

TEST_F(OptionsDialogTest, OkAppliesEverythingToTheWindowAndCancelNothing) {
    auto change = [](PrefForm& f) {
        Find<QCheckBox>(f, "CheckCrossMark")->setChecked(true);
        Find<QSlider>(f, "MoverateSlider1")->setValue(9);
        Find<QLineEdit>(f, "XText")->setText("2.5");
        Find<QRadioButton>(f, "OptionIsoView1")->click();
        Find<QLineEdit>(f, "DirZPMF")->setText("/models");
    };
    WithOptions([&](PrefForm& f) {
        change(f);
        Cancel(f);
    });
    EXPECT_FALSE(window->Views().CrossMarked);
    EXPECT_DOUBLE_EQ(window->GetEditor().MoveRate, 0.1);
    EXPECT_EQ(window->GetEditor().PasteOffset.X, 0);
    EXPECT_FALSE(suite.Exists("suite/fctwrk32.ini"));
    EXPECT_FALSE(suite.Exists("suite/descent.ini"));

    WithOptions([&](PrefForm& f) {
        change(f);
        Find<QRadioButton>(f, "OptionInterface1")->click();
        Find<QCheckBox>(f, "CheckAutoFocus")->setChecked(true);
        Ok(f);
    });
    EXPECT_TRUE(window->Views().CrossMarked);
    EXPECT_TRUE(window->findChild<QAction*>("ShowCrossedMenu")->isChecked());
    EXPECT_DOUBLE_EQ(window->GetEditor().MoveRate, 1.0);
    EXPECT_EQ(window->ModeList()->findChild<QLabel*>("MoverateLabel1")->text(), "1");
    EXPECT_EQ(window->GetEditor().PasteOffset.X, 2.5);
    EXPECT_EQ(window->GetEditor().IsoMode, 1);
    EXPECT_EQ(window->InterfaceMode(), 1);
    EXPECT_EQ(settings->ModelDirectory(), "/models");
    EXPECT_TRUE(settings->ViewOrient());
    EXPECT_EQ(settings->Read(setting::MoveRate), "9");
    EXPECT_EQ(beeps, 0);
}

TEST_F(OptionsDialogTest, PointMovementActsAtOnceAndCancelDoesNotStoreIt) {
    WithOptions([this](PrefForm& f) {
        Find<QCheckBox>(f, "CheckPointMove")->click();
        EXPECT_TRUE(window->Views().PmoveMode);
        Cancel(f);
    });
    EXPECT_TRUE(window->Views().PmoveMode);
    EXPECT_EQ(settings->Read(setting::PmoveMode), "");
    WithOptions([](PrefForm& f) {
        EXPECT_TRUE(Find<QCheckBox>(f, "CheckPointMove")->isChecked());  // the run's value
        Ok(f);
    });
    EXPECT_EQ(settings->Read(setting::PmoveMode), "1");
}

TEST_F(OptionsDialogTest, StandardUndoKeysMoveTheMirroredPastesAndAreKept) {
    auto keys = [this](const char* name) {
        return window->findChild<QAction*>(name)->shortcut().toString().toStdString();
    };
    EXPECT_EQ(keys("MenuEditUndo"), "Alt+Backspace");
    EXPECT_EQ(keys("MenuEditPasteMirrorZ"), "Ctrl+Z");
    WithOptions([](PrefForm& f) {
        Find<QCheckBox>(f, "CheckStandardUndo")->setChecked(true);
        Find<QCheckBox>(f, "CheckStretchViews")->setChecked(true);
        Ok(f);
    });
    EXPECT_EQ(keys("MenuEditUndo"), "Ctrl+Z");
    EXPECT_EQ(keys("MenuEditRedo"), "Ctrl+Shift+Z");
    EXPECT_EQ(keys("MenuEditPasteMirrorZ"), "Ctrl+Alt+Z");
    EXPECT_TRUE(settings->StretchViews());
    MakeWindow();  // a new window starts with the stored keys
    EXPECT_EQ(keys("MenuEditUndo"), "Ctrl+Z");
    std::set<QString> seen;
    for (QAction* a : window->findChildren<QAction*>())
        for (const QKeySequence& key : a->shortcuts())
            EXPECT_TRUE(seen.insert(key.toString()).second) << key.toString().toStdString();
}

TEST_F(OptionsDialogTest, AFailedSettingsWriteShowsTheSystemsReasonInTheStatusLine) {
    suite.Write("blocked", "");
    window.reset();  // it listens to the settings it was made with
    settings = std::make_unique<Settings>(suite.Path("blocked/suite"));
    MakeWindow();
    window->findChild<QAction*>("ShowCrossedMenu")->trigger();
    EXPECT_NE(window->Status()->MessageText().indexOf("Not a directory"), -1)
        << window->Status()->MessageText().toStdString();
    EXPECT_EQ(window->Status()->MessageKind(), -1);
    EXPECT_EQ(beeps, 1);
}

}  // namespace
}  // namespace fw
