#pragma once

// One of the four view panes. It paints the model with ViewPainter and turns mouse and keys
// into view operations and editing commands; all state lives in the shared ViewState and in
// the Editor, so the four panes stay in step. The owner sizes the views' windows onto the
// model (ViewState::InitAllWindows) once the panes first have their real sizes; the pane
// tells the state its size whenever it changes (ViewState::SetSurface).
//
// Mouse: left click picks the nearest point, right click the nearest polygon; Shift+left
// near the current point drags it on the view's snap grid (one undo step per drag);
// Ctrl+left and Ctrl+right drag rubber bands that mark points or polygons; a middle drag
// pans and the wheel zooms one step per notch about the point under the mouse. Keys: see
// ViewKeys.h.

#include <QWidget>
#include <cstdint>

#include "model/Editor.h"
#include "views/ViewState.h"

namespace fw {

class ViewWidget : public QWidget {
    Q_OBJECT

public:
    enum DragMode : int16_t { DragIdle = 0, DragPoint = 1, DragPointBand = 3, DragPolygonBand = 4 };

    // viewIndex: 0 XY, 1 XZ, 2 ZY, 3 ISO.
    ViewWidget(Editor& editor, ViewState& views, int viewIndex, QWidget* parent = nullptr);

    int ViewIndex() const { return view_; }
    int16_t DragState() const { return dragState_; }

    // Widget pixel to the view's (horizontal, vertical) model position and back.
    PlanePos PixelToPlane(QPointF pixel) const;
    QPointF PlaneToPixel(PlanePos pos) const;

    QSize sizeHint() const override { return {400, 300}; }

signals:
    // The view got the input focus and is now ViewState::CurrentView.
    void focused(int viewIndex);
    // Mouse position over the current orthographic view, in model units along its
    // horizontal and vertical axis (for Coordinate1 / Coordinate2).
    void mouseModelPosition(int view, double h, double v);
    // Zoom, pan, grid, snap or the iso angles changed: labels need updating and the views
    // repainting.
    void viewStateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void DragCurrentPointTo(PlanePos pos);
    void PaintBand(QPainter& painter) const;

    Editor& editor_;
    ViewState& views_;
    int view_;
    int16_t dragState_ = DragIdle;
    PlanePos bandAnchor_, bandLast_;
    int dragCount_ = 0;     // tells one drag's undo entry from the next
    bool panning_ = false;  // a middle-button drag is moving the window
    QPointF panLast_;       // pixel the pan last moved from
    int wheelRest_ = 0;     // wheel movement short of a whole notch, kept for the next event
};

}  // namespace fw
