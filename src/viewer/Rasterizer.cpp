#include "viewer/Rasterizer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fw {

namespace {

constexpr int SUBDIVISION = 16;  // pixels between exact perspective divisions
constexpr int TEXTURE_SIDE = Rasterizer::TEXTURE_SIDE;
constexpr double TEXEL_LIMIT = 1e9;  // texel coordinates beyond this are garbage anyway

// A pixel edge position as a column: the first pixel whose centre is at or right of x.
// Runs twice per row of every polygon, so it rounds up by hand: std::ceil is a library call
// without SSE4.1.
int Column(double x, int width) {
    double t = std::clamp(x, -2.0, width + 2.0) - 0.5;
    int c = static_cast<int>(t);  // towards zero: one short of the ceiling above zero
    return std::clamp(c < t ? c + 1 : c, 0, width);
}

int64_t TexelFix(double texels) {
    if (!(std::fabs(texels) < TEXEL_LIMIT)) texels = 0;
    return static_cast<int64_t>(texels * 65536.0);
}

// An attribute that varies linearly over the screen: value at (0, 0) and its slopes.
struct Plane {
    double at0 = 0, dx = 0, dy = 0;
    double At(double x, double y) const { return at0 + dx * x + dy * y; }
};

// The texture's attributes 1/z, u/z and v/z as planes over the screen.
struct TextureMapping {
    Plane iz, uz, vz;
    const uint32_t* texels = nullptr;
};

// The planes from the widest fan triangle, so thin corners cannot spoil them; false when
// the polygon has no area.
bool MapTexture(const ScreenVertex* v, int n, TextureMapping& m) {
    int best = 1;
    double bestArea = 0;
    for (int j = 1; j + 1 < n; ++j) {
        double area = std::fabs((double(v[j].X) - v[0].X) * (double(v[j + 1].Y) - v[0].Y) -
                                (double(v[j + 1].X) - v[0].X) * (double(v[j].Y) - v[0].Y));
        if (area > bestArea) bestArea = area, best = j;
    }
    if (!(bestArea > 1e-9)) return false;
    const ScreenVertex &p0 = v[0], &p1 = v[best], &p2 = v[best + 1];
    double dx1 = double(p1.X) - p0.X, dy1 = double(p1.Y) - p0.Y;
    double dx2 = double(p2.X) - p0.X, dy2 = double(p2.Y) - p0.Y;
    double det = dx1 * dy2 - dx2 * dy1;
    auto plane = [&](float f0, float f1, float f2) {
        Plane pl;
        pl.dx = ((double(f1) - f0) * dy2 - (double(f2) - f0) * dy1) / det;
        pl.dy = ((double(f2) - f0) * dx1 - (double(f1) - f0) * dx2) / det;
        pl.at0 = f0 - pl.dx * p0.X - pl.dy * p0.Y;
        return pl;
    };
    m.iz = plane(p0.InvZ, p1.InvZ, p2.InvZ);
    m.uz = plane(p0.UOverZ, p1.UOverZ, p2.UOverZ);
    m.vz = plane(p0.VOverZ, p1.VOverZ, p2.VOverZ);
    return true;
}

// Texel coordinates in 16.16 at a screen point: the exact perspective division.
struct TexelPoint {
    int64_t u = 0, v = 0;
};
TexelPoint TexelsAt(const TextureMapping& m, double x, double y) {
    double scale = TEXTURE_SIDE / std::max(m.iz.At(x, y), 1e-12);
    return {TexelFix(m.uz.At(x, y) * scale), TexelFix(m.vz.At(x, y) * scale)};
}

// One pixel's step between two exact points `reach` pixels apart. The coordinates run in
// unsigned 32 bits: wrapping modulo 2^32 keeps them right modulo the texture (2^22).
uint32_t Step(int64_t from, int64_t to, int reach) {
    if (reach <= 0) return 0;
    int64_t d = to - from;
    // A full segment divides by a constant (a shift), the short last one by its length.
    return static_cast<uint32_t>(reach == SUBDIVISION ? d / SUBDIVISION : d / reach);
}

uint32_t Texel(const uint32_t* texels, uint32_t u, uint32_t v) {
    constexpr uint32_t N = TEXTURE_SIDE;
    return texels[((v >> 10) & ((N - 1) << 6)) | ((u >> 16) & (N - 1))];
}

// Texels along one row from column x to end, exact every SUBDIVISION pixels and stepped
// linearly in between (the error is far below a texel at these lengths). `shown` (for
// see-through textures) gets per pixel whether its texel was opaque and written.
void MapRun(uint32_t* row, double y, int x, int end, const TextureMapping& m, uint8_t* shown) {
    TexelPoint a = TexelsAt(m, x + 0.5, y);
    while (x < end) {
        int segment = std::min(SUBDIVISION, end - x);
        // A full segment steps to the next one's first pixel; the last, shorter one to its
        // own last pixel, so no value is taken outside the polygon.
        int reach = segment == SUBDIVISION ? segment : segment - 1;
        TexelPoint b = reach > 0 ? TexelsAt(m, x + reach + 0.5, y) : a;
        uint32_t du = Step(a.u, b.u, reach), dv = Step(a.v, b.v, reach);
        uint32_t u = static_cast<uint32_t>(a.u), v = static_cast<uint32_t>(a.v);
        uint32_t* out = row + x;
        if (shown) {
            for (int i = 0; i < segment; ++i, u += du, v += dv) {
                uint32_t t = Texel(m.texels, u, v);
                shown[x + i] = t >= 0x80000000u;
                if (shown[x + i]) out[i] = t;
            }
        } else {
            for (int i = 0; i < segment; ++i, u += du, v += dv) out[i] = Texel(m.texels, u, v);
        }
        x += segment;
        a = b;
    }
}

}  // namespace

void Rasterizer::StartUnder(const FrameBuffer& frame) {
    covered_.Reset(frame.Height());
    under_ = true;
}

void Rasterizer::FinishUnder(FrameBuffer& frame, uint32_t background) {
    if (!under_) return;
    under_ = false;
    for (int r = 0; r < frame.Height(); ++r) {
        covered_.Uncovered(r, 0, frame.Width(), pieces_);
        uint32_t* row = frame.Row(r);
        for (const auto& p : pieces_) std::fill(row + p.Begin, row + p.End, background);
        for (const auto& p : pieces_) pixels_ += p.End - p.Begin;
    }
}

void Rasterizer::Clear(FrameBuffer& frame, uint32_t argb) {
    frame.Fill(argb);
    pixels_ += int64_t(frame.Width()) * frame.Height();
}

const std::vector<SpanCoverage::Interval>& Rasterizer::Pieces(int r) {
    polygonPixels_ += std::max(0, end_[r] - begin_[r]);
    if (under_) {
        covered_.Uncovered(r, begin_[r], end_[r], pieces_);
    } else {
        pieces_.clear();
        if (begin_[r] < end_[r]) pieces_.push_back({begin_[r], end_[r]});
    }
    for (const auto& p : pieces_) pixels_ += p.End - p.Begin;
    return pieces_;
}

void Rasterizer::CoverShown(int r, int begin, int end) {
    for (int x = begin; x < end;) {
        while (x < end && !shown_[x]) ++x;
        int run = x;
        while (x < end && shown_[x]) ++x;
        covered_.Cover(r, run, x);
    }
}

void Rasterizer::FillFlat(FrameBuffer& frame, const ScreenVertex* v, int n, uint32_t argb) {
    if (!Spans(frame, v, n)) return;
    for (int r = top_; r < bottom_; ++r) {
        uint32_t* row = frame.Row(r);
        for (const auto& p : Pieces(r)) std::fill(row + p.Begin, row + p.End, argb);
        if (under_) covered_.Cover(r, begin_[r], end_[r]);
    }
}

void Rasterizer::FillTextured(FrameBuffer& frame, const ScreenVertex* v, int n,
                              const uint32_t* texels, bool seeThrough) {
    TextureMapping m;
    if (!Spans(frame, v, n) || !MapTexture(v, n, m)) return;
    m.texels = texels;
    if (seeThrough) shown_.resize(frame.Width());
    for (int r = top_; r < bottom_; ++r) {
        uint32_t* row = frame.Row(r);
        for (const auto& p : Pieces(r)) {
            MapRun(row, r + 0.5, p.Begin, p.End, m, seeThrough ? shown_.data() : nullptr);
            // Pieces are disjoint, so covering one cannot change the others.
            if (under_ && seeThrough) CoverShown(r, p.Begin, p.End);
        }
        if (under_ && !seeThrough) covered_.Cover(r, begin_[r], end_[r]);
    }
}

bool Rasterizer::Spans(const FrameBuffer& frame, const ScreenVertex* v, int n) {
    if (n < 3 || n > MAX_VERTICES) return false;
    const int width = frame.Width(), height = frame.Height();
    double ymin = std::numeric_limits<double>::infinity(), ymax = -ymin;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(v[i].X) || !std::isfinite(v[i].Y)) return false;
        ymin = std::min<double>(ymin, v[i].Y);
        ymax = std::max<double>(ymax, v[i].Y);
    }
    top_ = std::clamp(static_cast<int>(std::ceil(std::clamp(ymin, -2.0, height + 2.0) - 0.5)), 0, height);
    bottom_ = std::clamp(static_cast<int>(std::ceil(std::clamp(ymax, -2.0, height + 2.0) - 0.5)), 0, height);
    if (top_ >= bottom_) return false;
    if (static_cast<int>(left_.size()) < height) {
        left_.resize(height), right_.resize(height);
        begin_.resize(height), end_.resize(height);
    }
    std::fill(left_.begin() + top_, left_.begin() + bottom_, std::numeric_limits<float>::infinity());
    std::fill(right_.begin() + top_, right_.begin() + bottom_, -std::numeric_limits<float>::infinity());
    for (int i = 0; i < n; ++i) {
        const ScreenVertex* a = &v[i];
        const ScreenVertex* b = &v[(i + 1) % n];
        if (a->Y == b->Y) continue;
        if (a->Y > b->Y) std::swap(a, b);
        double slope = (double(b->X) - a->X) / (double(b->Y) - a->Y);
        int r0 = std::max(top_, static_cast<int>(std::ceil(std::max<double>(a->Y, top_ - 1.0) - 0.5)));
        int r1 = std::min(bottom_, static_cast<int>(std::ceil(std::min<double>(b->Y, bottom_ + 1.0) - 0.5)));
        for (int r = r0; r < r1; ++r) {
            float x = static_cast<float>(
                std::clamp(a->X + (r + 0.5 - a->Y) * slope, -2.0, width + 2.0));
            left_[r] = std::min(left_[r], x);
            right_[r] = std::max(right_[r], x);
        }
    }
    for (int r = top_; r < bottom_; ++r) {
        bool covered = left_[r] <= right_[r];
        begin_[r] = covered ? Column(left_[r], width) : 0;
        end_[r] = covered ? Column(right_[r], width) : 0;
    }
    return true;
}

void Rasterizer::Outline(FrameBuffer& frame, const ScreenVertex* v, int n, uint32_t argb) {
    for (int i = 0; i < n; ++i) {
        const ScreenVertex& a = v[i];
        const ScreenVertex& b = v[(i + 1) % n];
        Line(frame, a.X, a.Y, b.X, b.Y, argb);
    }
}

// A one-pixel line, clipped to the frame first (Liang-Barsky) so that any endpoint is safe.
void Rasterizer::Line(FrameBuffer& frame, float x0, float y0, float x1, float y1, uint32_t argb) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return;
    double t0 = 0, t1 = 1, dx = double(x1) - x0, dy = double(y1) - y0;
    double maxX = frame.Width() - 0.001, maxY = frame.Height() - 0.001;
    auto clip = [&](double p, double q) {
        if (p == 0) return q >= 0;
        double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!clip(-dx, x0) || !clip(dx, maxX - x0) || !clip(-dy, y0) || !clip(dy, maxY - y0)) return;
    double ax = x0 + t0 * dx, ay = y0 + t0 * dy, bx = x0 + t1 * dx, by = y0 + t1 * dy;
    int steps = static_cast<int>(std::ceil(std::max(std::fabs(bx - ax), std::fabs(by - ay))));
    steps = std::max(steps, 1);
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        int px = std::clamp(static_cast<int>(ax + (bx - ax) * t), 0, frame.Width() - 1);
        int py = std::clamp(static_cast<int>(ay + (by - ay) * t), 0, frame.Height() - 1);
        frame.Row(py)[px] = argb;
    }
    pixels_ += steps + 1;
}

}  // namespace fw
