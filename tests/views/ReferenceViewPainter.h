#pragma once

// The view drawing as it stood before repeated strokes were left out: every polygon edge
// stroked once per polygon (again for marked ones), a ring stamped per corner. Frozen here
// as the picture ViewPainter must reproduce pixel for pixel, and as the benchmarks' floor.
// Keep what it draws, and the way it draws it, unchanged.

#include <QPainter>
#include <QSize>

#include "model/ModelStore.h"
#include "views/ViewState.h"

namespace fw {

class ReferenceViewPainter {
public:
    ReferenceViewPainter(const ModelStore& model, const ViewState& views)
        : model_(model), views_(views) {}

    // Draws view 0..3 showing `window` onto the rectangle (0, 0, size) of the painter: the
    // picture ViewPainter::Paint draws.
    void Paint(QPainter& painter, int view, const ViewWindow& window, QSize size) const;
    // The same with the view's own window.
    void Paint(QPainter& painter, int view, QSize size) const;

private:
    const ModelStore& model_;
    const ViewState& views_;
};

}  // namespace fw
