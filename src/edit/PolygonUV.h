#pragma once

#include "model/ModelStore.h"

namespace fw {

// Default texture coordinates of polygon p: the polygon is laid flat (its plane turned onto
// XY with corner 0 at the origin) and each corner's position, divided by 4, becomes its U, V;
// L is 0. A polygon whose corners name no point in use is left as it is.
void ResetPolygonUVL(ModelStore& m, int p);

}  // namespace fw
