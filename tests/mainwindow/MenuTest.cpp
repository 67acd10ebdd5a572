#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "MainWindowFixture.h"
#include "mainwindow/ModeListPanel.h"
#include "mainwindow/ViewArea.h"
#include "views/ViewKeys.h"
#include "views/ViewWidget.h"

namespace fw {
namespace {

// Entries whose dialogs and tools are not part of this build, or have no command at all
// (the test's settings name no manual).
const std::set<std::string> DISABLED = {
    "MenuFileSaveBSP",         "MenuToolsModelAttributes",
    "MenuWindowCascade",       "MenuWindowTileHorizontal",
    "MenuWindowTileVertical",  "MenuHelpGuideBot",
    "MenuHelpManual",
    "MenuHelpInternetEntry",
};

// The command entries of every menu, submenus included (their own entries excluded).
void CollectEntries(QMenu* menu, std::vector<QAction*>& out) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        if (a->menu() && a->isEnabled())
            CollectEntries(a->menu(), out);
        else
            out.push_back(a);
    }
}

std::vector<QAction*> AllEntries(MainWindow& w) {
    std::vector<QAction*> out;
    for (QAction* top : w.menuBar()->actions()) CollectEntries(top->menu(), out);
    return out;
}

// Menus, the main toolbar and the view buttons name commands by id; every id they name
// is in the window's one command table.
TEST_F(MainWindowTest, EveryMenuEntryAndButtonResolvesToTheCommandTable) {
    std::vector<QAction*> actions = AllEntries(*window);
    for (QAction* a : window->findChild<QToolBar*>("TBMain")->actions())
        if (!a->isSeparator()) actions.push_back(a);
    int resolved = 0;
    for (QAction* a : actions) {
        QString id = a->property("commandId").toString();
        if (!a->isEnabled() && id.isEmpty()) continue;  // not part of this build
        std::string name = a->objectName().toStdString();
        if (name == "ShowCrossedMenu") continue;  // a display option, not a command
        ASSERT_FALSE(id.isEmpty()) << name;
        EXPECT_NE(window->Commands().Find(id.toStdString()), nullptr) << name;
        ++resolved;
    }
    for (QToolButton* b : window->findChildren<QToolButton*>(QRegularExpression("^HIcon"))) {
        EXPECT_NE(window->Commands().Find(b->property("commandId").toString().toStdString()),
                  nullptr);
        ++resolved;
    }
    EXPECT_GT(resolved, 60);
}

// The buttons of the mode strips name their commands the same way.
TEST_F(MainWindowTest, EveryStripButtonNamesACommandOfTheTable) {
    int named = 0;
    for (int mode = 0; mode < 5; ++mode) window->ModeList()->SetMode(mode);  // builds them all
    for (QToolButton* b : window->findChild<QWidget*>("ModeStrips")->findChildren<QToolButton*>()) {
        QString id = b->property("commandId").toString();
        if (id.isEmpty()) continue;
        EXPECT_NE(window->Commands().Find(id.toStdString()), nullptr) << b->objectName().toStdString();
        ++named;
    }
    EXPECT_GE(named, 40);
}

// The keys of the views name editing commands by id too.
TEST_F(MainWindowTest, EveryViewKeyResolvesToTheCommandTable) {
    for (int key : {int(Qt::Key_Space), int(Qt::Key_V), int(Qt::Key_N), int(Qt::Key_Insert),
                    int(Qt::Key_Delete)})
        for (int shift = 0; shift < 4; ++shift) {
            if (const char* id = EditKeyCommand({key, shift, false})) {
                EXPECT_NE(EditingCommands().Find(id), nullptr) << id;
            }
        }
}

// One action shows one name wherever it is started from.
TEST_F(MainWindowTest, AnActionHasOneUndoNameFromMenuKeyAndButton) {
    Action("MenuEditPointInsert")->trigger();
    std::string fromMenu = Ed().History().UndoName();
    QTest::keyClick(window->Area()->findChild<ViewWidget*>(), Qt::Key_Insert);
    std::string fromKey = Ed().History().UndoName();
    window->findChild<QToolButton*>("HOOIcon1")->click();
    std::string fromButton = Ed().History().UndoName();
    EXPECT_EQ(fromMenu, "Insert Point");
    EXPECT_EQ(fromKey, fromMenu);
    EXPECT_EQ(fromButton, fromMenu);
    EXPECT_EQ(Ed().History().UndoCount(), 3u);
}

TEST_F(MainWindowTest, NoTwoEntriesShareAShortcut) {
    std::set<QString> seen;
    for (QAction* a : window->findChildren<QAction*>()) {
        for (const QKeySequence& key : a->shortcuts()) {
            EXPECT_TRUE(seen.insert(key.toString()).second) << key.toString().toStdString();
        }
    }
}

TEST_F(MainWindowTest, EveryEntryWorksOrIsDisabled) {
    answer = false;  // never lose the model to New/Open/Exit questions
    for (QAction* a : AllEntries(*window)) {
        std::string name = a->objectName().toStdString();
        EXPECT_FALSE(name.empty()) << a->text().toStdString();
        if (name == "MenuEditUndo" || name == "MenuEditRedo") continue;  // enabled by history
        EXPECT_EQ(!a->isEnabled(), DISABLED.count(name) == 1) << name;
    }
    // Run every enabled entry on a small model: none may crash or leave the window stale.
    window->show();
    ModelStore& m = M();
    m.NumPoints = 4;  // the corners of a unit square
    for (int i = 1; i < 4; ++i) m.Points[i] = {double(i & 1), double(i >> 1), 0};
    m.NumPolygons = 1;
    m.Polygons[0].CornerCount = 4;
    m.Polygons[0].Corners = {0, 1, 3, 2};
    m.Polygons[0].TextureNumber = -1;
    m.PointMarked = {1, 1, 1, 1};
    CountMarkedPoints(m);
    Modify();
    for (QAction* a : AllEntries(*window)) {
        if (!a->isEnabled()) continue;
        a->trigger();
        EXPECT_LE(M().NumPoints, MAX_POINTS) << a->objectName().toStdString();
    }
    EXPECT_TRUE(window->isVisible());  // Exit asked and was refused
    EXPECT_FALSE(questions.empty());
}

TEST_F(MainWindowTest, UndoAndRedoNameTheCommand) {
    QAction* undo = Action("MenuEditUndo");
    QAction* redo = Action("MenuEditRedo");
    EXPECT_FALSE(undo->isEnabled());
    // The captions follow once the command has finished.
    Action("MenuEditPointInsert")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo Insert Point");
    undo->trigger();
    QApplication::processEvents();
    EXPECT_EQ(M().NumPoints, 1);
    EXPECT_EQ(redo->text(), "&Redo Insert Point");
}

TEST_F(MainWindowTest, PutPointsEntriesFollowSubmodelCount) {
    QAction* current = Action("MenuModelPutPointsCurrent");
    QAction* added = Action("MenuModelPutPointsNew");
    M().NumSubmodels = 8;
    M().CurrentSubmodel = 3;
    Ed().Notify(ChangeSet::All());
    EXPECT_EQ(current->text(), "In current submodel (3)");
    EXPECT_EQ(added->text(), "In a new submodel (8)");
    M().NumSubmodels = 9;
    Ed().Notify(ChangeSet::All());
    EXPECT_EQ(added->text(), "In a new submodel");
    EXPECT_FALSE(added->isEnabled());
}

}  // namespace
}  // namespace fw
