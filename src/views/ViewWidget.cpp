#include "views/ViewWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <limits>
#include <string>

#include "edit/Selection.h"
#include "views/ViewKeys.h"
#include "views/ViewPainter.h"
#include "views/ViewPicking.h"

namespace fw {

namespace {

// The iso view has no snap setting: its drags snap to whole units.
constexpr float ISO_SNAP_STEP = 1.0f;
// Wheel movement of one notch (eighths of a degree); finer wheels send parts of it.
constexpr int WHEEL_NOTCH = 120;

}  // namespace

ViewWidget::ViewWidget(Editor& editor, ViewState& views, int viewIndex, QWidget* parent)
    : QWidget(parent), editor_(editor), views_(views), view_(viewIndex) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringList{"XYViewBox", "XZViewBox", "ZYViewBox", "ISOViewBox"}.value(view_));
}

PlanePos ViewWidget::PixelToPlane(QPointF pixel) const {
    const ViewWindow& w = views_.Views[view_].Window;
    return ViewToPlane(PixelToView(w, width(), height(), pixel.x(), pixel.y()));
}

QPointF ViewWidget::PlaneToPixel(PlanePos pos) const {
    double i = 0, j = 0;
    ViewToPixel(views_.Views[view_].Window, width(), height(), PlaneToView(pos), i, j);
    return {i, j};
}

void ViewWidget::paintEvent(QPaintEvent*) {
    if (views_.DrawInProgress) return;
    views_.DrawInProgress = true;
    QPainter painter(this);
    ViewPainter(editor_.Model(), views_).Paint(painter, view_, size());
    PaintBand(painter);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    views_.DrawInProgress = false;
}

// The rubber band is drawn inverting what is under it, so it shows on every colour.
void ViewWidget::PaintBand(QPainter& painter) const {
    if (dragState_ != DragPointBand && dragState_ != DragPolygonBand) return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(PlaneToPixel(bandAnchor_), PlaneToPixel(bandLast_)).normalized());
    painter.restore();
}

void ViewWidget::focusInEvent(QFocusEvent*) {
    views_.CurrentView = static_cast<int16_t>(view_);
    emit focused(view_);
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    editor_.EndMerge();
    ModelStore& m = editor_.Model();
    PlanePos pos = PixelToPlane(event->position());
    int shift = ShiftState(event->modifiers());
    bool left = event->button() == Qt::LeftButton, right = event->button() == Qt::RightButton;
    if (event->button() == Qt::MiddleButton) {
        panning_ = true;
        panLast_ = event->position();
    } else if (left && shift == 0) {
        int picked = PickPoint(m, views_, view_, pos);
        if (picked >= 0) editor_.Run("Select Point", [&] { return SelectPoint(editor_, picked); });
    } else if (left && shift == 1) {
        if (NearCurrentPoint(m, views_, view_, pos)) {
            bandAnchor_ = pos;
            // Not a snapped position, so the first move always repaints.
            bandLast_ = {std::numeric_limits<double>::quiet_NaN(), 0};
            dragState_ = DragPoint;
            ++dragCount_;
        }
    } else if (left && shift == 2) {
        bandAnchor_ = bandLast_ = pos;
        dragState_ = DragPointBand;
    } else if (right && shift == 0) {
        int picked = PickPolygon(m, views_, view_, pos);
        if (picked >= 0)
            editor_.Run("Select Polygon", [&] { return SelectPolygon(editor_, picked); });
    } else if (right && shift == 2) {
        bandAnchor_ = bandLast_ = pos;
        dragState_ = DragPolygonBand;
    }
    update();
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        // The model follows the mouse: the window moves the other way.
        const ViewWindow& w = views_.Views[view_].Window;
        QPointF moved = event->position() - panLast_;
        panLast_ = event->position();
        if (width() > 0 && height() > 0 &&
            views_.PanBy(view_, -moved.x() * w.width / width(), -moved.y() * w.height / height()))
            emit viewStateChanged();
    }
    if (views_.CurrentView != view_) return;
    PlanePos pos = PixelToPlane(event->position());
    if (view_ != VIEW_ISO) emit mouseModelPosition(view_, pos.h, pos.v);
    if (dragState_ == DragPoint) {
        DragCurrentPointTo(pos);
    } else if (dragState_ == DragPointBand || dragState_ == DragPolygonBand) {
        bandLast_ = pos;
        update();
    }
}

void ViewWidget::DragCurrentPointTo(PlanePos pos) {
    ModelStore& m = editor_.Model();
    if (m.CurrentPoint < 0 || m.CurrentPoint >= m.NumPoints) return;
    float step = view_ == VIEW_ISO ? ISO_SNAP_STEP : views_.Views[view_].SnapStep();
    PlanePos snapped{SnapToStep(static_cast<float>(pos.h), step),
                     SnapToStep(static_cast<float>(pos.v), step)};
    // The iso view's plane stands for X and Y.
    ViewAxes axes = AxesOf(view_ == VIEW_ISO ? VIEW_XY : view_);
    editor_.Run(
        "Move Point",
        [&] {
            PointRecord& p = m.Points[m.CurrentPoint];
            SetCoordinate(p, axes.h, snapped.h);
            SetCoordinate(p, axes.v, snapped.v);
        },
        "drag-" + std::to_string(dragCount_));
    if (snapped == bandLast_) return;
    bandLast_ = snapped;
    update();
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) panning_ = false;
    int16_t state = dragState_;
    dragState_ = DragIdle;
    ModelStore& m = editor_.Model();
    PlanePos pos = PixelToPlane(event->position());
    switch (state) {
        case DragPoint:
            editor_.EndMerge();
            break;
        case DragPointBand:
            editor_.Run("Mark Points",
                        [&] { MarkPointsInBand(m, views_, view_, bandAnchor_, pos); });
            break;
        case DragPolygonBand:
            editor_.Run("Mark Polygons",
                        [&] { MarkPolygonsInBand(m, views_, view_, bandAnchor_, pos); });
            break;
        default:
            break;
    }
    update();
}

void ViewWidget::keyPressEvent(QKeyEvent* event) {
    ViewKey key{event->key(), ShiftState(event->modifiers()),
                (event->modifiers() & Qt::KeypadModifier) != 0};
    ViewKeyResult result = view_ == VIEW_ISO
                               ? IsoKeyDown(editor_, views_, key)
                               : ViewKeyDown(editor_, views_, key, MoveAxes(views_, view_));
    if (!result.handled) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (result.viewChanged) emit viewStateChanged();
    update();
}

void ViewWidget::wheelEvent(QWheelEvent* event) {
    wheelRest_ += event->angleDelta().y();
    ViewPos at = PixelToView(views_.Views[view_].Window, width(), height(), event->position().x(),
                             event->position().y());
    bool changed = false;
    for (; wheelRest_ >= WHEEL_NOTCH; wheelRest_ -= WHEEL_NOTCH)
        changed = views_.ZoomInAt(view_, at) || changed;
    for (; wheelRest_ <= -WHEEL_NOTCH; wheelRest_ += WHEEL_NOTCH)
        changed = views_.ZoomOutAt(view_, at) || changed;
    event->accept();
    if (changed) emit viewStateChanged();
    update();
}

void ViewWidget::resizeEvent(QResizeEvent*) {
    views_.SetSurface(view_, width(), height());
}

// A pane shown again at the size it had when hidden gets no resize, but the state may have
// been told another size for it meanwhile (framing a hidden view).
void ViewWidget::showEvent(QShowEvent*) {
    views_.SetSurface(view_, width(), height());
}

}  // namespace fw
