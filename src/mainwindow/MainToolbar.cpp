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
#include "mainwindow/StatusLine.h"
#include "mainwindow/ViewArea.h"

namespace fw {

namespace {

// A toolbar picture with a short text, for buttons without a standard icon.
QIcon TextIcon(const QString& text) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(235, 235, 235));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 3, 3);
    QFont font = p.font();
    font.setPixelSize(text.size() > 2 ? 8 : 10);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, text);
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
    // The selected view's button: pressed, with a border and a white background.
    toolbar_->setStyleSheet("QToolButton:checked { background: white; border: 1px solid black; }");

    auto add = [this](int index, const QIcon& icon) {
        QAction* a = toolbar_->addAction(icon, TOOLS[index].tip);
        a->setObjectName("H0Icon" + QString::number(index));
        a->setToolTip(TOOLS[index].tip);
        return a;
    };
    BindCommand(add(0, style()->standardIcon(QStyle::SP_FileIcon)), "FileNew");
    BindCommand(add(1, style()->standardIcon(QStyle::SP_DialogOpenButton)), "FileOpen");
    BindCommand(add(2, style()->standardIcon(QStyle::SP_DialogSaveButton)), "FileSave");
    toolbar_->addSeparator();
    static constexpr const char* textureIds[3] = {"SelectTextureDialog", "TextureMappingDialog",
                                                  "ShowAlignmentDisplay"};
    for (int index = 3; index <= 5; ++index)
        BindCommand(add(index, TextIcon(TOOLS[index].text)), textureIds[index - 3]);
    // The options dialog is not part of this build.
    add(6, TextIcon(TOOLS[6].text))->setEnabled(false);
    toolbar_->addSeparator();
    BindCommand(add(7, LayoutIcon(false)), "SingleView");
    BindCommand(add(8, LayoutIcon(true)), "QuadView");
    toolbar_->addSeparator();
    auto* group = new QActionGroup(this);
    for (int view = 0; view < 4; ++view) {
        QAction* a = add(9 + view, TextIcon(TOOLS[9 + view].text));
        a->setCheckable(true);
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
