#pragma once

#include <QWidget>
#include <functional>
#include <string_view>

#include "views/ViewState.h"

class QGridLayout;
class QLabel;

namespace fw {

class Editor;

// The right strip: which view is shown, the mouse position, zoom, pan step, grid and snap
// (iso angles for the iso view), and the view buttons HIcon.
class ViewInfoStrip : public QWidget {
    Q_OBJECT
public:
    ViewInfoStrip(Editor& ed, ViewState& views, QWidget* parent);

    // Shows the current view's caption, zoom, pan step and grid and snap or iso angles.
    void ShowViewState();
    // Mouse position along the view's horizontal and vertical axes.
    void ShowMousePosition(int view, double h, double v);

    // Runs a view button's command (by id); the window repaints and refocuses.
    std::function<void(std::string_view id)> runCommand;

private:
    QLabel* AddValue(QGridLayout* grid, int row, const char* captionName, const QString& caption,
                     const char* valueName, const QString& value);

    Editor& ed_;
    ViewState& views_;
    QLabel* labelView_;
    QLabel* labelCoordinate1_;
    QLabel* labelCoordinate2_;
    QLabel* coordinate1_;
    QLabel* coordinate2_;
    QLabel* zoom_;
    QLabel* move_;
    QLabel* gridCaption_;
    QLabel* grid_;
    QLabel* snapCaption_;
    QLabel* snap_;
    int shownView_ = -1;  // the view whose state the strip shows
};

}  // namespace fw
