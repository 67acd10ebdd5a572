#pragma once

#include "model/ModelStore.h"

namespace fw {

// Moves every point in use to the nearest position the file can hold (a multiple of
// 1/65536). The writer derives normals, separation planes, centres and boxes from these
// positions, the same ones a reader of the file gets back, so that opening a file it wrote
// and saving it unchanged gives the same bytes. Values the file cannot hold stay as they are
// (the writer refuses them).
void RoundPointsToFile(ModelStore& m);

}  // namespace fw
