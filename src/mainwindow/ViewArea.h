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
    // Sizes the window of every view the user sees for the first time from its surface,
    // once the pending layout has settled (a hidden view may have had any size before).
    void LayOutNewlyShownViews();
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

    ViewState& state_;
    std::array<ViewWidget*, 4> views_{};
    std::array<QFrame*, 4> frames_{};  // the border that marks the current view
    std::array<QWidget*, 2> rows_{};
    QSplitter* splitter_;
    std::array<bool, 4> shown_{};  // the view's window was sized from its real surface
    int marked_ = -2;  // the view MarkCurrent outlined last, -1 none; -2 before the first call
    bool four_ = false;
    bool orient_ = false;
};

}  // namespace fw
