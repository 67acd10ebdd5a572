#include "edit/Hiding.h"

namespace fw {

static void SetMarkedPolygonsHidden(Editor& ed, uint8_t value, const char* status) {
    ModelStore& m = ed.Model();
    for (int i = 0; i < m.NumPolygons; ++i) {
        if (!m.PolygonMarked[i]) continue;
        m.PolygonMarked[i] = 0;
        m.PolygonHidden[i] = value;
    }
    // The counter is cleared before the refresh so that the lists show no stale count.
    m.NumMarkedPolygons = 0;
    ed.RefreshAfterEdit(2);
    ed.ShowStatus(status, 1);
}

void UnhideAllPolygons(Editor& ed) {
    ed.Model().PolygonHidden.fill(ITEM_SHOWN);
    ed.RefreshAfterEdit(2);
    ed.ShowStatus("Polygons are no longer hidden", 1);
}

void DarkenMarkedPolygons(Editor& ed) {
    SetMarkedPolygonsHidden(ed, ITEM_DARKENED, "Darkening marked polygons");
}

void HideMarkedPolygons(Editor& ed) {
    SetMarkedPolygonsHidden(ed, ITEM_HIDDEN, "Hiding marked polygons");
}

void UnhideAllPoints(Editor& ed) {
    ed.Model().PointHidden.fill(ITEM_SHOWN);
    ed.RefreshAfterEdit(1);
    ed.ShowStatus("Points are no longer hidden", 1);
}

void HideMarkedPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    for (int i = 0; i < m.NumPoints; ++i) {
        if (!m.PointMarked[i]) continue;
        m.PointMarked[i] = 0;
        m.PointHidden[i] = ITEM_HIDDEN;
    }
    m.NumMarkedPoints = 0;
    ed.RefreshAfterEdit(2);
    ed.ShowStatus("Hiding marked points", 1);
}

}  // namespace fw
