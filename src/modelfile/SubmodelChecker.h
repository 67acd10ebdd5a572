#pragma once

#include <string>

#include "model/EditorHost.h"
#include "model/ModelStore.h"

namespace fw {

// Sorts the points by submodel (stably, old-to-new numbers in PointRemap), marks the
// polygons whose corners lie in more than one submodel (clearing all polygon marks first
// when there is one), renumbers the corners, gives the used submodels consecutive numbers
// and moves their records (centre, parent, sorting polygon) down with them, sets every
// record's PointCount and NumSubmodels, and moves positions and hidden flags. Point marks
// stay with the point numbers. Returns the number of spread polygons.
int CompressSubmodels(ModelStore& m);

// "WARNING!  <count> polygon(s) are spread across one or more submodels"
std::string SpreadWarningText(int count);

// The check that precedes every save: false when a polygon is spread over submodels, after
// showing the warning box through `sink` (when given). A model without polygons is left
// exactly as it is and passes.
bool CheckAndCompress(ModelStore& m, MessageSink* sink);

}  // namespace fw
