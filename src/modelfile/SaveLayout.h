#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "modelfile/FixedPoint.h"

namespace fw {

// Where one submodel's block lies in the model data and which origin its values use.
struct SubmodelLayout {
    FixVector Centre;           // the submodel's Centre in Fix: the origin of its points
    FixVector ParentCentre;     // its parent's Centre (zero for the root)
    std::vector<int> Children;  // submodels it calls, in increasing order
    int32_t BlockStart = 0;     // offset of its block (child groups first) in the model data
    int32_t DefpStart = 0;      // offset of its d_defp_start record
};

// The plan of the model data that the header and the stream are written from.
struct SaveLayout {
    std::array<SubmodelLayout, MAX_SUBMODELS> Submodels;
    std::array<int8_t, MAX_POLYGONS> PolygonOwner{};  // block a polygon is written in
    int32_t DataSize = 0;
};

// The sizing pass over a checked and compressed model: sets FirstPoint and Centre of every
// submodel in use (the root at the origin, the others at the centroid of their points),
// replaces a SortPolygon of -1 by 0, and plans the blocks. Returns "General write error."
// when the store is inconsistent or an offset the stream holds in 16 bits does not fit.
std::string PlanModelData(ModelStore& m, SaveLayout& layout);

}  // namespace fw
