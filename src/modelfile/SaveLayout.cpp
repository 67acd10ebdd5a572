#include "modelfile/SaveLayout.h"

#include <algorithm>

#include "modelfile/ModelFile.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

constexpr int32_t MAX_SHORT_OFFSET = INT16_MAX;

bool CountsInRange(const ModelStore& m) {
    return m.NumPoints >= 1 && m.NumPoints <= MAX_POINTS && m.NumPolygons >= 0 &&
           m.NumPolygons <= MAX_POLYGONS && m.NumSubmodels >= 1 && m.NumSubmodels <= MAX_SUBMODELS;
}

bool PolygonsValid(const ModelStore& m) {
    for (int i = 0; i < m.NumPolygons; ++i)
        if (!PolygonIsValid(m, i)) return false;
    return true;
}

// Submodel s must own exactly the PointCount points from the running first point on.
bool AssignFirstPoints(ModelStore& m) {
    int p = 0;
    for (int s = 0; s < m.NumSubmodels; ++s) {
        SubmodelRecord& r = m.Submodels[s];
        if (r.PointCount < 0 || p + r.PointCount > m.NumPoints) return false;
        r.FirstPoint = p;
        for (int i = p; i < p + r.PointCount; ++i)
            if (m.PointSubmodel[i] != s) return false;
        p += r.PointCount;
    }
    return p == m.NumPoints;
}

void SetCentres(ModelStore& m) {
    m.Submodels[0].Centre = {0, 0, 0};
    for (int s = 1; s < m.NumSubmodels; ++s) {
        SubmodelRecord& r = m.Submodels[s];
        r.Centre = {0, 0, 0};
        if (r.PointCount < 1) continue;
        for (int i = r.FirstPoint; i < r.FirstPoint + r.PointCount; ++i) {
            r.Centre[0] += m.Points[i].X;
            r.Centre[1] += m.Points[i].Y;
            r.Centre[2] += m.Points[i].Z;
        }
        for (double& c : r.Centre) c /= r.PointCount;
    }
}

// The blocks refer to each other with 16-bit offsets; the header's pointers are read as
// 16-bit values by the game as well.
bool OffsetsFit(const SaveLayout& layout, int numSubmodels) {
    for (int s = 0; s < numSubmodels; ++s) {
        const SubmodelLayout& b = layout.Submodels[s];
        if (b.BlockStart > MAX_SHORT_OFFSET || b.DefpStart > MAX_SHORT_OFFSET) return false;
        for (size_t j = 0; j < b.Children.size(); ++j) {
            int32_t subcall = b.BlockStart + CHILD_GROUP_SIZE * int32_t(j) + SORTNORM_CHILD_OFFSET;
            int32_t jump = layout.Submodels[b.Children[j]].BlockStart - subcall;
            if (jump < 1 || jump > MAX_SHORT_OFFSET) return false;
        }
    }
    return true;
}

}  // namespace

std::string PlanModelData(ModelStore& m, SaveLayout& layout) {
    layout = SaveLayout{};
    if (!CountsInRange(m) || !PolygonsValid(m) || !AssignFirstPoints(m)) return WRITE_ERROR_MESSAGE;
    SetCentres(m);

    FixRounder fix;
    const int n = m.NumSubmodels;
    for (int s = 0; s < n; ++s) {
        const auto& c = m.Submodels[s].Centre;
        layout.Submodels[s].Centre = fix(c[0] * FIX_ONE, c[1] * FIX_ONE, c[2] * FIX_ONE);
    }
    for (int s = 1; s < n; ++s) {
        SubmodelRecord& r = m.Submodels[s];
        if (r.SortPolygon == -1) r.SortPolygon = 0;
        if (r.Parent < s) {
            layout.Submodels[s].ParentCentre = layout.Submodels[r.Parent].Centre;
            layout.Submodels[r.Parent].Children.push_back(s);
        }
    }

    std::array<int64_t, MAX_SUBMODELS> blockSize{};
    for (int s = 0; s < n; ++s)
        blockSize[s] = CHILD_GROUP_SIZE * int64_t(layout.Submodels[s].Children.size()) +
                       DefpStartSize(m.Submodels[s].PointCount) + 2 * EOF_SIZE;
    for (int i = 0; i < m.NumPolygons; ++i) {
        // A polygon without corners has no submodel of its own; the root keeps it.
        int owner = std::max(PolygonSubmodel(m, i), 0);
        if (owner >= n) return WRITE_ERROR_MESSAGE;
        layout.PolygonOwner[i] = static_cast<int8_t>(owner);
        const PolygonRecord& p = m.Polygons[i];
        blockSize[owner] += PolygonRecordSize(p.CornerCount, !p.IsFlat());
    }

    int64_t offset = 0;
    for (int s = 0; s < n; ++s) {
        SubmodelLayout& b = layout.Submodels[s];
        b.BlockStart = static_cast<int32_t>(std::min<int64_t>(offset, INT32_MAX));
        b.DefpStart = static_cast<int32_t>(
            std::min<int64_t>(offset + CHILD_GROUP_SIZE * int64_t(b.Children.size()), INT32_MAX));
        offset += blockSize[s];
    }
    if (offset > INT32_MAX || fix.Failed() || !OffsetsFit(layout, n)) return WRITE_ERROR_MESSAGE;
    layout.DataSize = static_cast<int32_t>(offset);
    return "";
}

}  // namespace fw
