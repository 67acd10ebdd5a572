#include "viewer/ViewerRenderer.h"

#include <algorithm>
#include <array>

namespace fw {

namespace {

constexpr uint32_t MISSING_TEXTURE_COLOUR = 0xFFFF00FFu;  // magenta: a slot without texture
constexpr uint32_t OUTLINE_TEXTURED = 0xFFD0D0D0u;
constexpr float GREY = 0.8f;
constexpr int LIGHT_LEVELS = 32;  // the game's lighting table steps

// A corner in view space with its texture coordinates.
struct ClipVertex {
    Vec3 p;
    float u = 0, v = 0;
};

// Keeps the part of the polygon at or beyond the near plane.
int ClipNear(const ClipVertex* in, int n, float nearZ, ClipVertex* out) {
    int count = 0;
    for (int i = 0; i < n; ++i) {
        const ClipVertex& a = in[i];
        const ClipVertex& b = in[(i + 1) % n];
        bool aIn = a.p.z >= nearZ, bIn = b.p.z >= nearZ;
        if (aIn) out[count++] = a;
        if (aIn != bIn) {
            float t = (nearZ - a.p.z) / (b.p.z - a.p.z);
            out[count++] = {a.p + (b.p - a.p) * t, a.u + (b.u - a.u) * t, a.v + (b.v - a.v) * t};
        }
    }
    return count;
}

uint32_t Expand5(uint32_t c) {
    return (c << 3) | (c >> 2);
}

// The light in the game's steps, as a 0..256 scale.
int LightScale(float light) {
    int level = std::clamp(static_cast<int>(light * LIGHT_LEVELS), 0, LIGHT_LEVELS - 1);
    return (level + 1) * 256 / LIGHT_LEVELS;
}

uint32_t Grey(float light) {
    uint32_t g = static_cast<uint32_t>(std::clamp(GREY * LightScale(light), 0.0f, 255.0f));
    return 0xFF000000u | g << 16 | g << 8 | g;
}

}  // namespace

uint32_t BackgroundColour(int bits) {
    return 0xFF000000u | (bits & 4 ? 0xFF0000u : 0) | (bits & 2 ? 0x00FF00u : 0) |
           (bits & 1 ? 0x0000FFu : 0);
}

uint32_t Colour15(uint16_t c) {
    return 0xFF000000u | Expand5((c >> 10) & 31) << 16 | Expand5((c >> 5) & 31) << 8 |
           Expand5(c & 31);
}

Camera ViewerRenderer::CameraFor(const ViewerModel& m, const ViewAngles& angles,
                                 const RenderOptions& options, int width, int height) {
    Vec3 centre{}, min = m.PolygonMin, max = m.PolygonMax;
    float radius = 1;
    bool header = !options.SizeToPolygons || !m.HasPolygons;
    if (header) min = m.HeaderMin, max = m.HeaderMax;
    centre = (min + max) * 0.5f;
    radius = Length(max - min) / 2;
    if (header && m.HeaderRadius > 0) radius = m.HeaderRadius;
    if (!(radius > 1e-3f) && m.HasPolygons) {  // a header without sizes
        centre = (m.PolygonMin + m.PolygonMax) * 0.5f;
        radius = Length(m.PolygonMax - m.PolygonMin) / 2;
    }
    return MakeCamera(angles, centre, radius, width, height);
}

InterpretStats ViewerRenderer::Render(const ViewerModel& model, const ViewAngles& angles,
                                      const RenderOptions& options, TextureSource& textures,
                                      FrameBuffer& frame) {
    Camera camera = CameraFor(model, angles, options, frame.Width(), frame.Height());
    model_ = &model, camera_ = &camera, options_ = &options, textures_ = &textures, frame_ = &frame;
    raster_.ResetCount();
    lit_.clear();  // the source may hand out other textures from now on
    fills_.clear(), corners_.clear();
    // Outlines are drawn as the stream goes; fills are collected and painted afterwards.
    if (!options.Polygons) raster_.Clear(frame, BackgroundColour(options.Background));
    InterpretStats stats = interpreter_.Run(model.Stream, camera, {.Cull = options.Cull}, *this);
    if (options.Polygons) PaintFillsUnder(BackgroundColour(options.Background));
    model_ = nullptr, camera_ = nullptr, options_ = nullptr, textures_ = nullptr, frame_ = nullptr;
    return stats;
}

const uint32_t* ViewerRenderer::LitTexels(const TexturePixels& texture, int light) {
    auto& entry = lit_[{&texture, light}];
    if (!entry) {
        entry = std::make_unique<Texels>();
        const uint32_t scale = static_cast<uint32_t>(std::clamp(light, 0, 256));
        for (size_t i = 0; i < entry->size(); ++i) {
            uint32_t t = texture.Argb[i];
            uint32_t rb = ((t & 0xFF00FFu) * scale >> 8) & 0xFF00FFu;
            uint32_t g = ((t & 0x00FF00u) * scale >> 8) & 0x00FF00u;
            (*entry)[i] = (t & 0xFF000000u) | rb | g;
        }
    }
    return entry->data();
}

void ViewerRenderer::PaintFillsUnder(uint32_t background) {
    raster_.StartUnder(*frame_);
    for (auto f = fills_.rbegin(); f != fills_.rend(); ++f) {
        const ScreenVertex* corners = corners_.data() + f->First;
        if (f->Texels)
            raster_.FillTextured(*frame_, corners, f->Count, f->Texels, f->SeeThrough);
        else
            raster_.FillFlat(*frame_, corners, f->Count, f->Colour);
    }
    raster_.FinishUnder(*frame_, background);
}

void ViewerRenderer::Polygon(const StreamPolygon& p) {
    std::array<ClipVertex, MAX_DRAW_CORNERS> corners;
    std::array<ClipVertex, 2 * MAX_DRAW_CORNERS> clipped;
    for (int i = 0; i < p.Count; ++i)
        corners[i] = {p.View[i], p.Textured ? p.U[i] : 0, p.Textured ? p.V[i] : 0};
    int n = ClipNear(corners.data(), p.Count, camera_->Near, clipped.data());
    if (n < 3) return;
    std::array<ScreenVertex, 2 * MAX_DRAW_CORNERS> screen;
    for (int i = 0; i < n; ++i) {
        const ClipVertex& c = clipped[i];
        float inv = 1 / c.p.z;
        screen[i] = {camera_->CentreX + camera_->Focal * c.p.x * inv,
                     camera_->CentreY - camera_->Focal * c.p.y * inv, inv, c.u * inv, c.v * inv};
    }
    const TexturePixels* texture = nullptr;
    uint32_t colour;
    if (!options_->Textured)
        colour = Grey(p.Light);
    else if (!p.Textured)
        colour = Colour15(p.Colour);  // the game draws flat polygons unlit
    else {
        bool inWindow = p.Texture >= 0 && p.Texture < model_->NumberOfTextures;
        texture = inWindow ? textures_->Texture(model_->FirstTexture + p.Texture) : nullptr;
        colour = MISSING_TEXTURE_COLOUR;
    }
    if (!options_->Polygons) {
        raster_.Outline(*frame_, screen.data(), n, texture ? OUTLINE_TEXTURED : colour);
    } else {
        Fill fill{static_cast<int>(corners_.size()), n, nullptr, false, colour};
        if (texture) {
            fill.Texels = LitTexels(*texture, LightScale(p.Light));
            fill.SeeThrough = texture->HasTransparency;
        }
        corners_.insert(corners_.end(), screen.begin(), screen.begin() + n);
        fills_.push_back(fill);
    }
}

}  // namespace fw
