#include "modelfile/GameModelImport.h"

#include <cmath>
#include <memory>

#include "modelfile/ModelGeometry.h"
#include "modelfile/SubmodelTree.h"

namespace fw {
namespace {

std::string Count(int n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string CheckLimits(const GameModelContents& c) {
    int points = static_cast<int>(c.Points.size());
    int polygons = static_cast<int>(c.Polygons.size());
    if (points < 1) return "The model defines no points.";
    if (points > MAX_POINTS)
        return "The model has " + std::to_string(points) + " points; the editor holds at most " +
               std::to_string(MAX_POINTS) + ".";
    if (polygons > MAX_POLYGONS)
        return "The model has " + std::to_string(polygons) +
               " polygons; the editor holds at most " + std::to_string(MAX_POLYGONS) + ".";
    for (int i = 0; i < polygons; ++i) {
        int n = static_cast<int>(c.Polygons[i].Corners.size());
        std::string which = "Polygon " + std::to_string(i) + " (offset " +
                            std::to_string(c.Polygons[i].Offset) + ") has " + std::to_string(n) +
                            " corners; the editor ";
        if (n > MAX_CORNERS) return which + "handles at most " + std::to_string(MAX_CORNERS) + ".";
        if (n < 3) return which + "needs at least 3.";
    }
    const ModelRecordFields& r = c.Record;
    for (int s = 1; s < r.NumSubmodels; ++s) {
        if (r.Parents[s] >= s)
            return "Submodel " + std::to_string(s) + " has the parent " +
                   std::to_string(r.Parents[s]) +
                   "; the editor needs every parent numbered below its children.";
    }
    if (c.DeepestSubmodel > MAX_SUBMODEL_DEPTH)
        return "The submodels are nested " + std::to_string(c.DeepestSubmodel) +
               " levels deep; the editor allows at most " + std::to_string(MAX_SUBMODEL_DEPTH) +
               ".";
    return "";
}

// Absolute pivot of a submodel: its offset plus those of its ancestors.
std::array<double, 3> PivotOf(const GameModelContents& c, int s) {
    std::array<double, 3> pivot{};
    for (int p = s, depth = 0; depth <= MAX_SUBMODELS; p = c.Record.Parents[p], ++depth) {
        for (int axis = 0; axis < 3; ++axis) pivot[axis] += c.Offsets[p][axis];
        if (p == 0) break;
    }
    return pivot;
}

// Submodels whose pivot is not the centroid of their points: a save moves it there.
int MovedPivots(const ModelStore& m, const GameModelContents& c) {
    int moved = 0;
    for (int s = 1; s < m.NumSubmodels; ++s) {
        const SubmodelRecord& r = m.Submodels[s];
        if (r.PointCount < 1) continue;
        std::array<double, 3> centroid{};
        for (int i = r.FirstPoint; i < r.FirstPoint + r.PointCount; ++i) {
            centroid[0] += m.Points[i].X, centroid[1] += m.Points[i].Y,
                centroid[2] += m.Points[i].Z;
        }
        std::array<double, 3> pivot = PivotOf(c, s);
        for (int axis = 0; axis < 3; ++axis) {
            if (std::abs(centroid[axis] / r.PointCount - pivot[axis]) > 1.0 / FIX_ONE) {
                ++moved;
                break;
            }
        }
    }
    return moved;
}

// The record keeps each child's separation plane; when a polygon of the model lies in that
// plane with its first corner on the plane's point (as the editor's own files have it), that
// polygon becomes the child's sorting polygon again. Otherwise it stays 0, as when a .pol file
// is read.
void FindSortPolygons(const ModelRecordFields& r, ModelStore& m) {
    auto near = [](double value, int32_t fix, double tolerance) {
        return std::abs(value * FIX_ONE - fix) <= tolerance;
    };
    for (int s = 1; s < m.NumSubmodels; ++s) {
        const FixVector &normal = r.PlaneNormals[s], &point = r.PlanePoints[s];
        for (int i = 0; i < m.NumPolygons; ++i) {
            const PointRecord& p = m.Points[m.Polygons[i].Corners[0]];
            Vector3 n = PolygonNormal(m, i);
            // Points went through 16.16 once more than the stored normal's corners did.
            if (near(p.X, point.X, 2) && near(p.Y, point.Y, 2) && near(p.Z, point.Z, 2) &&
                near(n[0], normal.X, 64) && near(n[1], normal.Y, 64) && near(n[2], normal.Z, 64)) {
                m.Submodels[s].SortPolygon = static_cast<int16_t>(i);
                break;
            }
        }
    }
}

void FillStore(const GameModelContents& c, ModelStore& m) {
    NewModel(m);
    const ModelRecordFields& r = c.Record;
    m.NumSubmodels = static_cast<int16_t>(r.NumSubmodels);
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        SubmodelRecord& sub = m.Submodels[s];
        sub = SubmodelRecord{};
        if (s >= r.NumSubmodels) {
            // Entries beyond the model keep a parent only when a model file can hold it.
            bool meaningful = r.Parents[s] < MAX_SUBMODELS || r.Parents[s] == NO_PARENT;
            sub.Parent = meaningful ? r.Parents[s] : uint8_t(0);
            continue;
        }
        sub.Centre = c.Offsets[s];
        sub.Parent = s == 0 ? uint8_t(NO_PARENT) : r.Parents[s];
    }
    // Points in submodel order, each submodel's in the order the stream defines them.
    std::vector<int> number(c.Points.size(), -1);
    int next = 0;
    for (int s = 0; s < r.NumSubmodels; ++s) {
        m.Submodels[s].FirstPoint = next;
        for (size_t i = 0; i < c.Points.size(); ++i) {
            if (c.Points[i].Submodel != s) continue;
            const auto& p = c.Points[i].Position;
            m.Points[next] = {p[0], p[1], p[2]};
            m.PointSubmodel[next] = static_cast<uint8_t>(s);
            number[i] = next++;
        }
        m.Submodels[s].PointCount = static_cast<int16_t>(next - m.Submodels[s].FirstPoint);
    }
    m.NumPoints = static_cast<int16_t>(next);

    for (size_t i = 0; i < c.Polygons.size(); ++i) {
        const GamePolygon& g = c.Polygons[i];
        PolygonRecord& p = m.Polygons[i] = PolygonRecord{};
        p.CornerCount = static_cast<int16_t>(g.Corners.size());
        for (size_t j = 0; j < g.Corners.size(); ++j) {
            p.Corners[j] = static_cast<int16_t>(number[g.Corners[j]]);
            if (g.Textured) p.CornerUVL[j] = {g.UVL[j][0], g.UVL[j][1], g.UVL[j][2]};
        }
        p.TextureNumber = g.Textured ? g.ColourOrTexture : int16_t(-1);
        p.FlatColour = g.Textured ? int16_t(0) : g.ColourOrTexture;
    }
    m.NumPolygons = static_cast<int16_t>(c.Polygons.size());

    FindSortPolygons(r, m);
    m.NumberOfTextures = std::max<uint8_t>(r.NumberOfTextures, 1);
    m.FirstModelTexture = static_cast<int16_t>(r.FirstTexture);
    m.SimplerModel = r.SimplerModel;
    m.CurrentPoint = m.NumPolygons > 0 ? m.Polygons[0].Corners[0] : int16_t(0);
    m.Modified = false;
}

std::string Summary(const ModelStore& m, const GameModelContents& c, const ImportNotes& notes) {
    std::string line = "Imported " + Count(m.NumSubmodels, "submodel", "submodels") + ", " +
                       Count(m.NumPoints, "point", "points") + " and " +
                       Count(m.NumPolygons, "polygon", "polygons");
    std::vector<std::string> lost;
    if (c.SortNormRecords > 0)
        lost.push_back("the internal drawing order (" +
                       Count(c.SortNormRecords, "sort-normal record", "sort-normal records") + ")");
    if (c.GlowRecords > 0)
        lost.push_back("glow values (" + Count(c.GlowRecords, "glow record", "glow records") + ")");
    if (c.RodRecords > 0)
        lost.push_back("rods (" + Count(c.RodRecords, "rod bitmap", "rod bitmaps") + ")");
    if (c.UnreachedPolygons > 0)
        lost.push_back(Count(c.UnreachedPolygons, "polygon record", "polygon records") +
                       " the game never draws");
    if (int moved = MovedPivots(m, c); moved > 0)
        lost.push_back(Count(moved, "submodel pivot", "submodel pivots") +
                       " (a save puts each at the centroid of its points)");
    lost.insert(lost.end(), notes.NotKept.begin(), notes.NotKept.end());
    if (lost.empty()) {
        line += "; nothing lost";
    } else {
        line += "; not kept: ";
        for (size_t i = 0; i < lost.size(); ++i) line += (i ? ", " : "") + lost[i];
    }
    if (c.CopiedPoints > 0)
        line += "; " + Count(c.CopiedPoints, "point", "points") +
                " shared between submodels copied into the submodel using them";
    for (const std::string& remark : notes.Remarks) line += "; " + remark;
    return line + ".";
}

}  // namespace

std::string ConvertGameModelContents(const GameModelContents& c, ModelStore& m,
                                     std::string& summary, const ImportNotes& notes) {
    summary.clear();
    if (std::string error = CheckLimits(c); !error.empty()) return error;
    auto work = std::make_unique<ModelStore>();
    FillStore(c, *work);
    summary = Summary(*work, c, notes);
    m = *work;
    return "";
}

std::string ConvertGameModel(const GameModel& model, ModelStore& m, std::string& summary,
                             const ImportNotes& notes) {
    summary.clear();
    auto contents = std::make_unique<GameModelContents>();
    if (std::string error = ReadGameModelContents(model, *contents); !error.empty()) return error;
    return ConvertGameModelContents(*contents, m, summary, notes);
}

}  // namespace fw
