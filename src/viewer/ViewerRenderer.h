#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "viewer/FrameBuffer.h"
#include "viewer/Rasterizer.h"
#include "viewer/StreamInterpreter.h"
#include "viewer/TextureSource.h"
#include "viewer/ViewerCamera.h"
#include "viewer/ViewerModel.h"

namespace fw {

// The display settings the editor sends.
struct RenderOptions {
    bool Cull = true;            // back faces are not drawn
    bool Textured = true;        // textures and flat colours; off: everything flat grey
    bool Polygons = true;        // filled polygons; off: their outlines
    bool SizeToPolygons = true;  // frame the polygons; off: the game's radius from the header
    int Background = 0;          // bit 2 red, bit 1 green, bit 0 blue
    bool operator==(const RenderOptions&) const = default;
};

// 0xAARRGGBB of a background index and of a 15-bit colour (5 bits each, red highest).
uint32_t BackgroundColour(int bits);
uint32_t Colour15(uint16_t colour);

// Draws a model by running its stream: the picture is the game's painter's algorithm, every
// polygon over the ones before it in the order the stream gives. Filled polygons are
// collected and painted in reverse order, each beneath the ones already painted, which gives
// the same picture while writing every pixel once (the game's models overlap a lot).
class ViewerRenderer : private PolygonSink {
public:
    InterpretStats Render(const ViewerModel& model, const ViewAngles& angles,
                          const RenderOptions& options, TextureSource& textures,
                          FrameBuffer& frame);
    // The camera Render uses for this model, settings and frame size.
    static Camera CameraFor(const ViewerModel& model, const ViewAngles& angles,
                            const RenderOptions& options, int width, int height);
    // Pixels written by the last Render, background included, and pixels inside its filled
    // polygons with overlaps counted each time (for measurements).
    int64_t PixelsDrawn() const { return raster_.PixelsDrawn(); }
    int64_t PolygonPixels() const { return raster_.PolygonPixels(); }

private:
    void Polygon(const StreamPolygon& p) override;
    // The texture at one light scale, made once per frame and reused by every polygon.
    const uint32_t* LitTexels(const TexturePixels& texture, int light);
    // Paints the collected fills, last one first, each under the ones before.
    void PaintFillsUnder(uint32_t background);

    // A filled polygon waiting to be painted: corners First.. in corners_, a texture
    // (null: the flat colour).
    struct Fill {
        int First = 0, Count = 0;
        const uint32_t* Texels = nullptr;
        bool SeeThrough = false;
        uint32_t Colour = 0;
    };

    StreamInterpreter interpreter_;
    Rasterizer raster_;
    using Texels = std::array<uint32_t, TexturePixels::SIZE * TexturePixels::SIZE>;
    std::map<std::pair<const TexturePixels*, int>, std::unique_ptr<Texels>> lit_;
    std::vector<Fill> fills_;
    std::vector<ScreenVertex> corners_;
    // Valid while Render runs.
    const ViewerModel* model_ = nullptr;
    const Camera* camera_ = nullptr;
    const RenderOptions* options_ = nullptr;
    TextureSource* textures_ = nullptr;
    FrameBuffer* frame_ = nullptr;
};

}  // namespace fw
