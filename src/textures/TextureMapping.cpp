#include "textures/TextureMapping.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace fw {

namespace {

constexpr double FACTOR_OFF = 0.001;

bool IsOn(const MappingSet& set) {
    return std::fabs(set.Factor) > FACTOR_OFF;
}

// The two in-plane offsets of the planar projection.
void Planar(const MappingSet& s, const PointRecord& p, double& u, double& v) {
    const double dx = p.X - s.Centre.X, dy = p.Y - s.Centre.Y, dz = p.Z - s.Centre.Z;
    const double a = s.Axis == 0 ? dz : dx;
    const double b = s.Axis == 1 ? dz : dy;
    u = a * s.UScale;
    v = b * s.VScale;
}

void Spherical(const MappingSet& s, const PointRecord& p, double& u, double& v) {
    double dx = p.X - s.Centre.X, dy = p.Y - s.Centre.Y, dz = p.Z - s.Centre.Z;
    if (dx == 0 && dy == 0 && dz == 0) dy = 0.001;
    double h, r, pole;
    switch (s.Axis) {
        case 0:  // ZY plane
            h = RoundedAtan2(dz, dy), r = std::sqrt(dz * dz + dy * dy), pole = RoundedAtan2(r, dx);
            break;
        case 1:  // XZ plane
            h = RoundedAtan2(dx, dz), r = std::sqrt(dx * dx + dz * dz), pole = RoundedAtan2(r, dy);
            break;
        default:  // XY plane
            h = RoundedAtan2(dx, dy), r = std::sqrt(dx * dx + dy * dy), pole = RoundedAtan2(r, dz);
            break;
    }
    u = h / ROUNDED_PI * s.UScale;
    v = pole / ROUNDED_PI * s.VScale;
}

void Cylindrical(const MappingSet& s, const PointRecord& p, double& u, double& v) {
    const double dx = p.X - s.Centre.X, dy = p.Y - s.Centre.Y, dz = p.Z - s.Centre.Z;
    double h, w;
    switch (s.Axis) {
        case 0:
            h = RoundedAtan2(dz, dy), w = dx;
            break;  // X axis
        case 1:
            h = RoundedAtan2(dx, dz), w = dy;
            break;  // Y axis
        default:
            h = RoundedAtan2(dx, dy), w = dz;
            break;  // Z axis
    }
    if (dx == 0 && dy == 0 && dz == 0) h = 0;
    u = h / ROUNDED_PI * s.UScale;
    v = w * s.VScale;
}

bool FitsFloat(double v) {
    return std::isfinite(v) && std::fabs(v) <= FLT_MAX;
}

}  // namespace

MappingSet& MappingInputs::Set(MappingType type) {
    return type == MappingType::Planar      ? Planar
           : type == MappingType::Spherical ? Spherical
                                            : Cylindrical;
}

const MappingSet& MappingInputs::Set(MappingType type) const {
    return const_cast<MappingInputs&>(*this).Set(type);
}

void PressMappingDefault(MappingInputs& inputs, MappingType type) {
    const MappingInputs defaults;
    for (MappingType t : {MappingType::Planar, MappingType::Spherical, MappingType::Cylindrical})
        inputs.Set(t).Factor = 0;
    MappingSet& set = inputs.Set(type);
    const MappingSet& d = defaults.Set(type);
    set.Factor = d.Factor;
    set.UScale = d.UScale;
    set.VScale = d.VScale;
    set.Centre = d.Centre;
    if (type == MappingType::Planar) {
        inputs.Rotation = defaults.Rotation;
        inputs.Scaling = defaults.Scaling;
    }
}

MappingInputs OpeningMappingInputs() {
    MappingInputs inputs;
    PressMappingDefault(inputs, MappingType::Planar);
    return inputs;
}

std::optional<CornerUVLRecord> MapPoint(const MappingInputs& in, const PointRecord& p) {
    double u = 0, v = 0;
    auto add = [&](const MappingSet& set, auto project) {
        if (!IsOn(set)) return;
        double pu = 0, pv = 0;
        project(set, p, pu, pv);
        u += set.Factor * pu;
        v += set.Factor * pv;
    };
    add(in.Planar, Planar);
    add(in.Spherical, Spherical);
    add(in.Cylindrical, Cylindrical);
    const double t = in.Rotation * ROUNDED_PI / 180;
    const double U = (u * std::cos(t) - v * std::sin(t)) * in.Scaling;
    const double V = (v * std::cos(t) + u * std::sin(t)) * in.Scaling;
    if (!FitsFloat(U) || !FitsFloat(V)) return std::nullopt;
    return CornerUVLRecord{float(U), float(V), 0.0f};
}

PolygonRecord MapPolygon(const ModelStore& m, int polygon, const MappingInputs& inputs) {
    if (polygon < 0 || polygon >= MAX_POLYGONS) return {};
    PolygonRecord p = m.Polygons[polygon];
    const int n = std::clamp<int>(p.CornerCount, 0, MAX_CORNERS);
    for (int j = 0; j < n; ++j) {
        const int point = p.Corners[j];
        if (point < 0 || point >= m.NumPoints) continue;
        if (auto uv = MapPoint(inputs, m.Points[point])) {
            p.CornerUVL[j].U = uv->U;
            p.CornerUVL[j].V = uv->V;
        }
    }
    return p;
}

}  // namespace fw
