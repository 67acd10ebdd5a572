#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "MainWindowFixture.h"

namespace fw {
namespace {

struct Entry {
    const char* name;
    const char* caption;
    const char* shortcut;
};

// Every menu entry with its caption and shortcut, as the user sees them.
const Entry ENTRIES[] = {
    {"MenuFileNew", "&New", ""},
    {"MenuFileOpen", "&Open ", ""},
    {"MenuFileSave", "&Save", "Ctrl+Q"},
    {"MenuFileSaveAs", "Save &As", "F12"},
    {"MenuFileSaveBSP", "Save with &BSP", ""},
    {"MenuFilePreview", "&Preview in Shadebox", "F11"},
    {"MenuFileExit", "E&xit", ""},
    {"MenuEditPolygonInsert", "Insert &Polygon [Shift+Ins]", ""},
    {"MenuEditPolygonDelete", "Delete P&olygons [Shift+Del]", ""},
    {"MenuEditPointInsert", "&Insert Point [Ins]", ""},
    {"MenuEditPointDelete", "&Delete Points [Del]", ""},
    {"CopyPointsMenu", "Cop&y Marked Points", "Ctrl+C"},
    {"CopyPolyMenu", "&Copy Polygons and Points", "Ctrl+G"},
    {"MenuEditPasteMirrorX", "Mirror &X", "Ctrl+X"},
    {"MenuEditPasteMirrorY", "Mirror &Y", "Ctrl+Y"},
    {"MenuEditPasteMirrorZ", "Mirror &Z", "Ctrl+Z"},
    {"MenuEditPasteNormalOffset", "&Offset", "Ctrl+T"},
    {"MenuEditPasteNormalOrigin", "&At the Origin", "Ctrl+D"},
    {"MenuEditMoveDec1", "Decrease X", ""},
    {"MenuEditMoveDec2", "Decrease Y", ""},
    {"MenuEditMoveDec3", "Decrease Z", ""},
    {"MenuEditMoveInc1", "Increase X ", ""},
    {"MenuEditMoveInc2", "Increase Y", ""},
    {"MenuEditMoveInc3", "Increase Z", ""},
    {"UnHidePolyMenu", "U&nHide All Polygons", "Ctrl+F1"},
    {"HidePolyDarkMenu", "&Darken Marked Polygons", "Ctrl+F2"},
    {"HidePolygonsMenu", "H&ide Marked Polygons", "Ctrl+F3"},
    {"UnHidePointMenu", "&UnHide All Points", "Ctrl+F4"},
    {"HidePointsMenu", "&Hide Marked Points", "Ctrl+F5"},
    {"ShowCrossedMenu", "&Show Marked Polygons as Crossed", ""},
    {"MenuViewXY", "X&Y View", "F5"},
    {"MenuViewXZ", "&XZ View", "F6"},
    {"MenuViewZY", "&ZY View", "F7"},
    {"MenuViewISO", "&Isometric View", "F8"},
    {"MenuViewTextureAlign", "&Texture Alignment View", "F9"},
    {"MenuViewOptions", "&Options && Configuration", "F2"},
    {"MenuViewSingle", "Single&View", "F3"},
    {"MenuViewQuad", "&QuadView", "F4"},
    {"MenuMarkPointCurrent", "Current Point [V]", ""},
    {"MenuMarkPointCurrentPolygons", "Current Polygon's Points [Ctrl+V]", ""},
    {"MenuMarkPointMarkedPolygons", "Marked Polygons' Points [Ctrl+Shift+V]", ""},
    {"MenuMarkPointAll", "All Points [Shift+V]", ""},
    {"MenuMarkPolygonCurrent", "Current Polygon [N]", ""},
    {"MenuMarkPolygonCurrentPoints", "Current Point's Polygons [Ctrl+N]", ""},
    {"MenuMarkPolygonMarkedPoints", "Marked Points' Polygons [Ctrl+Shift+N]", ""},
    {"MenuMarkPolygonAll", "All Polygons [Shift+N]", ""},
    {"MenuMarkPointCurrentSubmodels", "Ma&rk Submodel Points...", "Ctrl+J"},
    {"MenuMarkPolygonCurrentSubmodels", "Mark &Submodel Polygons...", "Ctrl+B"},
    {"MenuUnMarkPointCurrentSubmodels", "UnMark Cur/Submodel Points...", ""},
    {"MenuUnMarkPolygonCurrentSubmodels", "UnMark Cur/Submodel Polygons", ""},
    {"MenuToolsAlign", "Texture &Alignment...", "Ctrl+L"},
    {"MenuToolsModelAttributes", "Mo&del Attributes...", "Ctrl+H"},
    {"MenuPolygonTextureSelect", "&Select Texture...", "Ctrl+A"},
    {"MenuPolygonTextureMapping", "&Texture Mapping...", "Ctrl+M"},
    {"PlacePointMenu", "&Place Point in Plane", "Ctrl+P"},
    {"ReTextureMenu", "Reset &Marked Textures", "Ctrl+E"},
    {"RearrangeMenu", "&Rearrange 4-Sided", "Ctrl+R"},
    {"PolygonNormalMenu", "Polygon &Normal Flip", "Ctrl+F"},
    {"MenuModelPutPointsCurrent", "In current submodel (0)", ""},
    {"MenuModelPutPointsNew", "In a new submodel (1)", ""},
    {"CheckSubMenu", "&Check and Compress Submodels", "Ctrl+O"},
    {"SizeHalfMenu", "&Halve Model Size ", "Ctrl+Shift+F1"},
    {"SizeDoubleMenu", "&Double Model Size", "Ctrl+Shift+F2"},
    {"SizeTripleMenu", "&Triple Model Size", "Ctrl+Shift+F3"},
    {"MenuCenterModel", "Center &Model", "Ctrl+Shift+F4"},
    {"MenuWindowCascade", "&Cascade", ""},
    {"MenuWindowTileHorizontal", "&Horizontal Tile", ""},
    {"MenuWindowTileVertical", "&Vertical Tile", ""},
    {"MenuHelpGuideBot", "Guide-Bot Help", ""},
    {"MenuHelpManual", "&Manual...  ", ""},
    {"MenuHelpAbout", "About", ""},
};

// Entries whose dialogs and tools are not part of this build, or have no command at all
// (the test's settings name no manual).
const std::set<std::string> DISABLED = {
    "MenuFileSaveBSP",           "MenuFilePreview",
    "MenuViewTextureAlign",      "MenuToolsAlign",
    "MenuToolsModelAttributes",  "MenuPolygonTextureSelect",
    "MenuPolygonTextureMapping", "MenuWindowCascade",
    "MenuWindowTileHorizontal",  "MenuWindowTileVertical",
    "MenuHelpGuideBot",          "MenuHelpManual",
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

TEST_F(MainWindowTest, MenuBarCaptionsAndShortcutsAreExact) {
    QStringList titles;
    for (QAction* top : window->menuBar()->actions()) titles << top->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "Mark/&UnMark", "&Tools", "&Polygon",
                                   "Mode&l", "&Window", "&Help"}));
    for (const Entry& e : ENTRIES) {
        QAction* a = Action(e.name);
        if (!a) continue;
        EXPECT_EQ(a->text().toStdString(), e.caption) << e.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(e.shortcut)) << e.name;
    }
    for (auto [name, title] : {std::pair{"MenuEditPasteMirror", "&Mirror Paste"},
                               {"MenuEditPasteNormal", "&Normal Paste"},
                               {"MenuEditMove", "Mo&ve"},
                               {"MakeSubMenu", "&Put Points in Submodel..."},
                               {"MenuHelpInternet", "&Internet"}})
        EXPECT_EQ(window->findChild<QMenu*>(name)->title().toStdString(), title);
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
    Ed().RefreshAfterEdit(0);
    EXPECT_EQ(current->text(), "In current submodel (3)");
    EXPECT_EQ(added->text(), "In a new submodel (8)");
    M().NumSubmodels = 9;
    Ed().RefreshAfterEdit(0);
    EXPECT_EQ(added->text(), "In a new submodel");
    EXPECT_FALSE(added->isEnabled());
}

}  // namespace
}  // namespace fw
