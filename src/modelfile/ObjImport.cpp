#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <unordered_map>

#include "modelfile/BinaryFile.h"
#include "modelfile/ObjFile.h"

namespace fw {
namespace {

constexpr double WELD_DISTANCE = 1.0 / 65536;
constexpr double MAX_COORDINATE = 32767;  // what a 16.16 fixed-point value holds
constexpr std::uintmax_t MAX_OBJ_FILE_SIZE = 256u << 20;

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// The rest of the line after the keyword, trimmed: names may contain blanks.
std::string RestOf(const std::string& line, const std::string& keyword) {
    size_t at = line.find(keyword) + keyword.size();
    size_t begin = line.find_first_not_of(" \t", at);
    if (begin == std::string::npos) return "";
    size_t end = line.find_last_not_of(" \t\r");
    return line.substr(begin, end - begin + 1);
}

bool ToNumber(const std::string& text, double& v) {
    const char* begin = text.data() + (!text.empty() && text[0] == '+');
    auto result = std::from_chars(begin, text.data() + text.size(), v);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(v);
}

bool ToInteger(const std::string& text, long& v) {
    auto result = std::from_chars(text.data(), text.data() + text.size(), v);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// The base name of a picture path, whichever system's separators it uses.
std::string PictureName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

struct Material {
    std::string Picture;  // map_Kd, without folders and extension
    bool HasColour = false;
    double Colour[3] = {0, 0, 0};
};

std::map<std::string, Material> ReadMaterials(const std::vector<std::string>& mtls) {
    std::map<std::string, Material> materials;
    Material* current = nullptr;
    for (const std::string& text : mtls) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            std::vector<std::string> w = Words(line);
            if (w.empty()) continue;
            if (w[0] == "newmtl") {
                current = &materials[RestOf(line, "newmtl")];
            } else if (current && w[0] == "Kd" && w.size() >= 4) {
                current->HasColour = ToNumber(w[1], current->Colour[0]) &&
                                     ToNumber(w[2], current->Colour[1]) &&
                                     ToNumber(w[3], current->Colour[2]);
            } else if (current && w[0] == "map_Kd" && w.size() >= 2) {
                current->Picture = PictureName(w.back());
            }
        }
    }
    return materials;
}

// What a material makes of a face: a texture (absolute number), a flat colour, or nothing.
struct Surface {
    enum Kind { Texture, Flat, Unknown } What = Unknown;
    int Value = DEFAULT_FLAT_COLOUR;
};

Surface SurfaceOf(const std::string& name, const std::map<std::string, Material>& materials,
                  const TextureNaming& names) {
    if (name.empty()) return {Surface::Flat, DEFAULT_FLAT_COLOUR};
    if (auto n = names.NumberOf(name); n && *n >= 0) return {Surface::Texture, *n};
    auto it = materials.find(name);
    if (it != materials.end() && !it->second.Picture.empty())
        if (auto n = names.NumberOf(it->second.Picture); n && *n >= 0) return {Surface::Texture, *n};
    if (name.size() == 9 && name.rfind("flat_", 0) == 0) {
        int colour = 0;
        auto r = std::from_chars(name.data() + 5, name.data() + 9, colour, 16);
        if (r.ec == std::errc() && r.ptr == name.data() + 9) return {Surface::Flat, colour & 0x7FFF};
    }
    if (it != materials.end() && it->second.HasColour && it->second.Picture.empty()) {
        auto part = [&](int i) {
            return static_cast<int>(std::lround(std::clamp(it->second.Colour[i], 0.0, 1.0) * 31));
        };
        return {Surface::Flat, part(0) << 10 | part(1) << 5 | part(2)};
    }
    return {};
}

struct Face {
    int Group = 0;
    std::string Material;
    std::vector<int> Vertices, UVs;  // UV -1 when the corner has none
    int Line = 0;
};

struct Vertex {
    std::array<double, 3> Position;
    int Group = 0;
};

// A face's welded points and the texture coordinate of each (-1: none).
struct BuiltFace {
    std::vector<int> Points, UVs;
};

class ObjReader {
public:
    ObjReader(const ObjImportOptions& options) : options_(options) {}

    std::string Read(const std::string& text) {
        useObjects_ = HasObjects(text);
        std::istringstream in(text);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            if (std::string error = Line(line, number); !error.empty())
                return "line " + std::to_string(number) + ": " + error;
        }
        return "";
    }

    std::vector<Vertex> Vertices;
    std::vector<std::array<double, 2>> UVs;
    std::vector<Face> Faces;
    std::vector<std::string> Groups;  // submodel names, in order
    std::map<std::string, int> Unused;  // statements read but not used, by keyword

private:
    static bool HasObjects(const std::string& text) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            std::vector<std::string> w = Words(line);
            if (!w.empty() && w[0] == "o") return true;
        }
        return false;
    }

    int GroupNumber(const std::string& name) {
        for (size_t i = 0; i < Groups.size(); ++i)
            if (Groups[i] == name) return int(i);
        Groups.push_back(name);
        return int(Groups.size()) - 1;
    }

    int CurrentGroup() {
        if (group_ < 0) group_ = GroupNumber("");
        return group_;
    }

    std::string Line(const std::string& line, int) {
        std::vector<std::string> w = Words(line);
        if (w.empty() || w[0][0] == '#') return "";
        const std::string& key = w[0];
        if (key == "v") return ReadVertex(w);
        if (key == "vt") return ReadUV(w);
        if (key == "f") return ReadFace(w);
        if (key == "usemtl") {
            material_ = RestOf(line, "usemtl");
        } else if (key == "o" || key == "g") {
            if ((key == "o") == useObjects_) group_ = GroupNumber(RestOf(line, key));
        } else if (key != "mtllib") {
            ++Unused[key];
        }
        return "";
    }

    std::string ReadVertex(const std::vector<std::string>& w) {
        if (w.size() < 4) return "a vertex needs three coordinates";
        Vertex v;
        for (int axis = 0; axis < 3; ++axis) {
            if (!ToNumber(w[1 + axis], v.Position[axis]))
                return "cannot read the number '" + w[1 + axis] + "'";
            v.Position[axis] *= options_.Scale;
            if (!(std::abs(v.Position[axis]) <= MAX_COORDINATE))
                return "the coordinate " + w[1 + axis] + " (scaled) lies beyond the game's range of ±" +
                       std::to_string(int(MAX_COORDINATE));
        }
        v.Position[2] = -v.Position[2];  // back to the game's forward axis
        v.Group = CurrentGroup();
        Vertices.push_back(v);
        return "";
    }

    std::string ReadUV(const std::vector<std::string>& w) {
        std::array<double, 2> uv{};
        if (w.size() < 3 || !ToNumber(w[1], uv[0]) || !ToNumber(w[2], uv[1]))
            return "a texture coordinate needs two numbers";
        for (int i = 0; i < 2; ++i)
            if (!(std::abs(uv[i]) <= MAX_COORDINATE))
                return "the texture coordinate " + w[1 + i] + " lies beyond the game's range of ±" +
                       std::to_string(int(MAX_COORDINATE));
        UVs.push_back({uv[0], 1.0 - uv[1]});
        return "";
    }

    // A 1-based index, or a negative one counted back from the last element so far.
    static bool Index(const std::string& text, size_t count, int& index) {
        long v = 0;
        if (!ToInteger(text, v) || v == 0) return false;
        long resolved = v > 0 ? v - 1 : long(count) + v;
        if (resolved < 0 || resolved >= long(count)) return false;
        index = int(resolved);
        return true;
    }

    std::string ReadFace(const std::vector<std::string>& w) {
        int corners = int(w.size()) - 1;
        if (corners > MAX_CORNERS)
            return "a face with " + std::to_string(corners) + " corners; the editor handles at most " +
                   std::to_string(MAX_CORNERS);
        if (corners < 3)
            return "a face with " + std::to_string(corners) + " corners; a polygon needs at least 3";
        Face f;
        f.Group = CurrentGroup();
        f.Material = material_;
        for (int k = 1; k <= corners; ++k) {
            std::string parts[2];
            size_t slash = w[k].find('/');
            parts[0] = w[k].substr(0, slash);
            if (slash != std::string::npos) {
                size_t next = w[k].find('/', slash + 1);
                parts[1] = w[k].substr(slash + 1, next == std::string::npos ? next : next - slash - 1);
            }
            int vertex = 0, uv = -1;
            if (!Index(parts[0], Vertices.size(), vertex))
                return "vertex '" + parts[0] + "' does not exist (" + std::to_string(Vertices.size()) +
                       " vertices so far)";
            if (!parts[1].empty() && !Index(parts[1], UVs.size(), uv))
                return "texture coordinate '" + parts[1] + "' does not exist (" +
                       std::to_string(UVs.size()) + " so far)";
            f.Vertices.push_back(vertex);
            f.UVs.push_back(uv);
        }
        Faces.push_back(std::move(f));
        return "";
    }

    const ObjImportOptions& options_;
    bool useObjects_ = false;
    int group_ = -1;
    std::string material_;
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
                    auto it = cells_.find(Key(group, {cell[0] + dx, cell[1] + dy, cell[2] + dz}));
                    if (it == cells_.end()) continue;
                    for (int i : it->second)
                        if (Near(points[i].Position, p)) return ++welded_, i;
                }
        points.push_back({p, group});
        int i = int(points.size()) - 1;
        cells_[Key(group, cell)].push_back(i);
        return i;
    }
    int Welded() const { return welded_; }

private:
    static bool Near(const std::array<double, 3>& a, const std::array<double, 3>& b) {
        for (int axis = 0; axis < 3; ++axis)
            if (std::abs(a[axis] - b[axis]) > WELD_DISTANCE) return false;
        return true;
    }
    static std::string Key(int group, std::array<long long, 3> c) {
        return std::to_string(group) + ":" + std::to_string(c[0]) + ":" + std::to_string(c[1]) +
               ":" + std::to_string(c[2]);
    }
    std::unordered_map<std::string, std::vector<int>> cells_;
    int welded_ = 0;
};

std::string Plural(size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

class ModelBuilder {
public:
    ModelBuilder(const ObjReader& r, const std::map<std::string, Material>& materials,
                 const ObjImportOptions& options)
        : r_(r), materials_(materials), options_(options) {}

    std::string Build(ModelStore& m, std::string& summary) {
        int groups = std::max<int>(1, int(r_.Groups.size()));
        if (groups > MAX_SUBMODELS)
            return "the file has " + std::to_string(groups) + " objects or groups; the editor holds at most " +
                   std::to_string(MAX_SUBMODELS) + " submodels";
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
                if (points_[p].Group != f.Group) p = welder_.PointAt(points_[p].Position, f.Group, points_);
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
            Surface s = SurfaceOf(name, materials_, options_.Names);
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
            line += "; made " + Plural(unknownFaces_, "face", "faces") + " flat (unknown materials: " +
                    names + ")";
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

    const ObjReader& r_;
    const std::map<std::string, Material>& materials_;
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
    ObjReader reader(options);
    if (std::string error = reader.Read(obj); !error.empty()) return error;
    std::map<std::string, Material> materials = ReadMaterials(mtls);
    std::string line;
    if (std::string error = ModelBuilder(reader, materials, options).Build(m, line); !error.empty())
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
        std::vector<std::string> w = Words(line);
        if (w.empty() || w[0] != "mtllib") continue;
        std::filesystem::path library =
            std::filesystem::path(path).parent_path() / RestOf(line, "mtllib");
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
