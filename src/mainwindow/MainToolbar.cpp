// The main toolbar TBMain and the quick help: the toolbar's thirteen buttons, the
// selected-view buttons, and the line that names the button under the mouse.

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "mainwindow/MainWindow.h"
#include "mainwindow/PressedButtonStyle.h"
#include "mainwindow/StatusLine.h"
#include "mainwindow/ViewArea.h"

namespace fw {

namespace {

// New, Open and Save: a page, a folder and a disk. Drawn rather than taken from the style,
// whose standard icons cost more at start-up than the rest of the toolbar.
enum class FileGlyph { Page, Folder, Disk };
QIcon FileIcon(FileGlyph glyph) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    switch (glyph) {
        case FileGlyph::Page: {
            const QPointF page[] = {{5.5, 2.5}, {14.5, 2.5}, {19.5, 7.5}, {19.5, 21.5}, {5.5, 21.5}};
            p.setBrush(Qt::white);
            p.drawPolygon(page, 5);
            p.drawPolyline(QPolygonF({{14.5, 2.5}, {14.5, 7.5}, {19.5, 7.5}}));
            break;
        }
        case FileGlyph::Folder: {
            const QPointF back[] = {{2.5, 5.5}, {9.5, 5.5}, {11.5, 7.5}, {19.5, 7.5}, {19.5, 19.5}, {2.5, 19.5}};
            p.setBrush(QColor(214, 170, 60));
            p.drawPolygon(back, 6);
            const QPointF front[] = {{2.5, 19.5}, {6.5, 10.5}, {22.5, 10.5}, {19.5, 19.5}};
            p.setBrush(QColor(246, 206, 96));
            p.drawPolygon(front, 4);
            break;
        }
        case FileGlyph::Disk:
            p.setBrush(QColor(60, 90, 160));
            p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7.5, 3.5, 9, 6));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(6.5, 13.5, 11, 7));
            break;
    }
    return QIcon(pixmap);
}

// Single view and four views, drawn as frames.
QIcon LayoutIcon(bool four) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(Qt::black);
    if (four) {
        for (int i = 0; i < 4; ++i) p.drawRect(2 + (i % 2) * 10, 2 + (i / 2) * 10, 9, 9);
    } else {
        p.drawRect(2, 2, 19, 19);
    }
    return QIcon(pixmap);
}

struct ToolInfo {
    const char* tip;
    const char* text;
};
const ToolInfo TOOLS[13] = {
    {"New Polymodel", ""},
    {"Open Polymodel", ""},
    {"Save Polymodel", ""},
    {"Select Texture", "Tx"},
    {"Texture Mapping Tool", "Map"},
    {"Alignment Display", "Aln"},
    {"Options/Configuration", "Opt"},
    {"SingleView", ""},
    {"QuadView", ""},
    {"XY View (Back)", "XY"},
    {"XZ View (Top)", "XZ"},
    {"ZY View (Side)", "ZY"},
    {"WireFrame View (ISO)", "ISO"},
};

}  // namespace

void MainWindow::BuildToolbar() {
    toolbar_ = addToolBar("Main");
    toolbar_->setObjectName("TBMain");
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));

    auto add = [this](int index, const QIcon& icon) {
        QAction* a = toolbar_->addAction(icon, TOOLS[index].tip);
        a->setObjectName("H0Icon" + QString::number(index));
        a->setToolTip(TOOLS[index].tip);
        return a;
    };
    // Buttons named by a short text show it in the window's own font: pictures of text in
    // other fonts cost more at start-up than the rest of the toolbar.
    auto addText = [this, &add](int index) {
        QAction* a = add(index, QIcon());
        a->setIconText(TOOLS[index].text);
        if (auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(a)))
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return a;
    };
    BindCommand(add(0, FileIcon(FileGlyph::Page)), "FileNew");
    BindCommand(add(1, FileIcon(FileGlyph::Folder)), "FileOpen");
    BindCommand(add(2, FileIcon(FileGlyph::Disk)), "FileSave");
    toolbar_->addSeparator();
    static constexpr const char* textureIds[3] = {"SelectTextureDialog", "TextureMappingDialog",
                                                  "ShowAlignmentDisplay"};
    for (int index = 3; index <= 5; ++index) BindCommand(addText(index), textureIds[index - 3]);
    // Bound to the Options command once the configuration commands exist.
    addText(6)->setEnabled(false);
    toolbar_->addSeparator();
    BindCommand(add(7, LayoutIcon(false)), "SingleView");
    BindCommand(add(8, LayoutIcon(true)), "QuadView");
    toolbar_->addSeparator();
    auto* group = new QActionGroup(this);
    auto* pressed = new PressedButtonStyle;
    pressed->setParent(toolbar_);
    for (int view = 0; view < 4; ++view) {
        QAction* a = addText(9 + view);
        a->setCheckable(true);
        toolbar_->widgetForAction(a)->setStyle(pressed);
        group->addAction(a);
        viewButtons_[view] = a;
        static constexpr const char* ids[4] = {"ShowViewXY", "ShowViewXZ", "ShowViewZY",
                                               "ShowViewISO"};
        BindCommand(a, ids[view]);
    }
    for (QAction* a : toolbar_->actions())
        if (QWidget* w = toolbar_->widgetForAction(a)) w->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::SyncViewButtons() {
    for (int view = 0; view < 4; ++view) viewButtons_[view]->setChecked(view == views_.CurrentView);
}

void MainWindow::WatchQuickHelp() {
    // Every button with a quick-help text, and the surfaces that clear it.
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (!b->toolTip().isEmpty()) b->installEventFilter(this);
}

void MainWindow::SetQuickHelp(const QString& text) {
    if (quickHelp_->text() == text) return;
    quickHelp_->setText(text);
    status_->ShowQuickHelp(text);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (auto* b = qobject_cast<QAbstractButton*>(watched)) {
            QString tip = b->toolTip();
            if (tip.isEmpty())
                if (auto* tool = qobject_cast<QToolButton*>(b); tool && tool->defaultAction())
                    tip = tool->defaultAction()->toolTip();
            SetQuickHelp(tip);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace fw
