#pragma once

#include <string>

#include "model/ModelStore.h"

namespace fw {


// Number of parent links from submodel s up to the root; -1 when the chain does not reach
// the root through lower-numbered submodels.
int SubmodelDepth(const ModelStore& m, int s);

// Why the submodel tree of the submodels in use cannot be saved, or "" when it can: every
// submodel other than the root needs a lower-numbered parent (the stream only calls a
// child from its parent's block, which comes first) and at most MAX_SUBMODEL_DEPTH levels.
std::string CheckSubmodelTree(const ModelStore& m);

}  // namespace fw
