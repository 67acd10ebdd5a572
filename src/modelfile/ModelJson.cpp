#include "modelfile/ModelJson.h"

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <limits>
#include <memory>
#include <set>

#include "model/TextureWindow.h"

namespace fw {

using nlohmann::json;

namespace {

json Vec3(double x, double y, double z) {
    return json::array({x, y, z});
}

json PolygonJson(const PolygonRecord& p) {
    int n = std::clamp<int>(p.CornerCount, 0, MAX_CORNERS);
    json corners = json::array(), uvl = json::array();
    for (int i = 0; i < n; ++i) {
        corners.push_back(p.Corners[i]);
        const CornerUVLRecord& c = p.CornerUVL[i];
        uvl.push_back(json::array({c.U, c.V, c.L}));
    }
    return {{"corners", corners},
            {"textureNumber", p.TextureNumber},
            {"flatColour", p.FlatColour},
            {"cornerUVL", uvl}};
}

json SubmodelJson(const SubmodelRecord& s) {
    return {{"centre", Vec3(s.Centre[0], s.Centre[1], s.Centre[2])},
            {"firstPoint", s.FirstPoint},
            {"pointCount", s.PointCount},
            {"parent", s.Parent},
            {"sortPolygon", s.SortPolygon}};
}

template <size_t N>
json Flags(const std::array<uint8_t, N>& flags, int count) {
    return json(std::vector<int>(flags.begin(), flags.begin() + std::clamp<int>(count, 0, N)));
}

// Thrown inside the importer only; ImportModelJson turns it into its message.
struct BadValue {
    std::string text;
};

// The library's text without its "[json.exception.parse_error.101] " prefix.
std::string JsonErrorText(const json::exception& e) {
    std::string what = e.what();
    size_t close = what.find("] ");
    return close == std::string::npos ? what : what.substr(close + 2);
}

std::string Index(const std::string& path, size_t i) {
    return path + "[" + std::to_string(i) + "]";
}

int64_t Integer(const json& v, const std::string& path, int64_t lo, int64_t hi) {
    if (!v.is_number_integer()) throw BadValue{path + " must be an integer"};
    bool tooLarge =
        v.is_number_unsigned() && v.get<uint64_t>() > uint64_t(std::numeric_limits<int64_t>::max());
    int64_t value = tooLarge ? std::numeric_limits<int64_t>::max() : v.get<int64_t>();
    if (tooLarge || value < lo || value > hi)
        throw BadValue{path + " is " + v.dump() + ", outside " + std::to_string(lo) + ".." +
                       std::to_string(hi)};
    return value;
}

double Number(const json& v, const std::string& path) {
    if (!v.is_number()) throw BadValue{path + " must be a number"};
    return v.get<double>();
}

float FloatNumber(const json& v, const std::string& path) {
    double value = Number(v, path);
    if (std::abs(value) > FLT_MAX) throw BadValue{path + " is " + v.dump() + ", too large"};
    return static_cast<float>(value);
}

const json& Array(const json& v, const std::string& path, size_t maxSize, const char* what) {
    if (!v.is_array()) throw BadValue{path + " must be an array"};
    if (v.size() > maxSize)
        throw BadValue{path + " has " + std::to_string(v.size()) + " " + what + "; at most " +
                       std::to_string(maxSize)};
    return v;
}

std::array<double, 3> Triple(const json& v, const std::string& path) {
    if (!v.is_array() || v.size() != 3) throw BadValue{path + " must be an array of 3 numbers"};
    return {Number(v[0], Index(path, 0)), Number(v[1], Index(path, 1)),
            Number(v[2], Index(path, 2))};
}

void RequireObject(const json& v, const std::string& path, const std::set<std::string>& keys) {
    if (!v.is_object()) throw BadValue{path + " must be an object"};
    for (const auto& item : v.items())
        if (!keys.contains(item.key()))
            // Quoted as JSON writes it, so a key holding a line break or other control
            // characters still makes a one-line message.
            throw BadValue{path + " has an unknown key " +
                           json(item.key()).dump(-1, ' ', false, json::error_handler_t::replace)};
}

void ReadPoints(const json& doc, ModelStore& m) {
    if (doc.contains("points")) {
        const json& points = Array(doc["points"], "points", MAX_POINTS, "points");
        if (points.empty()) throw BadValue{"points must hold at least one point"};
        m.NumPoints = static_cast<int16_t>(points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            auto [x, y, z] = Triple(points[i], Index("points", i));
            m.Points[i] = {x, y, z};
        }
    }
    if (!doc.contains("pointSubmodel")) return;
    const json& owners = Array(doc["pointSubmodel"], "pointSubmodel", MAX_POINTS, "entries");
    if (owners.size() != size_t(m.NumPoints))
        throw BadValue{"pointSubmodel has " + std::to_string(owners.size()) + " entries for " +
                       std::to_string(m.NumPoints) + " points"};
    for (size_t i = 0; i < owners.size(); ++i)
        m.PointSubmodel[i] = static_cast<uint8_t>(
            Integer(owners[i], Index("pointSubmodel", i), 0, MAX_SUBMODELS - 1));
}

void ReadPolygon(const json& v, const std::string& path, int numPoints, PolygonRecord& p) {
    RequireObject(v, path, {"corners", "textureNumber", "flatColour", "cornerUVL"});
    if (!v.contains("corners")) throw BadValue{path + " has no \"corners\""};
    const json& corners = Array(v["corners"], path + ".corners", MAX_CORNERS, "corners");
    p = PolygonRecord{};
    p.CornerCount = static_cast<int16_t>(corners.size());
    for (size_t i = 0; i < corners.size(); ++i) {
        std::string at = Index(path + ".corners", i);
        if (!corners[i].is_number_integer()) throw BadValue{at + " must be an integer"};
        if (corners[i].is_number_unsigned()
                ? corners[i].get<uint64_t>() >= uint64_t(numPoints)
                : corners[i].get<int64_t>() < 0 || corners[i].get<int64_t>() >= numPoints)
            throw BadValue{at + " names point " + corners[i].dump() +
                           ", which does not exist (points are 0.." +
                           std::to_string(numPoints - 1) + ")"};
        p.Corners[i] = static_cast<int16_t>(corners[i].get<int64_t>());
    }
    p.TextureNumber = static_cast<int16_t>(
        v.contains("textureNumber")
            ? Integer(v["textureNumber"], path + ".textureNumber", INT16_MIN, INT16_MAX)
            : -1);
    p.FlatColour = static_cast<int16_t>(
        v.contains("flatColour")
            ? Integer(v["flatColour"], path + ".flatColour", INT16_MIN, INT16_MAX)
            : DEFAULT_FLAT_COLOUR);
    if (!v.contains("cornerUVL")) return;
    const json& uvl = Array(v["cornerUVL"], path + ".cornerUVL", MAX_CORNERS, "entries");
    if (uvl.size() != corners.size())
        throw BadValue{path + ".cornerUVL has " + std::to_string(uvl.size()) + " entries for " +
                       std::to_string(corners.size()) + " corners"};
    for (size_t i = 0; i < uvl.size(); ++i) {
        std::string at = Index(path + ".cornerUVL", i);
        if (!uvl[i].is_array() || uvl[i].size() != 3)
            throw BadValue{at + " must be an array of 3 numbers"};
        p.CornerUVL[i] = {FloatNumber(uvl[i][0], Index(at, 0)),
                          FloatNumber(uvl[i][1], Index(at, 1)),
                          FloatNumber(uvl[i][2], Index(at, 2))};
    }
}

void ReadPolygons(const json& doc, ModelStore& m) {
    if (!doc.contains("polygons")) return;
    const json& polygons = Array(doc["polygons"], "polygons", MAX_POLYGONS, "polygons");
    for (size_t i = 0; i < polygons.size(); ++i)
        ReadPolygon(polygons[i], Index("polygons", i), m.NumPoints, m.Polygons[i]);
    m.NumPolygons = static_cast<int16_t>(polygons.size());
}

void ReadSubmodel(const json& v, const std::string& path, SubmodelRecord& s) {
    RequireObject(v, path, {"centre", "firstPoint", "pointCount", "parent", "sortPolygon"});
    if (v.contains("centre")) s.Centre = Triple(v["centre"], path + ".centre");
    if (v.contains("firstPoint"))
        s.FirstPoint =
            static_cast<int32_t>(Integer(v["firstPoint"], path + ".firstPoint", 0, MAX_POINTS));
    if (v.contains("pointCount"))
        s.PointCount =
            static_cast<int16_t>(Integer(v["pointCount"], path + ".pointCount", 0, MAX_POINTS));
    if (v.contains("parent")) {
        int64_t parent = Integer(v["parent"], path + ".parent", 0, NO_PARENT);
        if (parent >= MAX_SUBMODELS && parent != NO_PARENT)
            throw BadValue{path + ".parent is " + std::to_string(parent) +
                           ", not a submodel number 0..9 or 255 for none"};
        s.Parent = static_cast<uint8_t>(parent);
    }
    if (v.contains("sortPolygon"))
        s.SortPolygon = static_cast<int16_t>(
            Integer(v["sortPolygon"], path + ".sortPolygon", -1, MAX_POLYGONS - 1));
}

void ReadSubmodels(const json& doc, ModelStore& m) {
    if (doc.contains("submodels")) {
        const json& submodels = Array(doc["submodels"], "submodels", MAX_SUBMODELS, "submodels");
        for (size_t i = 0; i < submodels.size(); ++i)
            ReadSubmodel(submodels[i], Index("submodels", i), m.Submodels[i]);
    }
    if (doc.contains("numSubmodels")) {
        m.NumSubmodels =
            static_cast<int16_t>(Integer(doc["numSubmodels"], "numSubmodels", 1, MAX_SUBMODELS));
    } else {
        // Without a count, the submodels the points use are the ones in use.
        auto last =
            std::max_element(m.PointSubmodel.begin(), m.PointSubmodel.begin() + m.NumPoints);
        m.NumSubmodels = static_cast<int16_t>(*last + 1);
    }
}

void ReadModelValues(const json& doc, ModelStore& m) {
    auto read = [&](const char* key, int64_t lo, int64_t hi, auto& field) {
        if (doc.contains(key))
            field = static_cast<std::remove_reference_t<decltype(field)>>(
                Integer(doc[key], key, lo, hi));
    };
    read("numberOfTextures", 0, UINT8_MAX, m.NumberOfTextures);
    read("firstModelTexture", INT16_MIN, INT16_MAX, m.FirstModelTexture);
    read("simplerModel", 0, UINT8_MAX, m.SimplerModel);
    read("headerReserved", INT32_MIN, INT32_MAX, m.HeaderReserved);
    read("trailerValue1", INT32_MIN, INT32_MAX, m.TrailerValue1);
    read("trailerValue2", INT32_MIN, INT32_MAX, m.TrailerValue2);
}

}  // namespace

json ExportModelJson(const ModelStore& m) {
    int numPoints = std::clamp<int>(m.NumPoints, 0, MAX_POINTS);
    int numPolygons = std::clamp<int>(m.NumPolygons, 0, MAX_POLYGONS);
    json points = json::array(), polygons = json::array(), submodels = json::array();
    for (int i = 0; i < numPoints; ++i)
        points.push_back(Vec3(m.Points[i].X, m.Points[i].Y, m.Points[i].Z));
    for (int i = 0; i < numPolygons; ++i) polygons.push_back(PolygonJson(m.Polygons[i]));
    for (const SubmodelRecord& s : m.Submodels) submodels.push_back(SubmodelJson(s));
    return {{"numSubmodels", m.NumSubmodels},
            {"points", points},
            {"pointSubmodel", Flags(m.PointSubmodel, numPoints)},
            {"polygons", polygons},
            {"submodels", submodels},
            {"numberOfTextures", m.NumberOfTextures},
            {"firstModelTexture", m.FirstModelTexture},
            {"simplerModel", m.SimplerModel},
            {"headerReserved", m.HeaderReserved},
            {"trailerValue1", m.TrailerValue1},
            {"trailerValue2", m.TrailerValue2}};
}

void AddEditorJson(json& doc, const ModelStore& m, int currentCorner) {
    doc["editor"] = {{"pointMarked", Flags(m.PointMarked, m.NumPoints)},
                     {"pointHidden", Flags(m.PointHidden, m.NumPoints)},
                     {"polygonMarked", Flags(m.PolygonMarked, m.NumPolygons)},
                     {"polygonHidden", Flags(m.PolygonHidden, m.NumPolygons)},
                     {"currentPoint", m.CurrentPoint},
                     {"currentPolygon", m.CurrentPolygon},
                     {"currentSubmodel", m.CurrentSubmodel},
                     {"currentCorner", currentCorner},
                     {"modified", m.Modified}};
}

std::string ImportModelJson(const json& doc, ModelStore& m) {
    auto read = std::make_unique<ModelStore>();
    NewModel(*read);
    try {
        RequireObject(doc, "the model",
                      {"numSubmodels", "points", "pointSubmodel", "polygons", "submodels",
                       "numberOfTextures", "firstModelTexture", "simplerModel", "headerReserved",
                       "trailerValue1", "trailerValue2", "editor"});
        ReadPoints(doc, *read);
        ReadPolygons(doc, *read);
        ReadSubmodels(doc, *read);
        ReadModelValues(doc, *read);
    } catch (const BadValue& bad) {
        return bad.text;
    } catch (const json::exception& e) {
        return JsonErrorText(e);
    }
    if (std::string error = TextureWindowError(*read); !error.empty()) return error;
    m = *read;
    return "";
}

std::string ImportModelJsonText(const std::string& text, ModelStore& m) {
    json doc;
    try {
        doc = json::parse(text);
    } catch (const json::parse_error& e) {
        return "JSON syntax error: " + JsonErrorText(e);
    } catch (const json::exception& e) {
        // The whole family: a number beyond the double range is an out_of_range error.
        return "JSON error: " + JsonErrorText(e);
    }
    return ImportModelJson(doc, m);
}

}  // namespace fw
