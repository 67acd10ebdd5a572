#pragma once

// Draws one view of the model onto any QPainter: a widget, an image or a benchmark surface.
// It reads the model and view state as they stand and keeps no copy.

#include <QPainter>
#include <QSize>

#include "model/ModelStore.h"
#include "views/ViewState.h"

namespace fw {

class ViewScene;

// Draws a built scene onto the rectangle (0, 0, size) of the painter: black background,
// then the scene's runs in order.
void PaintScene(QPainter& painter, const ViewScene& scene, QSize size);

class ViewPainter {
public:
    ViewPainter(const ModelStore& model, const ViewState& views) : model_(model), views_(views) {}

    // Draws view 0..3 showing `window` onto the rectangle (0, 0, size) of the painter. The
    // orthographic views draw background, grid, axes, points, polygons, marks, the current
    // polygon, the current point and the current polygon's normal; the iso view draws a
    // rotated wireframe of the shown polygons with marks and current items. Only items in
    // use are read, and corners that name no point in use are left out. A stroke that a
    // later one covers exactly (an edge shared by two polygons, a marked outline over the
    // plain one) is not drawn twice (ViewScene).
    void Paint(QPainter& painter, int view, const ViewWindow& window, QSize size) const;
    // The same with the view's own window.
    void Paint(QPainter& painter, int view, QSize size) const;

private:
    const ModelStore& model_;
    const ViewState& views_;
};

}  // namespace fw
