#include "edit/Hiding.h"

namespace fw {

static CommandResult SetMarkedPolygonsHidden(Editor& ed, uint8_t value, const char* status) {
    ModelStore& m = ed.Model();
    for (int i = 0; i < m.NumPolygons; ++i) {
        if (!m.PolygonMarked[i]) continue;
        m.PolygonMarked[i] = 0;
        m.PolygonHidden[i] = value;
    }
    m.NumMarkedPolygons = 0;
    return Done(status);
}

CommandResult UnhideAllPolygons(Editor& ed) {
    ed.Model().PolygonHidden.fill(ITEM_SHOWN);
    return Done("Polygons are no longer hidden");
}

CommandResult DarkenMarkedPolygons(Editor& ed) {
    return SetMarkedPolygonsHidden(ed, ITEM_DARKENED, "Darkening marked polygons");
}

CommandResult HideMarkedPolygons(Editor& ed) {
    return SetMarkedPolygonsHidden(ed, ITEM_HIDDEN, "Hiding marked polygons");
}

CommandResult UnhideAllPoints(Editor& ed) {
    ed.Model().PointHidden.fill(ITEM_SHOWN);
    return Done("Points are no longer hidden");
}

CommandResult HideMarkedPoints(Editor& ed) {
    ModelStore& m = ed.Model();
    for (int i = 0; i < m.NumPoints; ++i) {
        if (!m.PointMarked[i]) continue;
        m.PointMarked[i] = 0;
        m.PointHidden[i] = ITEM_HIDDEN;
    }
    m.NumMarkedPoints = 0;
    return Done("Hiding marked points");
}

}  // namespace fw
