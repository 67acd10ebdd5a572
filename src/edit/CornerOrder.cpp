#include "edit/CornerOrder.h"

#include <utility>

namespace fw {

namespace {

CommandResult MoveCorner(Editor& ed, int step) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) {
        return Refused("No polygons available.");
    }
    PolygonRecord& p = m.Polygons[m.CurrentPolygon];
    int from = ed.CurrentListCorner;
    int to = from + step;
    if (from < 0 || from >= p.CornerCount || to < 0 || to >= p.CornerCount) {
        return Refused(step < 0 ? "The corner is already the first."
                                : "The corner is already the last.");
    }
    std::swap(p.Corners[from], p.Corners[to]);
    ed.CurrentListCorner = static_cast<int16_t>(to);
    return Done("Moved corner " + std::to_string(from) + " to place " + std::to_string(to) + ".");
}

}  // namespace

CommandResult MoveCornerUp(Editor& ed) {
    return MoveCorner(ed, -1);
}
CommandResult MoveCornerDown(Editor& ed) {
    return MoveCorner(ed, 1);
}

}  // namespace fw
