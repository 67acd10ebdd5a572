// The main window's side of the textured preview: the preview commands in the command
// table, the iso menu ISO_Color (right-click on the iso view, or its toolbar button) with
// check marks taken from the stored viewer settings, and the preview toolbar HIsoIcon.

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "external/qt/LocalSocketPreviewChannel.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ViewArea.h"
#include "views/ViewWidget.h"

namespace fw {

namespace {

struct ToggleEntry {
    PreviewToggle which;
    const char *id, *name, *menuName, *caption;
};
const ToggleEntry TOGGLES[4] = {
    {PreviewToggle::LinePoly, "PreviewLinePoly", "Line/Poly", "MenuISOLinePoly", "Line/Poly"},
    {PreviewToggle::Size2Poly, "PreviewSize2Poly", "Size2Poly", "MenuISOSize2Poly", "Size2Poly"},
    {PreviewToggle::CullFace, "PreviewCullFace", "Cull Face", "MenuISOCullFace", "Cull Face"},
    {PreviewToggle::Color, "PreviewColor", "Textured", "MenuISOColor", "Textured"},
};

const char* const BACKGROUNDS[8] = {"Black", "Blue", "Green", "Cyan",
                                    "Red",   "Pink", "Yellow", "White"};
const char* const TEXTURE_SETS[6] = {"GroupA", "Water", "Fire", "Ice", "Alien1", "Alien2"};

// Command ids are kept as views by the table and the menus: they must live for the run.
const char* const BACKGROUND_IDS[8] = {
    "PreviewBackgroundBlack", "PreviewBackgroundBlue", "PreviewBackgroundGreen",
    "PreviewBackgroundCyan",  "PreviewBackgroundRed",  "PreviewBackgroundPink",
    "PreviewBackgroundYellow", "PreviewBackgroundWhite"};
const char* const TEXTURE_SET_IDS[6] = {"PreviewPaletteGroupA", "PreviewPaletteWater",
                                        "PreviewPaletteFire",   "PreviewPaletteIce",
                                        "PreviewPaletteAlien1", "PreviewPaletteAlien2"};
const char* BackgroundId(int index) { return BACKGROUND_IDS[index]; }
const char* TextureSetId(int index) { return TEXTURE_SET_IDS[index]; }

// Buttons of the preview toolbar: command id, caption, quick help. The codes they send go
// to the viewer whether or not the link is up.
struct IsoButton {
    const char *id, *text, *tip;
};
const IsoButton ISO_BUTTONS[] = {
    {"PreviewUpdate", "Upd", "Update Textured View"},
    {"FilePreview", "SBX", "Preview in Shadebox"},
    {"PreviewResetView", "Rst", "Reset Preview View"},
    {"PreviewTurnLeft", "<", "Turn Preview Left"},
    {"PreviewTurnRight", ">", "Turn Preview Right"},
    {"PreviewTurnUp", "^", "Tilt Preview Up"},
    {"PreviewTurnDown", "v", "Tilt Preview Down"},
    {"PreviewSpinOn", "Spin", "Turntable On"},
    {"PreviewSpinOff", "Stop", "Turntable Off"},
};

}  // namespace

void MainWindow::StartPreview() {
    preview_->Start(std::to_string(winId()));
}

void MainWindow::PreviewBeforeDialog() {
    if (preview_ && preview_->Active()) preview_->Link().PreviewBeforeDialog();
}

void MainWindow::PreviewAfterDialog() {
    if (preview_ && preview_->Active()) preview_->Link().PreviewAfterDialog();
}

void MainWindow::RegisterPreviewCommands() {
    auto link = [this]() -> PreviewLink& { return preview_->Link(); };
    AddWindowCommand("FilePreview", "Preview in Shadebox", [link] { link().PreviewCommand(); });
    AddWindowCommand("PreviewUpdate", "Update Textured View",
                     [link] { link().UpdateTexturedView(); });
    for (const ToggleEntry& t : TOGGLES) {
        PreviewToggle which = t.which;
        AddWindowCommand(t.id, t.name, [this, link, which] {
            link().ToggleViewerSetting(which);
            SyncIsoMenu();
        });
    }
    for (int i = 0; i < 8; ++i)
        AddWindowCommand(BackgroundId(i), BACKGROUNDS[i], [this, link, i] {
            link().SetPreviewBackground(i);
            SyncIsoMenu();
        });
    for (int i = 0; i < preview::TEXTURE_SET_COUNT; ++i)
        AddWindowCommand(TextureSetId(i), TEXTURE_SETS[i], [this, link, i] {
            link().SetPreviewTextureSet(i);
            SyncIsoMenu();
        });
    struct Direct {
        const char *id, *name;
        PreviewCommandLine command;
    };
    static const Direct direct[] = {
        {"PreviewResetView", "Reset Preview View", {preview::RESET_VIEW}},
        {"PreviewTurnLeft", "Turn Preview Left", {preview::TURN_LEFT}},
        {"PreviewTurnRight", "Turn Preview Right", {preview::TURN_RIGHT}},
        {"PreviewTurnUp", "Tilt Preview Up", {preview::TURN_UP}},
        {"PreviewTurnDown", "Tilt Preview Down", {preview::TURN_DOWN}},
        {"PreviewSpinOn", "Turntable On", {preview::TURNTABLE, 0, 1, 1, 0}},
        {"PreviewSpinOff", "Turntable Off", {preview::TURNTABLE, 0, 1, 0, 0}},
    };
    for (const Direct& d : direct) {
        PreviewCommandLine c = d.command;
        AddWindowCommand(d.id, d.name,
                         [link, c] { link().SendPreviewCommand(c.Code, c.A, c.B, c.C, c.D); });
    }
}

void MainWindow::BuildIsoMenu() {
    isoMenu_ = new QMenu(this);
    isoMenu_->setObjectName("ISO_Color");
    AddCommand(isoMenu_, "MenuISOUpdate", "&Manual update", {}, "PreviewUpdate");
    isoMenu_->addSeparator();
    for (const ToggleEntry& t : TOGGLES)
        AddCommand(isoMenu_, t.menuName, t.caption, {}, t.id)->setCheckable(true);
    isoMenu_->addSeparator();
    QMenu* background = isoMenu_->addMenu("Background");
    background->setObjectName("MenuISOBKColor");
    auto* backgrounds = new QActionGroup(background);
    for (int i = 0; i < 8; ++i) {
        QAction* a = AddCommand(background, ("MenuISOBKColor" + std::to_string(i)).c_str(),
                                BACKGROUNDS[i], {}, BackgroundId(i));
        a->setCheckable(true);
        backgrounds->addAction(a);
    }
    QMenu* palette = isoMenu_->addMenu("Palette");
    palette->setObjectName("MenuISOTextureSet");
    auto* palettes = new QActionGroup(palette);
    for (int i = 0; i < preview::TEXTURE_SET_COUNT; ++i) {
        QAction* a = AddCommand(palette, ("MenuISOTextureSet" + std::to_string(i)).c_str(),
                                TEXTURE_SETS[i], {}, TextureSetId(i));
        a->setCheckable(true);
        palettes->addAction(a);
    }
    // The marks follow the stored settings, which the Options dialog may have changed.
    connect(isoMenu_, &QMenu::aboutToShow, this, [this] { SyncIsoMenu(); });

    ViewWidget* iso = viewArea_->View(VIEW_ISO);
    iso->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(iso, &QWidget::customContextMenuRequested, this,
            [this, iso](const QPoint& pos) { isoMenu_->popup(iso->mapToGlobal(pos)); });
}

void MainWindow::SyncIsoMenu() {
    if (!isoMenu_) return;
    PreviewLink& link = preview_->Link();
    for (const ToggleEntry& t : TOGGLES)
        if (auto* a = isoMenu_->findChild<QAction*>(t.menuName))
            a->setChecked(link.ViewerSettingOn(t.which));
    int background = link.BackgroundIndex(), set = link.TextureSetIndex();
    for (int i = 0; i < 8; ++i)
        if (auto* a = isoMenu_->findChild<QAction*>("MenuISOBKColor" + QString::number(i)))
            a->setChecked(i == background);
    for (int i = 0; i < preview::TEXTURE_SET_COUNT; ++i)
        if (auto* a = isoMenu_->findChild<QAction*>("MenuISOTextureSet" + QString::number(i)))
            a->setChecked(i == set);
}

void MainWindow::BuildPreviewToolbar() {
    QToolBar* bar = addToolBar("Preview");
    bar->setObjectName("HIsoIcon");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    int index = 0;
    for (const IsoButton& b : ISO_BUTTONS) {
        QAction* a = bar->addAction(b.text);
        a->setObjectName("HIsoIcon" + QString::number(index++));
        a->setToolTip(b.tip);
        BindCommand(a, b.id);
    }
    // The menu button opens ISO_Color.
    QAction* menu = bar->addAction("Opt");
    menu->setObjectName("HIsoIconMenu");
    menu->setToolTip("Preview Display Settings");
    menu->setMenu(isoMenu_);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(menu)))
        button->setPopupMode(QToolButton::InstantPopup);
    for (QAction* a : bar->actions())
        if (QWidget* w = bar->widgetForAction(a)) w->setFocusPolicy(Qt::NoFocus);
}

}  // namespace fw
