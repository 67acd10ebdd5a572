#pragma once

#include <optional>

#include "model/Editor.h"

namespace fw {

// Appends a point at the origin, marks it, makes it current and puts the marked points
// into the last submodel. Refuses when the point table is full.
CommandResult InsertPoint(Editor& ed);

// Deletes the marked points and renumbers the rest; refuses while a marked point is a
// polygon corner.
CommandResult DeletePoints(Editor& ed);

// Appends a polygon whose corners are the 3 to 20 marked points. Refuses when the polygon
// table is full.
CommandResult InsertPolygon(Editor& ed);

// Deletes the marked polygons; their points stay.
CommandResult DeletePolygons(Editor& ed);

// Puts the corners of polygon p in order of falling bearing around their centre, in the
// axis plane where the polygon is most spread out.
void OrderNewPolygonCorners(ModelStore& m, int p);

// The average position of the marked points; nullopt when none is marked.
std::optional<PointRecord> CentreOfMarkedPoints(const ModelStore& m);

}  // namespace fw
