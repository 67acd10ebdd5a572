#pragma once

#include <QWidget>
#include <array>

#include "model/Editor.h"
#include "views/ViewState.h"

class QFrame;
class QSplitter;

namespace fw {

class ViewWidget;

// The view area: the four views XYViewBox, XZViewBox, ZYViewBox and ISOViewBox, shown one
// at a time or as two rows of two divided by the splitter VertSplitter.
class ViewArea : public QWidget {
    Q_OBJECT
public:
    ViewArea(Editor& ed, ViewState& views, QWidget* parent);

    // Four-view layout on or off; in the single-view layout the current view fills the area.
    void SetFourViews(bool four);
    bool FourViews() const { return four_; }
    // The two arrangements of the four views: XY and ZY above XZ and ISO (false), or XZ and
    // ISO above XY and ZY (true).
    void SetOrientation(bool viewOrient);
    // Makes `view` the one shown in the single-view layout.
    void ShowView(int view);
    // Repaints the views that are visible.
    void RepaintVisible();
    void FocusView(int view);
    // Once the pending layout has settled: the first time, sizes every view's window from
    // the current view's surface (ViewState::InitAllWindows); then does any framing asked
    // for meanwhile, and repaints.
    void LayOutViews();
    // Frames the model in every view (ViewState::ZoomToFit) once the layout has settled; a
    // hidden view is framed for the surface the current view has, which it takes when shown
    // in its place.
    void FrameModel();
    // Outlines the current view in the four-view layout.
    void MarkCurrent();

    ViewWidget* View(int view) const { return views_[view]; }
    QSplitter* Splitter() const { return splitter_; }

signals:
    void focused(int view);
    void mouseModelPosition(int view, double h, double v);
    void viewStateChanged();

private:
    void Arrange();

    void FrameNow();

    Editor& ed_;
    ViewState& state_;
    std::array<ViewWidget*, 4> views_{};
    std::array<QFrame*, 4> frames_{};  // the border that marks the current view
    std::array<QWidget*, 2> rows_{};
    QSplitter* splitter_;
    bool windowsSized_ = false;  // the views' windows were sized from a real surface
    bool framePending_ = false;
    bool equalisePending_ = false;  // the four views were just switched on
    int marked_ = -2;  // the view MarkCurrent outlined last, -1 none; -2 before the first call
    bool four_ = false;
    bool orient_ = false;
};

}  // namespace fw
