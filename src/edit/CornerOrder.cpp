#include "edit/CornerOrder.h"

#include <utility>

namespace fw {

namespace {

void MoveCorner(Editor& ed, int step) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) {
        ed.ShowStatus("No polygons available.", -1);
        return;
    }
    PolygonRecord& p = m.Polygons[m.CurrentPolygon];
    int from = ed.CurrentListCorner;
    int to = from + step;
    if (from < 0 || from >= p.CornerCount || to < 0 || to >= p.CornerCount) {
        ed.ShowStatus(
            step < 0 ? "The corner is already the first." : "The corner is already the last.", -1);
        return;
    }
    std::swap(p.Corners[from], p.Corners[to]);
    ed.CurrentListCorner = static_cast<int16_t>(to);
    ed.RefreshAfterEdit(2);
    ed.ShowStatus("Moved corner " + std::to_string(from) + " to place " + std::to_string(to) + ".",
                  1);
}

}  // namespace

void MoveCornerUp(Editor& ed) {
    MoveCorner(ed, -1);
}
void MoveCornerDown(Editor& ed) {
    MoveCorner(ed, 1);
}

}  // namespace fw
