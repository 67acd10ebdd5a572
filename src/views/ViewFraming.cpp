// How a view's window follows its surface, and framing the model in it.

#include <algorithm>
#include <cmath>
#include <limits>

#include "views/ViewState.h"

namespace fw {

namespace {

constexpr double FRAME_MARGIN = 1.2;     // a tenth of the framed extent free on every side
constexpr double MIN_FRAMED_EXTENT = 1;  // a single point still gets a sensible window

struct Box {
    double x0 = std::numeric_limits<double>::infinity(), y0 = x0;
    double x1 = -x0, y1 = -x0;
    bool Empty() const { return x0 > x1; }
    void Add(ViewPos p) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
};

// The view positions of the shown points, or of all points in use when every one is hidden.
Box PointsBox(const ModelStore& m, const ViewState& views, int view) {
    int count = std::clamp<int>(m.NumPoints, 0, MAX_POINTS);
    Box shown, all;
    for (int i = 0; i < count; ++i) {
        ViewPos p = ProjectPoint(views, view, m.Points[i]);
        all.Add(p);
        if (m.PointHidden[i] == 0) shown.Add(p);
    }
    return shown.Empty() ? all : shown;
}

// The window keeps its centre and height; its width gives both directions one scale.
void FitWidthToSurface(ViewSettings& s) {
    ViewWindow& w = s.Window;
    if (s.SurfaceWidth <= 0 || s.SurfaceHeight <= 0 || !(w.height > 0)) return;
    double cx = w.left + w.width / 2;
    w.width = w.height * s.SurfaceWidth / s.SurfaceHeight;
    w.left = cx - w.width / 2;
}

}  // namespace

void ViewState::InitAllWindows(int widthPx, int heightPx) {
    for (int v = 0; v < VIEW_COUNT; ++v) {
        InitWindow(v, widthPx, heightPx);
        FitWidthToSurface(Views[v]);  // even when views stretch: this is their first layout
    }
}

void ViewState::SetSurface(int view, int widthPx, int heightPx) {
    if (view < 0 || view >= VIEW_COUNT || widthPx <= 0 || heightPx <= 0) return;
    ViewSettings& s = Views[view];
    s.SurfaceWidth = widthPx;
    s.SurfaceHeight = heightPx;
    if (!StretchViews) FitWidthToSurface(s);
}

bool ViewState::ZoomToFit(const ModelStore& m, int view) {
    if (view < 0 || view >= VIEW_COUNT) return false;
    ViewSettings& s = Views[view];
    ViewWindow& w = s.Window;
    // A window never sized from a surface takes its zoom level 0 from where it stands.
    if (!(s.BaseHeight > 0)) s.BaseHeight = w.height * std::pow(double(ZoomFactor), s.ZoomLevel);
    double base = s.BaseHeight;
    if (!(base > 0)) return false;
    double aspect = s.SurfaceWidth > 0 && s.SurfaceHeight > 0
                        ? double(s.SurfaceWidth) / s.SurfaceHeight
                        : (w.width > 0 ? w.width / w.height : 1.0);
    Box box = PointsBox(m, *this, view);
    if (box.Empty()) box.Add({0, 0});
    double needW = std::max((box.x1 - box.x0) * FRAME_MARGIN, MIN_FRAMED_EXTENT);
    double needH = std::max((box.y1 - box.y0) * FRAME_MARGIN, MIN_FRAMED_EXTENT);
    auto fits = [&](double height) { return height >= needH && height * aspect >= needW; };

    // Zoom steps from level 0 under the limits ZoomIn and ZoomOut apply: out until the model
    // fits, then in while the next step still fits.
    double height = base;
    int level = 0;
    while (!fits(height) && height < MAX_ZOOM_HEIGHT) height *= ZoomFactor, --level;
    while (fits(height * (1.0 / ZoomFactor)) && height * aspect > MIN_ZOOM_WIDTH)
        height *= 1.0 / ZoomFactor, ++level;

    ViewWindow framed{0, 0, height * aspect, height};
    framed.left = (box.x0 + box.x1) / 2 - framed.width / 2;
    framed.top = (box.y0 + box.y1) / 2 - framed.height / 2;
    bool changed = !(framed == w) || s.ZoomLevel != level;
    w = framed;
    s.ZoomLevel = static_cast<int16_t>(level);
    return changed;
}

}  // namespace fw
