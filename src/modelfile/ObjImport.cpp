#include <cmath>
#include <filesystem>
#include <memory>
#include <sstream>
#include <unordered_map>

#include "modelfile/BinaryFile.h"
#include "modelfile/ObjFile.h"
#include "modelfile/ObjMaterials.h"
#include "modelfile/ObjStatements.h"

namespace fw {
namespace {

using obj::Face;
using obj::Surface;
using obj::Vertex;

constexpr double WELD_DISTANCE = 1.0 / 65536;
constexpr std::uintmax_t MAX_OBJ_FILE_SIZE = 256u << 20;

// A face's welded points and the texture coordinate of each (-1: none).
struct BuiltFace {
    std::vector<int> Points, UVs;
};

// Points of one submodel, found again by position within the weld distance.
class Welder {
public:
    // The point at `p` in `group`: an earlier one within the weld distance, or a new one.
    int PointAt(const std::array<double, 3>& p, int group, std::vector<Vertex>& points) {
        std::array<long long, 3> cell;
        for (int axis = 0; axis < 3; ++axis) cell[axis] = std::llround(p[axis] / WELD_DISTANCE);
        for (long long dx = -1; dx <= 1; ++dx)
            for (long long dy = -1; dy <= 1; ++dy)
                for (long long dz = -1; dz <= 1; ++dz) {
                    auto it = cells_.find(KeyOf(group, {cell[0] + dx, cell[1] + dy, cell[2] + dz}));
                    if (it == cells_.end()) continue;
                    for (int i : it->second)
                        if (Near(points[i].Position, p)) return ++welded_, i;
                }
        points.push_back({p, group});
        int i = int(points.size()) - 1;
        cells_[KeyOf(group, cell)].push_back(i);
        return i;
    }
    int Welded() const { return welded_; }

private:
    static bool Near(const std::array<double, 3>& a, const std::array<double, 3>& b) {
        for (int axis = 0; axis < 3; ++axis)
            if (std::abs(a[axis] - b[axis]) > WELD_DISTANCE) return false;
        return true;
    }
    using Key = std::array<long long, 4>;  // group, then the cell on each axis
    struct KeyHash {
        size_t operator()(const Key& k) const {
            size_t h = 0;
            for (long long v : k) h = h * 1000003u ^ std::hash<long long>()(v);
            return h;
        }
    };
    static Key KeyOf(int group, std::array<long long, 3> c) { return {group, c[0], c[1], c[2]}; }
    std::unordered_map<Key, std::vector<int>, KeyHash> cells_;
    int welded_ = 0;
};

std::string Plural(size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

class ModelBuilder {
public:
    ModelBuilder(const obj::Statements& r, const obj::Materials& materials,
                 const ObjImportOptions& options)
        : r_(r), materials_(materials), options_(options) {}

    std::string Build(ModelStore& m, std::string& summary) {
        int groups = std::max<int>(1, int(r_.Groups.size()));
        if (groups > MAX_SUBMODELS)
            return "the file has " + std::to_string(groups) +
                   " objects or groups; the editor holds at most " + std::to_string(MAX_SUBMODELS) +
                   " submodels";
        if (r_.Vertices.empty()) return "the file holds no vertices";
        // Each vertex becomes a point of its own group, welded; a face's corner from another
        // group is copied into the face's group.
        std::vector<int> pointOf(r_.Vertices.size());
        for (size_t k = 0; k < r_.Vertices.size(); ++k)
            pointOf[k] = welder_.PointAt(r_.Vertices[k].Position, r_.Vertices[k].Group, points_);
        int ownWelds = welder_.Welded();
        size_t beforeCopies = points_.size();
        std::vector<BuiltFace> faces;
        for (const Face& f : r_.Faces) {
            BuiltFace b;
            for (size_t k = 0; k < f.Vertices.size(); ++k) {
                int p = pointOf[f.Vertices[k]];
                if (points_[p].Group != f.Group)
                    p = welder_.PointAt(points_[p].Position, f.Group, points_);
                if (!b.Points.empty() && b.Points.back() == p) continue;
                b.Points.push_back(p);
                b.UVs.push_back(f.UVs[k]);
            }
            while (b.Points.size() > 1 && b.Points.back() == b.Points.front())
                b.Points.pop_back(), b.UVs.pop_back();
            faces.push_back(std::move(b));
        }
        copied_ = int(points_.size() - beforeCopies);
        welded_ = ownWelds;
        if (points_.size() > size_t(MAX_POINTS))
            return "the file has " + std::to_string(points_.size()) +
                   " points after welding; the editor holds at most " + std::to_string(MAX_POINTS);
        size_t kept = 0;
        for (const BuiltFace& f : faces) kept += f.Points.size() >= 3;
        if (kept > size_t(MAX_POLYGONS))
            return "the file has " + std::to_string(kept) + " faces; the editor holds at most " +
                   std::to_string(MAX_POLYGONS);
        if (std::string error = ResolveMaterials(); !error.empty()) return error;

        auto work = std::make_unique<ModelStore>();
        Fill(*work, groups, faces);
        summary = Summary(*work);
        m = *work;
        return "";
    }

private:
    std::string ResolveMaterials() {
        int lowest = INT32_MAX, highest = -1;
        auto note = [&](const std::string& name) {
            Surface s = obj::SurfaceOf(name, materials_, options_.Names);
            surfaces_[name] = s;
            if (s.What == Surface::Texture) {
                lowest = std::min(lowest, s.Value);
                highest = std::max(highest, s.Value);
            }
        };
        for (const Face& f : r_.Faces) note(f.Material);
        // Textures the library defines count too, so a window's unused slots survive.
        for (const auto& [name, material] : materials_) note(name);
        if (highest < 0) return "";
        if (highest - lowest + 1 > 255)
            return "the materials name textures " + std::to_string(lowest) + " to " +
                   std::to_string(highest) + "; a model's textures span at most 255";
        first_ = lowest;
        count_ = highest - lowest + 1;
        return "";
    }

    void Fill(ModelStore& m, int groups, const std::vector<BuiltFace>& faces) {
        NewModel(m);
        m.NumSubmodels = static_cast<int16_t>(groups);
        // Points in submodel order, each submodel's in file order.
        std::vector<int> number(points_.size());
        int next = 0;
        for (int s = 0; s < groups; ++s) {
            SubmodelRecord& sub = m.Submodels[s] = SubmodelRecord{};
            sub.Parent = s == 0 ? uint8_t(NO_PARENT) : uint8_t(0);
            sub.FirstPoint = next;
            for (size_t i = 0; i < points_.size(); ++i) {
                if (points_[i].Group != s) continue;
                const auto& p = points_[i].Position;
                m.Points[next] = {p[0], p[1], p[2]};
                m.PointSubmodel[next] = static_cast<uint8_t>(s);
                for (int axis = 0; axis < 3; ++axis) sub.Centre[axis] += p[axis];
                number[i] = next++;
            }
            sub.PointCount = static_cast<int16_t>(next - sub.FirstPoint);
            if (s > 0 && sub.PointCount > 0)
                for (double& c : sub.Centre) c /= sub.PointCount;
            if (s == 0) sub.Centre = {0, 0, 0};
        }
        m.NumPoints = static_cast<int16_t>(next);
        std::vector<bool> sortChosen(groups, false);
        for (size_t f = 0; f < r_.Faces.size(); ++f) {
            const BuiltFace& built = faces[f];
            if (built.Points.size() < 3) {
                ++dropped_;
                continue;
            }
            const Face& face = r_.Faces[f];
            int i = m.NumPolygons++;
            PolygonRecord& p = m.Polygons[i] = PolygonRecord{};
            Surface s = surfaces_[face.Material];
            if (s.What == Surface::Unknown) {
                ++unknownFaces_;
                if (std::find(unknown_.begin(), unknown_.end(), face.Material) == unknown_.end())
                    unknown_.push_back(face.Material);
            }
            p.TextureNumber = s.What == Surface::Texture ? int16_t(s.Value - first_) : int16_t(-1);
            p.FlatColour = s.What == Surface::Texture ? int16_t(0) : int16_t(s.Value);
            // The file lists the corners from the first one backwards (see ObjFile.h).
            int n = static_cast<int>(built.Points.size());
            p.CornerCount = static_cast<int16_t>(n);
            for (int j = 0; j < n; ++j) {
                int from = (n - j) % n;
                p.Corners[j] = static_cast<int16_t>(number[built.Points[from]]);
                if (!p.IsFlat() && built.UVs[from] >= 0) {
                    const auto& uv = r_.UVs[built.UVs[from]];
                    p.CornerUVL[j] = {float(uv[0]), float(uv[1]), 0};
                }
            }
            int owner = m.PointSubmodel[p.Corners[0]];
            if (owner > 0 && !sortChosen[owner]) {
                m.Submodels[owner].SortPolygon = static_cast<int16_t>(i);
                sortChosen[owner] = true;
            }
        }
        if (count_ > 0) {
            m.FirstModelTexture = static_cast<int16_t>(first_);
            m.NumberOfTextures = static_cast<uint8_t>(count_);
        }
        m.CurrentPoint = m.NumPolygons > 0 ? m.Polygons[0].Corners[0] : int16_t(0);
        m.Modified = false;
    }

    std::string Summary(const ModelStore& m) const {
        std::string line = "Imported " + Plural(m.NumSubmodels, "submodel", "submodels") + ", " +
                           Plural(m.NumPoints, "point", "points") + " and " +
                           Plural(m.NumPolygons, "polygon", "polygons");
        if (welded_ > 0) line += "; welded " + Plural(welded_, "point", "points");
        if (copied_ > 0)
            line += "; copied " + Plural(copied_, "point", "points") + " shared between objects";
        if (dropped_ > 0)
            line += "; dropped " + Plural(dropped_, "face", "faces") +
                    " that welding left with fewer than 3 corners";
        if (unknownFaces_ > 0) {
            std::string names;
            for (const std::string& n : unknown_) names += (names.empty() ? "" : ", ") + n;
            line += "; made " + Plural(unknownFaces_, "face", "faces") +
                    " flat (unknown materials: " + names + ")";
        }
        if (!r_.Unused.empty()) {
            line += "; statements not used:";
            bool first = true;
            for (const auto& [key, count] : r_.Unused) {
                line += (first ? " " : ", ") + std::to_string(count) + " " + key;
                first = false;
            }
        }
        return line;
    }

    const obj::Statements& r_;
    const obj::Materials& materials_;
    const ObjImportOptions& options_;
    Welder welder_;
    std::vector<Vertex> points_;
    std::map<std::string, Surface> surfaces_;
    int first_ = 0, count_ = 0;
    int welded_ = 0, copied_ = 0, dropped_ = 0, unknownFaces_ = 0;
    std::vector<std::string> unknown_;
};

}  // namespace

std::string ParseObj(const std::string& obj, const std::vector<std::string>& mtls,
                     const ObjImportOptions& options, ModelStore& m, std::string& summary) {
    summary.clear();
    if (!(options.Scale > 0) || !std::isfinite(options.Scale))
        return "the scale factor must be a positive number";
    obj::Statements statements;
    if (std::string error = obj::ReadStatements(obj, options.Scale, statements); !error.empty())
        return error;
    obj::Materials materials = obj::ReadMaterials(mtls);
    std::string line;
    if (std::string error = ModelBuilder(statements, materials, options).Build(m, line);
        !error.empty())
        return error;
    summary = line + ".";
    return "";
}

std::string ReadObjFile(const std::string& path, const ObjImportOptions& options, ModelStore& m,
                        std::string& summary) {
    summary.clear();
    std::vector<uint8_t> bytes;
    if (std::string error = ReadBinaryFile(path, bytes, MAX_OBJ_FILE_SIZE); !error.empty())
        return error;
    std::string text(bytes.begin(), bytes.end());
    std::vector<std::string> mtls, missing;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> w = obj::Words(line);
        if (w.empty() || w[0] != "mtllib") continue;
        std::filesystem::path library =
            std::filesystem::path(path).parent_path() / obj::RestOf(line, "mtllib");
        std::vector<uint8_t> mtl;
        if (ReadBinaryFile(library.string(), mtl, MAX_OBJ_FILE_SIZE).empty())
            mtls.emplace_back(mtl.begin(), mtl.end());
        else
            missing.push_back(library.filename().string());
    }
    if (std::string error = ParseObj(text, mtls, options, m, summary); !error.empty())
        return path + ": " + error;
    for (const std::string& name : missing)
        summary.insert(summary.size() - 1, "; material library " + name + " not found");
    return "";
}

}  // namespace fw