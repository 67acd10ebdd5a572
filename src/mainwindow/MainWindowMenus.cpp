// The menu bar of the main window: every caption and shortcut, and the command behind
// each entry. Entries whose dialogs or tools are not part of this build are present but
// disabled, so nothing pretends to work.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "mainwindow/MainWindow.h"
#include "mainwindow/StripContext.h"
#include "mainwindow/ViewArea.h"
#include "views/ViewKeys.h"

namespace fw {

void MainWindow::BuildMenus() {
    BuildFileMenu();
    BuildEditMenu();
    BuildViewMenu();
    BuildMarkMenu();
    BuildToolsAndPolygonMenus();
    BuildModelMenu();
    BuildWindowAndHelpMenus();
}

QAction* MainWindow::AddDisabled(QMenu* menu, const char* name, const QString& caption,
                                 const QKeySequence& shortcut) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setShortcut(shortcut);
    a->setEnabled(false);
    return a;
}

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("MenuFile");
    AddCommand(file, "MenuFileNew", "&New", {}, "FileNew");
    AddCommand(file, "MenuFileOpen", "&Open ", {}, "FileOpen");
    AddCommand(file, "MenuFileSave", "&Save", QKeySequence("Ctrl+Q"), "FileSave");
    AddCommand(file, "MenuFileSaveAs", "Save &As", QKeySequence("F12"), "FileSaveAs");
    AddDisabled(file, "MenuFileSaveBSP", "Save with &BSP");
    AddCommand(file, "MenuFilePreview", "&Preview in Shadebox", QKeySequence("F11"), "FilePreview");
    file->addSeparator();
    // The game's formats and OBJ, from the format table.
    AddCommand(file, "MenuFileImport", "&Import...", {}, "FileImport");
    AddCommand(file, "MenuFileExport", "&Export...", {}, "FileExport");
    file->addSeparator();
    AddCommand(file, "MenuFileExit", "E&xit", {}, "FileExit");
}

void MainWindow::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("MenuEdit");
    // Ctrl+Z and Ctrl+Y belong to the mirrored paste, so undo takes the other common keys.
    undoAction_ = AddCommand(edit, "MenuEditUndo", "&Undo", QKeySequence("Alt+Backspace"), "Undo");
    redoAction_ = AddCommand(edit, "MenuEditRedo", "&Redo", QKeySequence("Ctrl+Shift+Z"), "Redo");
    edit->addSeparator();
    // The keys in brackets belong to the views, which handle them themselves.
    AddCommand(edit, "MenuEditPolygonInsert", "Insert &Polygon [Shift+Ins]", {}, "InsertPolygon");
    AddCommand(edit, "MenuEditPolygonDelete", "Delete P&olygons [Shift+Del]", {}, "DeletePolygons");
    AddCommand(edit, "MenuEditPointInsert", "&Insert Point [Ins]", {}, "InsertPoint");
    AddCommand(edit, "MenuEditPointDelete", "&Delete Points [Del]", {}, "DeletePoints");
    edit->addSeparator();
    AddCommand(edit, "CopyPointsMenu", "Cop&y Marked Points", QKeySequence("Ctrl+C"),
               "CopyMarkedPoints");
    AddCommand(edit, "CopyPolyMenu", "&Copy Polygons and Points", QKeySequence("Ctrl+G"),
               "CopyMarkedPolygonsAndPoints");

    QMenu* mirror = edit->addMenu("&Mirror Paste");
    mirror->setObjectName("MenuEditPasteMirror");
    const char* mirrorNames[3] = {"MenuEditPasteMirrorX", "MenuEditPasteMirrorY",
                                  "MenuEditPasteMirrorZ"};
    const char* mirrorCaptions[3] = {"Mirror &X", "Mirror &Y", "Mirror &Z"};
    const char* mirrorKeys[3] = {"Ctrl+X", "Ctrl+Y", "Ctrl+Z"};
    for (int axis = 1; axis <= 3; ++axis)
        AddCommand(mirror, mirrorNames[axis - 1], mirrorCaptions[axis - 1],
                   QKeySequence(mirrorKeys[axis - 1]), "PasteMirrored", {IntArg(axis)});

    QMenu* normal = edit->addMenu("&Normal Paste");
    normal->setObjectName("MenuEditPasteNormal");
    AddCommand(normal, "MenuEditPasteNormalOffset", "&Offset", QKeySequence("Ctrl+T"),
               "PasteWithOffset");
    AddCommand(normal, "MenuEditPasteNormalOrigin", "&At the Origin", QKeySequence("Ctrl+D"),
               "PasteAtOrigin");

    QMenu* move = edit->addMenu("Mo&ve");
    move->setObjectName("MenuEditMove");
    const char* decNames[3] = {"MenuEditMoveDec1", "MenuEditMoveDec2", "MenuEditMoveDec3"};
    const char* incNames[3] = {"MenuEditMoveInc1", "MenuEditMoveInc2", "MenuEditMoveInc3"};
    const char* decCaptions[3] = {"Decrease X", "Decrease Y", "Decrease Z"};
    const char* incCaptions[3] = {"Increase X ", "Increase Y", "Increase Z"};
    for (int axis = 1; axis <= 3; ++axis)
        AddCommand(move, decNames[axis - 1], decCaptions[axis - 1], {}, "MoveMarkedPoints",
                   {IntArg(axis), IntArg(-1), IntArg(1)});
    for (int axis = 1; axis <= 3; ++axis)
        AddCommand(move, incNames[axis - 1], incCaptions[axis - 1], {}, "MoveMarkedPoints",
                   {IntArg(axis), IntArg(1), IntArg(1)});
    UpdateUndoActions();
}

void MainWindow::BuildViewMenu() {
    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("MenuView");
    AddCommand(view, "UnHidePolyMenu", "U&nHide All Polygons", QKeySequence("Ctrl+F1"),
               "UnhideAllPolygons");
    AddCommand(view, "HidePolyDarkMenu", "&Darken Marked Polygons", QKeySequence("Ctrl+F2"),
               "DarkenMarkedPolygons");
    AddCommand(view, "HidePolygonsMenu", "H&ide Marked Polygons", QKeySequence("Ctrl+F3"),
               "HideMarkedPolygons");
    AddCommand(view, "UnHidePointMenu", "&UnHide All Points", QKeySequence("Ctrl+F4"),
               "UnhideAllPoints");
    AddCommand(view, "HidePointsMenu", "&Hide Marked Points", QKeySequence("Ctrl+F5"),
               "HideMarkedPoints");
    // Switches the crossed drawing of marked polygons (the CrossMarked option).
    QAction* crossed = view->addAction("&Show Marked Polygons as Crossed");
    crossed->setObjectName("ShowCrossedMenu");
    crossed->setCheckable(true);
    crossed->setChecked(views_.CrossMarked);
    connect(crossed, &QAction::toggled, this, [this](bool on) {
        views_.CrossMarked = on;
        ReportSettingsError(settings_.WriteFlag(setting::CrossMarked, on));
        viewArea_->RepaintVisible();
    });
    view->addSeparator();
    const char* names[4] = {"MenuViewXY", "MenuViewXZ", "MenuViewZY", "MenuViewISO"};
    const char* captions[4] = {"X&Y View", "&XZ View", "&ZY View", "&Isometric View"};
    const char* keys[4] = {"F5", "F6", "F7", "F8"};
    const char* ids[4] = {"ShowViewXY", "ShowViewXZ", "ShowViewZY", "ShowViewISO"};
    for (int v = 0; v < 4; ++v)
        AddCommand(view, names[v], captions[v], QKeySequence(keys[v]), ids[v]);
    AddCommand(view, "MenuViewZoomToFit", "Zoom to &Fit", QKeySequence(ZOOM_TO_FIT_KEY), "ZoomToFit");
    AddCommand(view, "MenuViewTextureAlign", "&Texture Alignment View", QKeySequence("F9"),
               "ShowAlignmentDisplay");
    view->addSeparator();
    AddDisabled(view, "MenuViewOptions", "&Options && Configuration", QKeySequence("F2"));
    AddCommand(view, "MenuViewSingle", "Single&View", QKeySequence("F3"), "SingleView");
    AddCommand(view, "MenuViewQuad", "&QuadView", QKeySequence("F4"), "QuadView");
}

void MainWindow::BuildMarkMenu() {
    QMenu* mark = menuBar()->addMenu("Mark/&UnMark");
    mark->setObjectName("MenuMark");
    // Marks are not part of the saved model, so these make no undo entries.
    AddCommand(mark, "MenuMarkPointCurrent", "Current Point [V]", {}, "ToggleCurrentPointMark");
    AddCommand(mark, "MenuMarkPointCurrentPolygons", "Current Polygon's Points [Ctrl+V]", {},
               "MarkCurrentPolygonPoints");
    AddCommand(mark, "MenuMarkPointMarkedPolygons", "Marked Polygons' Points [Ctrl+Shift+V]", {},
               "MarkMarkedPolygonsPoints");
    AddCommand(mark, "MenuMarkPointAll", "All Points [Shift+V]", {}, "MarkAllPoints");
    mark->addSeparator();
    AddCommand(mark, "MenuMarkPolygonCurrent", "Current Polygon [N]", {},
               "ToggleCurrentPolygonMark");
    AddCommand(mark, "MenuMarkPolygonCurrentPoints", "Current Point's Polygons [Ctrl+N]", {},
               "MarkCurrentPointPolygons");
    AddCommand(mark, "MenuMarkPolygonMarkedPoints", "Marked Points' Polygons [Ctrl+Shift+N]", {},
               "MarkMarkedPointsPolygons");
    AddCommand(mark, "MenuMarkPolygonAll", "All Polygons [Shift+N]", {}, "MarkAllPolygons");
    mark->addSeparator();
    AddCommand(mark, "MenuMarkPointCurrentSubmodels", "Ma&rk Submodel Points...",
               QKeySequence("Ctrl+J"), "MarkSubmodelPoints");
    AddCommand(mark, "MenuMarkPolygonCurrentSubmodels", "Mark &Submodel Polygons...",
               QKeySequence("Ctrl+B"), "MarkSubmodelPolygons");
    AddCommand(mark, "MenuUnMarkPointCurrentSubmodels", "UnMark Cur/Submodel Points...", {},
               "UnmarkSubmodelPoints");
    AddCommand(mark, "MenuUnMarkPolygonCurrentSubmodels", "UnMark Cur/Submodel Polygons", {},
               "UnmarkSubmodelPolygons");
}

void MainWindow::BuildToolsAndPolygonMenus() {
    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("MenuTools");
    AddCommand(tools, "MenuToolsAlign", "Texture &Alignment...", QKeySequence("Ctrl+L"),
               "ShowAlignmentDisplay");
    AddDisabled(tools, "MenuToolsModelAttributes", "Mo&del Attributes...", QKeySequence("Ctrl+H"));

    QMenu* polygon = menuBar()->addMenu("&Polygon");
    polygon->setObjectName("MenuPolygon");
    AddCommand(polygon, "MenuPolygonTextureSelect", "&Select Texture...", QKeySequence("Ctrl+A"),
               "SelectTextureDialog");
    AddCommand(polygon, "MenuPolygonTextureMapping", "&Texture Mapping...",
               QKeySequence("Ctrl+M"), "TextureMappingDialog");
    polygon->addSeparator();
    AddCommand(polygon, "PlacePointMenu", "&Place Point in Plane", QKeySequence("Ctrl+P"),
               "PlacePointInPlane");
    AddCommand(polygon, "ReTextureMenu", "Reset &Marked Textures", QKeySequence("Ctrl+E"),
               "ResetMarkedTextures");
    AddCommand(polygon, "RearrangeMenu", "&Rearrange 4-Sided", QKeySequence("Ctrl+R"),
               "RearrangeFourSided");
    AddCommand(polygon, "PolygonNormalMenu", "Polygon &Normal Flip", QKeySequence("Ctrl+F"),
               "FlipPolygon");
}

void MainWindow::BuildModelMenu() {
    QMenu* model = menuBar()->addMenu("Mode&l");
    model->setObjectName("MenuModel");
    putPointsMenu_ = model->addMenu("&Put Points in Submodel...");
    putPointsMenu_->setObjectName("MakeSubMenu");
    putPointsCurrent_ = AddCommand(putPointsMenu_, "MenuModelPutPointsCurrent",
                                   "In current submodel (0)", {}, "PutPointsInCurrentSubmodel");
    putPointsNew_ = AddCommand(putPointsMenu_, "MenuModelPutPointsNew", "In a new submodel (0)", {},
                               "PutPointsInNewSubmodel");
    AddCommand(model, "CheckSubMenu", "&Check and Compress Submodels", QKeySequence("Ctrl+O"),
               "CheckAndCompressCommand");
    model->addSeparator();
    AddCommand(model, "SizeHalfMenu", "&Halve Model Size ", QKeySequence("Ctrl+Shift+F1"),
               "HalveModelSize");
    AddCommand(model, "SizeDoubleMenu", "&Double Model Size", QKeySequence("Ctrl+Shift+F2"),
               "DoubleModelSize");
    AddCommand(model, "SizeTripleMenu", "&Triple Model Size", QKeySequence("Ctrl+Shift+F3"),
               "TripleModelSize");
    AddCommand(model, "MenuCenterModel", "Center &Model", QKeySequence("Ctrl+Shift+F4"),
               "CenterModel");
}

void MainWindow::BuildWindowAndHelpMenus() {
    QMenu* window = menuBar()->addMenu("&Window");
    window->setObjectName("MenuWindow");
    AddDisabled(window, "MenuWindowCascade", "&Cascade");
    AddDisabled(window, "MenuWindowTileHorizontal", "&Horizontal Tile");
    AddDisabled(window, "MenuWindowTileVertical", "&Vertical Tile");

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("MenuHelp");
    AddDisabled(help, "MenuHelpGuideBot", "Guide-Bot Help");
    AddDisabled(help, "MenuHelpManual", "&Manual...  ");
    QMenu* internet = help->addMenu("&Internet");
    internet->setObjectName("MenuHelpInternet");
    internet->menuAction()->setObjectName("MenuHelpInternetEntry");
    internet->setEnabled(false);
    AddDisabled(help, "MenuHelpAbout", "About");
}

void MainWindow::UpdateUndoActions() {
    const UndoHistory& history = editor_.History();
    undoAction_->setEnabled(history.CanUndo());
    undoAction_->setText(history.CanUndo() ? "&Undo " + QString::fromStdString(history.UndoName())
                                           : "&Undo");
    redoAction_->setEnabled(history.CanRedo());
    redoAction_->setText(history.CanRedo() ? "&Redo " + QString::fromStdString(history.RedoName())
                                           : "&Redo");
}

}  // namespace fw
