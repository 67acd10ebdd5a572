#pragma once

// Picking and rubber-band marking in a view. Positions are PlanePos values: the view's
// horizontal and vertical model coordinates (the iso view's rotated ones). Only items in use
// are read; hidden items are never picked or marked.

#include "model/ModelStore.h"
#include "views/ViewState.h"

namespace fw {

// Squared distance within which a click picks a point or polygon, and the distance from the
// current point within which a Shift-press starts dragging it.
inline constexpr double PICK_DISTANCE_SQUARED = 3.0;
inline constexpr double DRAG_START_DISTANCE = 0.5;

// The point a left click at `mouse` makes current, or -1 for no change. The search starts
// after the current point when that is point 0, so a click there reaches its neighbours; on
// equal distances the lower number wins.
int PickPoint(const ModelStore& m, const ViewState& views, int view, PlanePos mouse);

// The polygon a right click makes current, or -1: the same rules on polygon centroids;
// darkened and hidden polygons are skipped.
int PickPolygon(const ModelStore& m, const ViewState& views, int view, PlanePos mouse);

// True when `mouse` is within DRAG_START_DISTANCE of the current point.
bool NearCurrentPoint(const ModelStore& m, const ViewState& views, int view, PlanePos mouse);

// Centroid of a polygon's corners that name points in use; false when it has none.
bool PolygonCentroid(const ModelStore& m, const ViewState& views, int view, int polygon,
                     PlanePos& centroid);

// Marks every shown point (or every shown, undarkened polygon by its centroid) inside the
// rectangle spanned by the two corners, bounds included; marks are only added. The marked
// counts are recounted. Returns how many items were newly marked.
int MarkPointsInBand(ModelStore& m, const ViewState& views, int view, PlanePos a, PlanePos b);
int MarkPolygonsInBand(ModelStore& m, const ViewState& views, int view, PlanePos a, PlanePos b);

}  // namespace fw
