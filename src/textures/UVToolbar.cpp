#include "textures/UVToolbar.h"

#include <cfloat>
#include <cmath>
#include <vector>

#include "textures/TextureMapping.h"

namespace fw {

namespace {

struct UV {
    double U, V;
};

bool HasCorners(const PolygonRecord& p) {
    return p.CornerCount >= 1 && p.CornerCount <= MAX_CORNERS;
}

std::vector<UV> Read(const PolygonRecord& p) {
    std::vector<UV> uv;
    for (int j = 0; j < p.CornerCount; ++j) uv.push_back({p.CornerUVL[j].U, p.CornerUVL[j].V});
    return uv;
}

// Stores the values as floats, or nothing at all when one does not fit.
std::optional<PolygonRecord> Write(PolygonRecord p, const std::vector<UV>& uv) {
    for (const UV& c : uv)
        if (!std::isfinite(c.U) || !std::isfinite(c.V) || std::fabs(c.U) > FLT_MAX ||
            std::fabs(c.V) > FLT_MAX)
            return std::nullopt;
    for (size_t j = 0; j < uv.size(); ++j) {
        p.CornerUVL[j].U = float(uv[j].U);
        p.CornerUVL[j].V = float(uv[j].V);
    }
    return p;
}

// Applies `f` to every corner's offset from the mean U, V.
template <class F>
void AboutCentre(std::vector<UV>& uv, F f) {
    UV centre{0, 0};
    for (const UV& c : uv) centre.U += c.U, centre.V += c.V;
    centre.U /= double(uv.size());
    centre.V /= double(uv.size());
    for (UV& c : uv) {
        UV offset = f(UV{c.U - centre.U, c.V - centre.V});
        c = {offset.U + centre.U, offset.V + centre.V};
    }
}

UV Rotated(UV o, double degrees) {
    const double t = degrees * ROUNDED_PI / 180;
    return {o.U * std::cos(t) + o.V * std::sin(t), o.V * std::cos(t) - o.U * std::sin(t)};
}

void Align(std::vector<UV>& uv, int c) {
    const UV origin = uv[size_t(c)];
    for (UV& p : uv) p = {p.U - origin.U, p.V - origin.V};
    const UV next = uv[size_t(c + 1) % uv.size()];
    const double a = RoundedAtan2(next.U, next.V);
    // A quarter turn, written as the editor has always computed it.
    const double t = 282.743343 / 180;
    for (UV& p : uv) {
        UV r{p.U * std::cos(a) - p.V * std::sin(a), p.V * std::cos(a) + p.U * std::sin(a)};
        p = {r.U * std::cos(t) + r.V * std::sin(t), r.V * std::cos(t) - r.U * std::sin(t)};
    }
}

}  // namespace

std::optional<PolygonRecord> PolygonToolbarUV(const PolygonRecord& polygon, int icon,
                                              const TextureSteps& steps) {
    using namespace hop_icon;
    if (!HasCorners(polygon)) return std::nullopt;
    if (icon >= WIDER && icon <= SMALLER && steps.Scale == 0) return std::nullopt;
    const double m = steps.Move, s = steps.Scale, q = steps.Rotate;
    std::vector<UV> uv = Read(polygon);
    auto scale = [&](double su, double sv) {
        AboutCentre(uv, [&](UV o) { return UV{o.U * su, o.V * sv}; });
    };
    switch (icon) {
        case TRANSLATE_LEFT:
            for (UV& c : uv) c.U -= m;
            break;
        case TRANSLATE_RIGHT:
            for (UV& c : uv) c.U += m;
            break;
        case TRANSLATE_UP:
            for (UV& c : uv) c.V -= m;
            break;
        case TRANSLATE_DOWN:
            for (UV& c : uv) c.V += m;
            break;
        case WIDER:
            scale(s, 1);
            break;
        case THINNER:
            scale(1 / s, 1);
            break;
        case TALLER:
            scale(1, s);
            break;
        case SHORTER:
            scale(1, 1 / s);
            break;
        case GREATER:
            scale(s, s);
            break;
        case SMALLER:
            scale(1 / s, 1 / s);
            break;
        case ROTATE_LEFT:
            AboutCentre(uv, [&](UV o) { return Rotated(o, q); });
            break;
        case ROTATE_RIGHT:
            AboutCentre(uv, [&](UV o) { return Rotated(o, -q); });
            break;
        case MIRROR_LEFT_RIGHT:
            scale(-1, 1);
            break;
        case MIRROR_UP_DOWN:
            scale(1, -1);
            break;
        default:
            return std::nullopt;
    }
    return Write(polygon, uv);
}

std::optional<UVPointEdit> UVToolbarUV(const PolygonRecord& polygon, int icon, int corner,
                                       double step) {
    using namespace hou_icon;
    if (!HasCorners(polygon) || icon < ALIGN_CURRENT || icon > TRANSLATE_DOWN) return std::nullopt;
    const int n = polygon.CornerCount;
    int c = corner >= 0 && corner < n ? corner : 0;
    std::vector<UV> uv = Read(polygon);
    switch (icon) {
        case ALIGN_NEXT:
            c = (c + 1) % n;
            [[fallthrough]];
        case ALIGN_CURRENT:
            Align(uv, c);
            break;
        case TRANSLATE_LEFT:
            uv[size_t(c)].U -= step;
            break;
        case TRANSLATE_RIGHT:
            uv[size_t(c)].U += step;
            break;
        case TRANSLATE_UP:
            uv[size_t(c)].V -= step;
            break;
        case TRANSLATE_DOWN:
            uv[size_t(c)].V += step;
            break;
    }
    auto written = Write(polygon, uv);
    if (!written) return std::nullopt;
    return UVPointEdit{*written, c};
}

}  // namespace fw
