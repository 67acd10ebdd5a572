#include "edit/PolygonTools.h"

#include <algorithm>
#include <vector>

#include "edit/PlaneFrame.h"
#include "edit/PolygonUV.h"

namespace fw {

CommandResult PlacePointInPlane(Editor& ed) {
    ModelStore& m = ed.Model();
    std::vector<int> marked;
    for (int i = 0; i < m.NumPoints; ++i)
        if (m.PointMarked[i]) marked.push_back(i);
    if (m.NumMarkedPoints != 3 || marked.size() != 3) {
        return Refused("Need to mark 3 points total.");
    }
    int current = m.CurrentPoint;
    if (current < 0 || current >= m.NumPoints) return Ignored();
    if (m.PointMarked[current]) {
        return Refused("Current point should not be marked.");
    }

    PlaneFrame frame(m.Points[marked[0]], m.Points[marked[1]], m.Points[marked[2]]);
    // The command still goes on: a zero normal turns the plane into y = M0.y.
    if (frame.HasZeroNormal()) ed.ShowMessage(EDIT_MESSAGE_TITLE, "Error while calculating normal");
    PointRecord inPlane = frame.ToPlane(m.Points[current]);
    inPlane.Z = 0;
    m.Points[current] = frame.FromPlane(inPlane);

    return Done("Placed point in plane.");
}

CommandResult ResetMarkedTextures(Editor& ed) {
    ModelStore& m = ed.Model();
    for (int i = 0; i < m.NumPolygons; ++i) {
        if (!m.PolygonMarked[i]) continue;
        ResetPolygonUVL(m, i);
        m.Polygons[i].TextureNumber = 0;
        m.Polygons[i].FlatColour = DEFAULT_FLAT_COLOUR;
    }
    return Done();
}

CommandResult RearrangeFourSided(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons <= 0 || m.CurrentPolygon < 0 || m.CurrentPolygon >= m.NumPolygons)
        return Ignored();
    PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    if (poly.CornerCount != 4) {
        return Refused("Must have a 4-sided polygon for this feature.");
    }
    auto& c = poly.Corners;
    int16_t second = c[1];
    c[1] = c[2];
    c[2] = c[3];
    c[3] = second;
    return Done("Tried quick rearrange.");
}

CommandResult FlipPolygon(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons <= 0) {
        return Refused("No polygons available.");
    }
    if (m.CurrentPolygon < 0 || m.CurrentPolygon >= m.NumPolygons) return Ignored();
    PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    int n = std::clamp<int>(poly.CornerCount, 0, MAX_CORNERS);
    std::reverse(poly.Corners.begin(), poly.Corners.begin() + n);
    return Done("Flipped polygon point order and normal.");
}

}  // namespace fw
