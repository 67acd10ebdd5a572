#pragma once

// The view drawing as it stood before repeated strokes were left out: every polygon edge
// stroked once per polygon (again for marked ones), a ring stamped per corner. Frozen here
// as the picture ViewPainter must reproduce pixel for pixel, and as the benchmarks' floor.
// Keep it unchanged.

#include <QPainter>
#include <QSize>

#include "model/ModelStore.h"
#include "views/ViewState.h"

namespace fw {

class ReferenceViewPainter {
public:
    ReferenceViewPainter(const ModelStore& model, const ViewState& views)
        : model_(model), views_(views) {}

    // Draws view 0..3 showing `window` onto the rectangle (0, 0, size) of the painter. The
    // orthographic views draw background, grid, axes, points, polygons, marks, the current
    // polygon, the current point and the current polygon's normal; the iso view draws a
    // rotated wireframe of the shown polygons with marks and current items. Only items in
    // use are read, and corners that name no point in use are left out.
    void Paint(QPainter& painter, int view, const ViewWindow& window, QSize size) const;
    // The same with the view's own window.
    void Paint(QPainter& painter, int view, QSize size) const;

private:
    struct Surface;
    void PaintOrtho(QPainter& p, const Surface& s) const;
    void PaintIso(QPainter& p, const Surface& s) const;
    void PaintGridAndAxes(QPainter& p, const Surface& s, float spacing) const;
    void PaintPolygons(QPainter& p, const Surface& s, bool iso) const;
    void PaintMarkedPoints(QPainter& p, const Surface& s) const;
    void PaintCurrentPoint(QPainter& p, const Surface& s) const;
    void PaintMarkedPolygons(QPainter& p, const Surface& s, bool iso) const;
    void PaintCurrentPolygon(QPainter& p, const Surface& s) const;
    void PaintNormal(QPainter& p, const Surface& s) const;
    void AddOutline(QVector<QLineF>& lines, const Surface& s, int polygon) const;
    bool ValidPoint(int point) const;
    bool ValidPolygon(int polygon) const;

    const ModelStore& model_;
    const ViewState& views_;
};

}  // namespace fw
