#include "modelfile/SortPolygonRecovery.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "modelfile/ByteIO.h"
#include "modelfile/FixedPoint.h"
#include "modelfile/ModelFile.h"
#include "modelfile/ModelGeometry.h"

namespace fw {
namespace {

struct Plane {
    FixVector Normal, Point;
    bool operator==(const Plane&) const = default;
};

Plane StoredPlane(std::span<const uint8_t> header, int s) {
    Plane plane;
    ByteReader normal(header.subspan(HeaderOffset::PlaneNormals + 12 * s, 12));
    ByteReader point(header.subspan(HeaderOffset::PlanePoints + 12 * s, 12));
    normal.Fix(plane.Normal);
    point.Fix(plane.Point);
    return plane;
}

// The plane a save writes for a sorting polygon: zeros when it has no usable first corner.
Plane WrittenPlane(const ModelStore& m, int polygon) {
    std::optional<Vector3> first = FirstCornerPosition(m, polygon);
    if (!first) return {};
    FixRounder fix;
    Vector3 n = PolygonNormal(m, polygon);
    return {fix(n[0] * FIX_ONE, n[1] * FIX_ONE, n[2] * FIX_ONE),
            fix((*first)[0] * FIX_ONE, (*first)[1] * FIX_ONE, (*first)[2] * FIX_ONE)};
}

double Length(const Vector3& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

Vector3 Difference(const PointRecord& a, const PointRecord& b) {
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}

// How far the unit normal of a polygon may have turned because its points were rounded to
// the file's fixed point when it was saved (each coordinate by up to half a unit; one unit
// allowed), plus the rounding of the stored normal itself. The normal comes from the edges
// a = P0 - P1 and b = P0 - Pl, whose components moved by at most two units each.
double NormalTolerance(const ModelStore& m, int polygon) {
    const PolygonRecord& p = m.Polygons[polygon];
    const PointRecord& p0 = m.Points[p.Corners[0]];
    Vector3 a = Difference(p0, m.Points[p.Corners[1]]);
    Vector3 b = Difference(p0, m.Points[p.Corners[p.CornerCount - 1]]);
    Vector3 n{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    const double e = 2 * std::sqrt(3.0) / FIX_ONE;
    double change = e * (Length(a) + Length(b)) + e * e;
    return 2 * change / Length(n) + 2 / FIX_ONE;
}

// Distance between the polygon's unit normal and the stored one, when the polygon's first
// corner is where the stored plane says (to one unit) and its normal is within the
// rounding; nothing otherwise.
std::optional<double> RoundedMatch(const ModelStore& m, int polygon, const Plane& written,
                                   const Plane& stored) {
    const FixVector &a = written.Point, &b = stored.Point;
    if (std::abs(double(a.X) - b.X) > 1 || std::abs(double(a.Y) - b.Y) > 1 ||
        std::abs(double(a.Z) - b.Z) > 1)
        return std::nullopt;
    Vector3 n = PolygonNormal(m, polygon);
    if (Length(n) == 0) return std::nullopt;  // degenerate: only an exact match counts
    const FixVector& s = stored.Normal;
    Vector3 d{n[0] - s.X / FIX_ONE, n[1] - s.Y / FIX_ONE, n[2] - s.Z / FIX_ONE};
    double distance = Length(d);
    if (!(distance <= NormalTolerance(m, polygon))) return std::nullopt;
    return distance;
}

// The polygon whose plane is the stored one: an exact match first (the lowest number),
// otherwise the closest within the rounding; -1 when none.
int MatchingPolygon(const ModelStore& m, const Plane& stored) {
    int best = -1;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i < m.NumPolygons; ++i) {
        Plane written = WrittenPlane(m, i);
        if (written == stored) return i;
        if (!FirstCornerPosition(m, i)) continue;
        std::optional<double> distance = RoundedMatch(m, i, written, stored);
        if (distance && *distance < bestDistance) best = i, bestDistance = *distance;
    }
    return best;
}

}  // namespace

std::vector<int> RecoverSortPolygons(ModelStore& m, std::span<const uint8_t> header) {
    std::vector<int> unmatched;
    if (header.size() < size_t(MODEL_HEADER_SIZE)) return unmatched;
    for (int s = 1; s < m.NumSubmodels && s < MAX_SUBMODELS; ++s) {
        Plane stored = StoredPlane(header, s);
        int polygon = MatchingPolygon(m, stored);
        m.Submodels[s].SortPolygon = static_cast<int16_t>(std::max(polygon, 0));
        // Polygon 0 may write the same plane anyway (a model without polygons writes zeros).
        if (polygon < 0 && WrittenPlane(m, 0) != stored) unmatched.push_back(s);
    }
    return unmatched;
}

std::string SortPolygonNotice(const std::vector<int>& submodels) {
    if (submodels.empty()) return "";
    std::string list;
    for (int s : submodels) list += (list.empty() ? "" : ", ") + std::to_string(s);
    if (submodels.size() == 1)
        return "No polygon matches the separation plane of submodel " + list +
               ", so its sorting polygon is now 0.";
    return "No polygon matches the separation planes of submodels " + list +
           ", so their sorting polygons are now 0.";
}

}  // namespace fw
