#include "modelfile/FilePrecision.h"

#include <algorithm>
#include <cmath>

#include "modelfile/FixedPoint.h"

namespace fw {

static void Round(double& value) {
    if (FitsFixedPoint(value)) value = std::nearbyint(value * FIX_ONE) / FIX_ONE;
}

void RoundPointsToFile(ModelStore& m) {
    for (int i = 0; i < std::clamp<int>(m.NumPoints, 0, MAX_POINTS); ++i) {
        Round(m.Points[i].X);
        Round(m.Points[i].Y);
        Round(m.Points[i].Z);
    }
}

}  // namespace fw
