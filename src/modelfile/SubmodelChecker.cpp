#include "modelfile/SubmodelChecker.h"

#include <algorithm>

namespace fw {
namespace {

using SubmodelCounts = std::array<int, MAX_SUBMODELS>;
inline constexpr int UNUSED = -1;

// Submodel numbers beyond the table are taken as the last one, so no point is ever dropped.
int SubmodelOf(const ModelStore& m, int point) {
    return std::min<int>(m.PointSubmodel[point], MAX_SUBMODELS - 1);
}

bool IsPoint(int corner, int numPoints) {
    return corner >= 0 && corner < numPoints;
}

bool IsSpread(const ModelStore& m, const PolygonRecord& p, int numPoints) {
    int corners = std::clamp<int>(p.CornerCount, 0, MAX_CORNERS);
    if (corners < 1 || !IsPoint(p.Corners[0], numPoints)) return false;
    int s = SubmodelOf(m, p.Corners[0]);
    for (int j = 1; j < corners; ++j)
        if (IsPoint(p.Corners[j], numPoints) && SubmodelOf(m, p.Corners[j]) != s) return true;
    return false;
}

int MarkSpreadPolygons(ModelStore& m, int numPoints) {
    int spread = 0;
    int polygons = std::clamp<int>(m.NumPolygons, 0, MAX_POLYGONS);
    for (int i = 0; i < polygons; ++i) {
        if (!IsSpread(m, m.Polygons[i], numPoints)) continue;
        if (spread == 0) m.PolygonMarked.fill(0);
        m.PolygonMarked[i] = 1;
        ++spread;
    }
    CountMarkedPolygons(m);
    return spread;
}

void RenumberCorners(ModelStore& m, int numPoints) {
    int polygons = std::clamp<int>(m.NumPolygons, 0, MAX_POLYGONS);
    for (int i = 0; i < polygons; ++i) {
        PolygonRecord& p = m.Polygons[i];
        int corners = std::clamp<int>(p.CornerCount, 0, MAX_CORNERS);
        for (int j = 0; j < corners; ++j)
            if (IsPoint(p.Corners[j], numPoints)) p.Corners[j] = m.PointRemap[p.Corners[j]];
    }
}

// The parent a used submodel keeps once empty submodels drop out: an empty parent below it
// hands its children to the nearest used ancestor (the root when there is none). A parent
// that could never call it (not lower-numbered) stays invalid, for the writer to report.
uint8_t NewParent(const std::array<SubmodelRecord, MAX_SUBMODELS>& old,
                  const std::array<int, MAX_SUBMODELS>& newNumber, int s) {
    int p = old[s].Parent;
    if (p >= s)
        return static_cast<uint8_t>(p < MAX_SUBMODELS && newNumber[p] != UNUSED ? newNumber[p] : p);
    for (int steps = 0; steps < MAX_SUBMODELS && p < MAX_SUBMODELS; ++steps) {
        if (newNumber[p] != UNUSED) return static_cast<uint8_t>(newNumber[p]);
        p = old[p].Parent;
    }
    return 0;
}

// Moves the records of used submodels down to their new numbers, the records of empty ones
// after them (kept for later use), and sets every PointCount.
void MoveSubmodelRecords(ModelStore& m, const SubmodelCounts& counts,
                         const std::array<int, MAX_SUBMODELS>& newNumber, int used) {
    const auto old = m.Submodels;
    int nextEmpty = used;
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        if (newNumber[s] == UNUSED) {
            SubmodelRecord& r = m.Submodels[nextEmpty++];
            r = old[s];
            r.PointCount = 0;
            continue;
        }
        SubmodelRecord& r = m.Submodels[newNumber[s]];
        r = old[s];
        r.PointCount = static_cast<int16_t>(counts[s]);
        r.Parent = newNumber[s] == 0 ? NO_PARENT : NewParent(old, newNumber, s);
    }
    int current = m.CurrentSubmodel;
    if (current >= 0 && current < MAX_SUBMODELS && newNumber[current] != UNUSED)
        m.CurrentSubmodel = static_cast<int16_t>(newNumber[current]);
}

// Gives the points consecutive submodel numbers, skipping empty submodels.
void NumberSubmodels(ModelStore& m, const SubmodelCounts& counts) {
    std::array<int, MAX_SUBMODELS> newNumber;
    int used = 0, q = 0;
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        newNumber[s] = counts[s] > 0 ? used++ : UNUSED;
        for (int k = 0; k < counts[s]; ++k)
            m.PointSubmodel[q++] = static_cast<uint8_t>(newNumber[s]);
    }
    MoveSubmodelRecords(m, counts, newNumber, used);
}

}  // namespace

int CompressSubmodels(ModelStore& m) {
    const int numPoints = std::clamp<int>(m.NumPoints, 0, MAX_POINTS);
    std::array<PointRecord, MAX_POINTS> points;
    std::array<uint8_t, MAX_POINTS> hidden{};
    SubmodelCounts counts{};
    int k = 0;
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        for (int i = 0; i < numPoints; ++i) {
            if (SubmodelOf(m, i) != s) continue;
            ++counts[s];
            points[k] = m.Points[i];
            hidden[k] = m.PointHidden[i];
            m.PointRemap[i] = static_cast<int16_t>(k++);
        }
    }
    int spread = MarkSpreadPolygons(m, numPoints);
    RenumberCorners(m, numPoints);
    NumberSubmodels(m, counts);
    std::copy_n(points.begin(), numPoints, m.Points.begin());
    std::copy_n(hidden.begin(), numPoints, m.PointHidden.begin());
    if (numPoints > 0) m.NumSubmodels = static_cast<int16_t>(m.PointSubmodel[numPoints - 1] + 1);
    return spread;
}

std::string SpreadWarningText(int count) {
    return "WARNING!  " + std::to_string(count) +
           " polygon(s) are spread across one or more submodels";
}

bool CheckAndCompress(ModelStore& m, MessageSink* sink) {
    if (m.NumPolygons < 1) return true;
    int spread = CompressSubmodels(m);
    if (spread > 0 && sink) sink->ShowMessage("Submodel Checker", SpreadWarningText(spread));
    return spread == 0;
}

}  // namespace fw
