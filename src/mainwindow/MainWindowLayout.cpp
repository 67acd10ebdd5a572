// The frame of the main window: the left strip and the views divided by imgSplitter, the
// view strip on the right, and the quick-help line, with the splitter positions kept in the
// settings (in twips, 15 to a pixel).

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "mainwindow/MainWindow.h"
#include "mainwindow/ModeListPanel.h"
#include "mainwindow/SubmodelsStrip.h"
#include "mainwindow/ViewArea.h"
#include "mainwindow/ViewInfoStrip.h"

namespace fw {

namespace {
constexpr int TWIPS_PER_PIXEL = 15;
// The left strip's tool boxes need this much room whatever the stored splitter says.
constexpr int MIN_LEFT_STRIP_PX = 250;
}  // namespace

void MainWindow::BuildCentralArea() {
    auto* central = new QWidget(this);
    central->setObjectName("CentralArea");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(2, 2, 2, 0);
    column->setSpacing(2);
    auto* row = new QHBoxLayout;
    column->addLayout(row, 1);

    imgSplitter_ = new QSplitter(Qt::Horizontal, central);
    imgSplitter_->setObjectName("imgSplitter");
    imgSplitter_->setChildrenCollapsible(false);
    imgSplitter_->setOpaqueResize(false);  // the position is stored once, on release
    modeList_ = new ModeListPanel(stripContext_, imgSplitter_);
    modeList_->setMinimumWidth(std::max(MIN_SPLITTER_H / TWIPS_PER_PIXEL, MIN_LEFT_STRIP_PX));
    modeList_->SetPutPointsMenu([this](QWidget* below) {
        putPointsMenu_->popup(below->mapToGlobal(QPoint(0, below->height())));
    });
    viewArea_ = new ViewArea(editor_, views_, imgSplitter_);
    imgSplitter_->addWidget(modeList_);
    imgSplitter_->addWidget(viewArea_);
    imgSplitter_->setStretchFactor(0, 0);
    imgSplitter_->setStretchFactor(1, 1);
    row->addWidget(imgSplitter_, 1);

    infoStrip_ = new ViewInfoStrip(editor_, views_, central);
    infoStrip_->runCommand = [this](std::string_view id) { RunCommandId(id); };
    row->addWidget(infoStrip_);

    quickHelp_ = new QLabel(central);
    quickHelp_->setObjectName("QuickHelp");
    quickHelp_->setFrameShape(QFrame::StyledPanel);
    column->addWidget(quickHelp_);
    setCentralWidget(central);

    viewArea_->Splitter()->setOpaqueResize(false);
    connect(imgSplitter_, &QSplitter::splitterMoved, this,
            [this] { StoreSplitter(imgSplitter_, setting::SplitterH); });
    connect(viewArea_->Splitter(), &QSplitter::splitterMoved, this,
            [this] { StoreSplitter(viewArea_->Splitter(), setting::SplitterV); });
    connect(viewArea_, &ViewArea::focused, this, [this](int) {
        SyncViewButtons();
        infoStrip_->ShowViewState();
        viewArea_->MarkCurrent();
    });
    connect(viewArea_, &ViewArea::mouseModelPosition, infoStrip_,
            &ViewInfoStrip::ShowMousePosition);
    connect(viewArea_, &ViewArea::viewStateChanged, this, [this] {
        infoStrip_->ShowViewState();
        viewArea_->RepaintVisible();
    });
    viewArea_->SetOrientation(settings_.ViewOrient());
}

void MainWindow::RestoreSplitters() {
    // A stored position wider than most of the window would leave no room for the views.
    int left = std::clamp(settings_.SplitterH() / TWIPS_PER_PIXEL, modeList_->minimumWidth(),
                          std::max(modeList_->minimumWidth(), imgSplitter_->width() * 3 / 5));
    imgSplitter_->setSizes({left, std::max(imgSplitter_->width() - left, 1)});
    // A missing position reads as 0: share the height equally then. The lower row keeps at
    // least a little room whatever the stored position.
    int top = settings_.SplitterV() / TWIPS_PER_PIXEL;
    QSplitter* vertical = viewArea_->Splitter();
    int room = vertical->height() - vertical->handleWidth();
    if (top > 0)
        vertical->setSizes({top, std::max(room - top, room / 8)});
    else
        vertical->setSizes({1, 1});
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Splitter sizes only take hold once the window has its real size.
    if (!splittersRestored_) {
        splittersRestored_ = true;
        RestoreSplitters();
        viewArea_->LayOutViews();
    }
}

void MainWindow::StoreSplitter(QSplitter* splitter, const SettingKey& key) {
    QList<int> sizes = splitter->sizes();
    if (!sizes.isEmpty())
        ReportSettingsError(settings_.WriteInt(key, sizes.first() * TWIPS_PER_PIXEL));
}

}  // namespace fw
