#include "modelfile/SubmodelTree.h"

namespace fw {

int SubmodelDepth(const ModelStore& m, int s) {
    int depth = 0;
    while (s != 0) {
        if (s < 0 || s >= MAX_SUBMODELS) return -1;
        int parent = m.Submodels[s].Parent;
        if (parent >= s) return -1;  // also ends every cycle
        s = parent;
        ++depth;
    }
    return depth;
}

std::string CheckSubmodelTree(const ModelStore& m) {
    for (int s = 1; s < m.NumSubmodels && s < MAX_SUBMODELS; ++s) {
        int parent = m.Submodels[s].Parent;
        if (parent >= s)
            return "Submodel " + std::to_string(s) + " has parent " + std::to_string(parent) +
                   ", but needs a parent with a lower number. Model not saved.";
        if (SubmodelDepth(m, s) > MAX_SUBMODEL_DEPTH)
            return "Submodel " + std::to_string(s) + " is nested more than " +
                   std::to_string(MAX_SUBMODEL_DEPTH) + " levels deep. Model not saved.";
    }
    return "";
}

}  // namespace fw
