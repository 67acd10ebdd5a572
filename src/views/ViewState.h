#pragma once

// The state of the four views as plain values: which view is current, each view's window
// onto the model, zoom, grid and snap, and the iso rotation. No widgets here, so every view
// operation can be tested without a display.

#include <array>
#include <cstdint>

#include "model/Axis.h"
#include "model/ModelStore.h"

namespace fw {

inline constexpr int VIEW_XY = 0;
inline constexpr int VIEW_XZ = 1;
inline constexpr int VIEW_ZY = 2;
inline constexpr int VIEW_ISO = 3;
inline constexpr int VIEW_COUNT = 4;

// Grid spacing and snap step by index (0..9); a spacing of 0 means no grid.
inline constexpr std::array<float, 10> GridTable{0.0f, 0.1f, 0.2f, 0.3f, 0.4f,
                                                 0.5f, 1.0f, 1.5f, 2.0f, 2.5f};
inline constexpr std::array<float, 10> SnapTable{0.001f, 0.005f, 0.01f, 0.05f, 0.1f,
                                                 0.2f,   0.5f,   1.0f,  1.5f,  2.0f};

// Zoom and pan stop here, so that a window cannot shrink to nothing or wander off: zooming
// in while the width is above the first, out while the height is below the second, and
// panning while left and top are within the third either way.
inline constexpr double MIN_ZOOM_WIDTH = 0.1;
inline constexpr double MAX_ZOOM_HEIGHT = 100;
inline constexpr double PAN_LIMIT = 100;

struct ViewRgb {
    uint8_t r, g, b;
};

// Colours of the view drawings; the background is black.
inline constexpr int COLOUR_EDGE = 0;             // ordinary polygon edges
inline constexpr int COLOUR_POINT = 1;            // points
inline constexpr int COLOUR_CURRENT_POLYGON = 2;  // current polygon edges and corner rings
inline constexpr int COLOUR_CURRENT_POINT = 3;    // ring of the current point
inline constexpr int COLOUR_DIM = 4;              // grid, axes, darkened polygons
inline constexpr int COLOUR_NORMAL = 5;           // normal of the current polygon
inline constexpr int COLOUR_MARKED = 6;           // marked points and polygons
inline constexpr int COLOUR_ORDER = 7;  // closing edge and corner 1 of the current polygon
inline constexpr std::array<ViewRgb, 8> ViewColours{{{192, 192, 192},
                                                 {255, 255, 255},
                                                 {160, 255, 160},
                                                 {255, 128, 128},
                                                 {64, 64, 64},
                                                 {255, 160, 128},
                                                 {128, 128, 255},
                                                 {128, 255, 255}}};

// The rectangle of view coordinates a view's surface shows. View x grows to the right and
// view y downwards, as on the screen.
struct ViewWindow {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ViewWindow&) const = default;
};

// A position in view coordinates (y downwards).
struct ViewPos {
    double x = 0, y = 0;
    bool operator==(const ViewPos&) const = default;
};

// A position along a view's horizontal and vertical model axes (v upwards): the view
// position with its y negated. Picking, dragging and rubber bands work in these.
struct PlanePos {
    double h = 0, v = 0;
    bool operator==(const PlanePos&) const = default;
};

// Model axes of a view, 1 = X, 2 = Y, 3 = Z; all 0 for the iso view.
struct ViewAxes {
    int h = 0, v = 0, depth = 0;
    bool operator==(const ViewAxes&) const = default;
};

ViewAxes AxesOf(int view);
const char* ViewCaption(int view);

// Per-view settings. The iso view uses only the window and zoom level.
struct ViewSettings {
    ViewWindow Window;
    int16_t ZoomLevel = 0;
    double BaseHeight = 0;  // the window's height at zoom level 0; 0 before the first layout
    int SurfaceWidth = 0, SurfaceHeight = 0;  // pixels of the view's surface, 0 unknown
    int16_t GridIndex = 6;
    int16_t SnapIndex = 4;

    float GridSpacing() const { return GridTable[GridIndex]; }
    float SnapStep() const { return SnapTable[SnapIndex]; }
};

// Editor-wide view state. View numbers are 0 XY, 1 XZ, 2 ZY, 3 ISO; operations given any
// other number do nothing.
struct ViewState {
    int16_t CurrentView = VIEW_XY;
    float ZoomFactor = 1.2f;
    float PanStep = 0.2f;
    bool CrossMarked = false;   // marked polygons drawn as lines to their centroid
    bool PmoveMode = false;     // keypad moves along the model axes in every view
    bool StretchViews = false;  // a resized surface stretches the window instead of widening it
    bool DrawInProgress = false;
    std::array<ViewSettings, VIEW_COUNT> Views;
    double HAngle = 160;  // iso rotation about Y, degrees
    double VAngle = 30;   // iso rotation about X after the first, degrees

    // Sizes a view's window from its surface (one model unit = 1000 twips, 15 twips per
    // pixel) and centres it on the origin.
    void InitWindow(int view, int widthPx, int heightPx);
    // Every view's window sized from one surface, so that zoom level 0 shows the same height
    // of the model in every view; each then takes its own surface's proportions.
    void InitAllWindows(int widthPx, int heightPx);
    // Centres the window on the origin, keeping its size.
    void RecentreView(int view);
    void CentreAllViews();

    // The view's surface now has this size. The window keeps its centre and height and its
    // width follows the surface, so that both directions keep one scale; with StretchViews
    // the window stays as it is and the picture stretches.
    void SetSurface(int view, int widthPx, int heightPx);
    // Frames the points in use (the shown ones, if any): centred on them, at the largest zoom
    // step from zoom level 0 at which they all fit with a margin, within the zoom limits.
    // Returns true when the window changed.
    bool ZoomToFit(const ModelStore& m, int view);

    // Each returns true when the window changed; steps beyond the limits are ignored.
    bool ZoomIn(int view);
    bool ZoomOut(int view);
    bool PanLeft(int view);
    bool PanRight(int view);
    bool PanUp(int view);
    bool PanDown(int view);
    // One zoom step about a view position, which stays where it is on the surface (the mouse
    // wheel); the limits and the zoom level count as for ZoomIn and ZoomOut.
    bool ZoomInAt(int view, ViewPos anchor);
    bool ZoomOutAt(int view, ViewPos anchor);
    // Moves the window by view units (a drag); left and top stop at the pan limits.
    bool PanBy(int view, double dx, double dy);
    // Grid and snap index steps of an orthographic view, limited to 0..9.
    bool StepGrid(int view, int step);
    bool StepSnap(int view, int step);
    // Settings from a file: any index is clamped into 0..9.
    void SetGridIndex(int view, int index);
    void SetSnapIndex(int view, int index);

    // Iso turns in 5-degree steps: exactly 360 becomes 0, below 0 becomes 355.
    void TurnIso(int hStep, int vStep);
};

// Rounds v to the nearest multiple of the step; an exact tie goes to the greater multiple.
// A step of 0 or less leaves the value as it is.
double SnapToStep(float value, float step);


// Model point to view coordinates: (P[h], -P[v]) for an axis pair; the iso view rotates
// about Y by hAngle and then about X by vAngle (degrees), without perspective.
ViewPos OrthoProject(const PointRecord& p, int hAxis, int vAxis);
ViewPos IsoProject(const PointRecord& p, double hAngle, double vAngle);

// The iso rotation with its sines and cosines worked out once, for projecting many points.
struct IsoRotation {
    IsoRotation(double hAngle, double vAngle);
    ViewPos Project(const PointRecord& p) const;
    double cosH, sinH, cosV, sinV;
};
ViewPos ProjectPoint(const ViewState& views, int view, const PointRecord& p);

inline PlanePos ViewToPlane(ViewPos p) {
    return {p.x, -p.y};
}
inline ViewPos PlaneToView(PlanePos p) {
    return {p.h, -p.v};
}
inline PlanePos ProjectToPlane(const ViewState& views, int view, const PointRecord& p) {
    return ViewToPlane(ProjectPoint(views, view, p));
}

// Surface pixels (column i, row j of a w x h surface) to view coordinates and back.
ViewPos PixelToView(const ViewWindow& w, int widthPx, int heightPx, double i, double j);
void ViewToPixel(const ViewWindow& w, int widthPx, int heightPx, ViewPos p, double& i, double& j);

}  // namespace fw
