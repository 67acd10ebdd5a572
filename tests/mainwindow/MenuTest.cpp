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
    "MenuFileSaveBSP",        "MenuToolsModelAttributes", "MenuWindowCascade",
    "MenuWindowTileHorizontal", "MenuWindowTileVertical", "MenuHelpGuideBot",
    "MenuHelpManual",         "MenuHelpInternetEntry"};

// The command entries of every menu, submenus included (their own entries excluded).
void CollectEntries(QMenu* menu, std::vector<QAction*>& out) {
    for (QAction* a : menu->actions())
        if (a->menu() && a->isEnabled())
            CollectEntries(a->menu(), out);
        else if (!a->isSeparator())
            out.push_back(a);
}

std::vector<QAction*> AllEntries(MainWindow& w) {
    std::vector<QAction*> out;
    for (QAction* top : w.menuBar()->actions()) CollectEntries(top->menu(), out);
    return out;
}

// Menus, toolbars, view buttons, mode strips and view keys name commands by id; every id
// they name is in the window's one command table (the keys: in the editing commands').
TEST_F(MainWindowTest, EveryCommandIdNamedByTheInterfaceResolves) {
    auto resolves = [&](const QString& id) {
        return window->Commands().Find(id.toStdString()) != nullptr;
    };
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
        EXPECT_TRUE(resolves(id)) << name;
        ++resolved;
    }
    for (QToolButton* b : window->findChildren<QToolButton*>(QRegularExpression("^HIcon"))) {
        EXPECT_TRUE(resolves(b->property("commandId").toString())) << b->objectName().toStdString();
        ++resolved;
    }
    EXPECT_GT(resolved, 60);

    int named = 0;
    for (int mode = 0; mode < 5; ++mode) window->ModeList()->SetMode(mode);  // builds them all
    for (QToolButton* b : window->findChild<QWidget*>("ModeStrips")->findChildren<QToolButton*>())
        if (QString id = b->property("commandId").toString(); !id.isEmpty()) {
            EXPECT_TRUE(resolves(id)) << b->objectName().toStdString();
            ++named;
        }
    EXPECT_GE(named, 40);

    for (int key : {int(Qt::Key_Space), int(Qt::Key_V), int(Qt::Key_N), int(Qt::Key_Insert),
                    int(Qt::Key_Delete)})
        for (int shift = 0; shift < 4; ++shift)
            if (const char* id = EditKeyCommand({key, shift, false}))
                EXPECT_NE(EditingCommands().Find(id), nullptr) << id;
}

// One action shows one name wherever it is started from, and the Undo and Redo entries
// take it up once the command has finished.
TEST_F(MainWindowTest, AnActionHasOneUndoNameFromMenuKeyAndButton) {
    QAction* undo = Action("MenuEditUndo");
    EXPECT_FALSE(undo->isEnabled());
    std::vector<std::string> names;
    Action("MenuEditPointInsert")->trigger();
    names.push_back(Ed().History().UndoName());
    QTest::keyClick(window->Area()->findChild<ViewWidget*>(), Qt::Key_Insert);
    names.push_back(Ed().History().UndoName());
    window->findChild<QToolButton*>("HOOIcon1")->click();
    names.push_back(Ed().History().UndoName());
    EXPECT_EQ(names, std::vector<std::string>(3, "Insert Point"));
    EXPECT_EQ(Ed().History().UndoCount(), 3u);

    QApplication::processEvents();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo Insert Point");
    undo->trigger();
    QApplication::processEvents();
    EXPECT_EQ(M().NumPoints, 3);
    EXPECT_EQ(Action("MenuEditRedo")->text(), "&Redo Insert Point");
}

TEST_F(MainWindowTest, NoTwoEntriesShareAShortcut) {
    std::set<QString> seen;
    for (QAction* a : window->findChildren<QAction*>())
        for (const QKeySequence& key : a->shortcuts())
            EXPECT_TRUE(seen.insert(key.toString()).second) << key.toString().toStdString();
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
    MakeSquare(-1);
    M().PointMarked = {1, 1, 1, 1};
    CountMarkedPoints(M());
    Modify();
    for (QAction* a : AllEntries(*window)) {
        if (!a->isEnabled()) continue;
        a->trigger();
        EXPECT_LE(M().NumPoints, MAX_POINTS) << a->objectName().toStdString();
    }
    EXPECT_TRUE(window->isVisible());  // Exit asked and was refused
    EXPECT_FALSE(questions.empty());
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
