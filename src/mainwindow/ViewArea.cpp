#include "mainwindow/ViewArea.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QPalette>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "views/ViewWidget.h"

namespace fw {

namespace {
const char* const VIEW_NAMES[4] = {"XYViewBox", "XZViewBox", "ZYViewBox", "ISOViewBox"};
}

ViewArea::ViewArea(Editor& ed, ViewState& views, QWidget* parent)
    : QWidget(parent), ed_(ed), state_(views), splitter_(new QSplitter(Qt::Vertical, this)) {
    setObjectName("ViewArea");
    splitter_->setObjectName("VertSplitter");
    splitter_->setChildrenCollapsible(false);
    for (int r = 0; r < 2; ++r) {
        rows_[r] = new QWidget(splitter_);
        rows_[r]->setObjectName(r == 0 ? "ViewRowTop" : "ViewRowBottom");
        auto* row = new QHBoxLayout(rows_[r]);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(3);
        splitter_->addWidget(rows_[r]);
    }
    for (int v = 0; v < 4; ++v) {
        frames_[v] = new QFrame(this);
        frames_[v]->setObjectName(QString(VIEW_NAMES[v]) + "Frame");
        frames_[v]->setAutoFillBackground(true);  // the outline's colour, round the view
        auto* frameLayout = new QVBoxLayout(frames_[v]);
        frameLayout->setContentsMargins(2, 2, 2, 2);
        views_[v] = new ViewWidget(ed, views, v, frames_[v]);
        views_[v]->setObjectName(VIEW_NAMES[v]);
        frameLayout->addWidget(views_[v]);
        connect(views_[v], &ViewWidget::focused, this, &ViewArea::focused);
        connect(views_[v], &ViewWidget::mouseModelPosition, this, &ViewArea::mouseModelPosition);
        connect(views_[v], &ViewWidget::viewStateChanged, this, &ViewArea::viewStateChanged);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    Arrange();
}

void ViewArea::Arrange() {
    // Rows of the two arrangements, by view number.
    static const int NORMAL[2][2] = {{VIEW_XY, VIEW_ZY}, {VIEW_XZ, VIEW_ISO}};
    static const int TURNED[2][2] = {{VIEW_XZ, VIEW_ISO}, {VIEW_XY, VIEW_ZY}};
    const auto& rows = orient_ ? TURNED : NORMAL;
    for (int r = 0; r < 2; ++r) {
        auto* layout = static_cast<QHBoxLayout*>(rows_[r]->layout());
        bool rowVisible = false;
        for (int c = 0; c < 2; ++c) {
            QFrame* frame = frames_[rows[r][c]];
            layout->addWidget(frame);  // moves the view into this row if it was elsewhere
            bool visible = four_ || rows[r][c] == state_.CurrentView;
            frame->setVisible(visible);
            rowVisible = rowVisible || visible;
        }
        rows_[r]->setVisible(rowVisible);
    }
    MarkCurrent();
    LayOutViews();
}

void ViewArea::LayOutViews() {
    QTimer::singleShot(0, this, [this] {
        if (!window()->isVisible()) return;
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (equalisePending_ && four_) {
            // Equal rows whatever the splitter held while one view was shown.
            splitter_->setSizes({1, 1});
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
        equalisePending_ = false;
        ViewWidget* current = views_[std::clamp<int>(state_.CurrentView, 0, VIEW_COUNT - 1)];
        if (!windowsSized_ && current->width() > 0 && current->height() > 0) {
            windowsSized_ = true;
            state_.InitAllWindows(current->width(), current->height());
        }
        if (framePending_ && windowsSized_) FrameNow();
        RepaintVisible();
        emit viewStateChanged();
    });
}

void ViewArea::FrameModel() {
    framePending_ = true;
    LayOutViews();
}

void ViewArea::FrameNow() {
    framePending_ = false;
    ViewWidget* current = views_[std::clamp<int>(state_.CurrentView, 0, VIEW_COUNT - 1)];
    for (int v = 0; v < VIEW_COUNT; ++v) {
        if (!views_[v]->isVisible()) state_.SetSurface(v, current->width(), current->height());
        state_.ZoomToFit(ed_.Model(), v);
    }
}

void ViewArea::MarkCurrent() {
    int current = four_ ? state_.CurrentView : -1;
    if (current == marked_) return;
    marked_ = current;
    for (int v = 0; v < VIEW_COUNT; ++v) {
        QPalette palette = frames_[v]->palette();
        palette.setColor(QPalette::Window, v == current ? QColor(64, 128, 255) : QColor(96, 96, 96));
        frames_[v]->setPalette(palette);
    }
}

void ViewArea::SetFourViews(bool four) {
    // Switched on by the user, not laid out from the settings at start-up.
    if (four && !four_ && windowsSized_) equalisePending_ = true;
    four_ = four;
    Arrange();
}

void ViewArea::SetOrientation(bool viewOrient) {
    orient_ = viewOrient;
    Arrange();
}

void ViewArea::ShowView(int view) {
    if (view < 0 || view >= VIEW_COUNT) return;
    state_.CurrentView = int16_t(view);
    if (!four_) Arrange();
    views_[view]->update();
}

void ViewArea::RepaintVisible() {
    for (ViewWidget* view : views_)
        if (view->isVisibleTo(this)) view->update();
}

void ViewArea::FocusView(int view) {
    if (view >= 0 && view < VIEW_COUNT) views_[view]->setFocus(Qt::OtherFocusReason);
}

}  // namespace fw
