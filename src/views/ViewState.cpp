#include "views/ViewState.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

constexpr double TWIPS_PER_PIXEL = 15;
constexpr double TWIPS_PER_UNIT = 1000;
constexpr double PI = 3.14159265358979;

bool ValidView(int view) {
    return view >= 0 && view < VIEW_COUNT;
}
bool OrthoView(int view) {
    return view >= 0 && view < VIEW_ISO;
}

// Window centre kept fixed while the size changes.
void Resize(ViewWindow& w, double factor) {
    double cx = w.left + w.width / 2, cy = w.top + w.height / 2;
    w.width *= factor;
    w.height *= factor;
    w.left = cx - w.width / 2;
    w.top = cy - w.height / 2;
}

// An anchor point kept fixed while the size changes.
void ResizeAbout(ViewWindow& w, double factor, ViewPos anchor) {
    w.left = anchor.x - (anchor.x - w.left) * factor;
    w.top = anchor.y - (anchor.y - w.top) * factor;
    w.width *= factor;
    w.height *= factor;
}

// A drag moves the window freely inside the pan limits, and never pulls back one that the
// pan steps took a little past them.
double PanTo(double from, double by) {
    return std::clamp(from + by, std::min(from, -PAN_LIMIT), std::max(from, PAN_LIMIT));
}

double TurnAngle(double angle, int step) {
    angle += step;
    if (angle == 360) return 0;
    if (angle < 0) return 355;
    return angle;
}

}  // namespace

ViewAxes AxesOf(int view) {
    switch (view) {
        case VIEW_XY:
            return {1, 2, 3};
        case VIEW_XZ:
            return {1, 3, 2};
        case VIEW_ZY:
            return {3, 2, 1};
        default:
            return {};
    }
}

const char* ViewCaption(int view) {
    switch (view) {
        case VIEW_XY:
            return "XY View (back)";
        case VIEW_XZ:
            return "XZ View (top)";
        case VIEW_ZY:
            return "ZY View (side)";
        case VIEW_ISO:
            return "WireFrame View (ISO)";
        default:
            return "";
    }
}

void ViewState::InitWindow(int view, int widthPx, int heightPx) {
    if (!ValidView(view)) return;
    ViewWindow& w = Views[view].Window;
    w.width = widthPx * TWIPS_PER_PIXEL / TWIPS_PER_UNIT;
    w.height = heightPx * TWIPS_PER_PIXEL / TWIPS_PER_UNIT;
    Views[view].BaseHeight = w.height;
    RecentreView(view);
}

void ViewState::RecentreView(int view) {
    if (!ValidView(view)) return;
    ViewWindow& w = Views[view].Window;
    w.left = -w.width / 2;
    w.top = -w.height / 2;
}

void ViewState::CentreAllViews() {
    for (int v = 0; v < VIEW_COUNT; ++v) RecentreView(v);
}

bool ViewState::ZoomIn(int view) {
    if (!ValidView(view) || !(Views[view].Window.width > MIN_ZOOM_WIDTH)) return false;
    Resize(Views[view].Window, 1.0 / ZoomFactor);
    ++Views[view].ZoomLevel;
    return true;
}

bool ViewState::ZoomOut(int view) {
    if (!ValidView(view) || !(Views[view].Window.height < MAX_ZOOM_HEIGHT)) return false;
    Resize(Views[view].Window, ZoomFactor);
    --Views[view].ZoomLevel;
    return true;
}

bool ViewState::ZoomInAt(int view, ViewPos anchor) {
    if (!ValidView(view) || !(Views[view].Window.width > MIN_ZOOM_WIDTH)) return false;
    ResizeAbout(Views[view].Window, 1.0 / ZoomFactor, anchor);
    ++Views[view].ZoomLevel;
    return true;
}

bool ViewState::ZoomOutAt(int view, ViewPos anchor) {
    if (!ValidView(view) || !(Views[view].Window.height < MAX_ZOOM_HEIGHT)) return false;
    ResizeAbout(Views[view].Window, ZoomFactor, anchor);
    --Views[view].ZoomLevel;
    return true;
}

bool ViewState::PanBy(int view, double dx, double dy) {
    if (!ValidView(view)) return false;
    ViewWindow& w = Views[view].Window;
    ViewWindow old = w;
    w.left = PanTo(w.left, dx);
    w.top = PanTo(w.top, dy);
    return !(w == old);
}

bool ViewState::PanLeft(int view) {
    if (!ValidView(view) || !(Views[view].Window.left > -PAN_LIMIT)) return false;
    Views[view].Window.left -= PanStep;
    return true;
}

bool ViewState::PanRight(int view) {
    if (!ValidView(view) || !(Views[view].Window.left < PAN_LIMIT)) return false;
    Views[view].Window.left += PanStep;
    return true;
}

bool ViewState::PanUp(int view) {
    if (!ValidView(view) || !(Views[view].Window.top > -PAN_LIMIT)) return false;
    Views[view].Window.top -= PanStep;
    return true;
}

bool ViewState::PanDown(int view) {
    if (!ValidView(view) || !(Views[view].Window.top < PAN_LIMIT)) return false;
    Views[view].Window.top += PanStep;
    return true;
}

bool ViewState::StepGrid(int view, int step) {
    if (!OrthoView(view)) return false;
    int old = Views[view].GridIndex;
    SetGridIndex(view, old + step);
    return Views[view].GridIndex != old;
}

bool ViewState::StepSnap(int view, int step) {
    if (!OrthoView(view)) return false;
    int old = Views[view].SnapIndex;
    SetSnapIndex(view, old + step);
    return Views[view].SnapIndex != old;
}

void ViewState::SetGridIndex(int view, int index) {
    if (!ValidView(view)) return;
    Views[view].GridIndex = static_cast<int16_t>(std::clamp(index, 0, 9));
}

void ViewState::SetSnapIndex(int view, int index) {
    if (!ValidView(view)) return;
    Views[view].SnapIndex = static_cast<int16_t>(std::clamp(index, 0, 9));
}

void ViewState::TurnIso(int hStep, int vStep) {
    if (hStep != 0) HAngle = TurnAngle(HAngle, hStep);
    if (vStep != 0) VAngle = TurnAngle(VAngle, vStep);
}

double SnapToStep(float value, float step) {
    if (!(step > 0)) return value;
    double v = value, s = step;
    double k = std::nearbyint(v / s);  // default rounding mode: halves to even
    double a = k * s, b = (k + 1) * s;
    return (b - v) * (b - v) <= (a - v) * (a - v) ? b : a;
}


ViewPos OrthoProject(const PointRecord& p, int hAxis, int vAxis) {
    return {Coordinate(p, hAxis), -Coordinate(p, vAxis)};
}

IsoRotation::IsoRotation(double hAngle, double vAngle) {
    double h = hAngle * PI / 180, v = vAngle * PI / 180;
    cosH = std::cos(h), sinH = std::sin(h), cosV = std::cos(v), sinV = std::sin(v);
}

ViewPos IsoRotation::Project(const PointRecord& p) const {
    double tx = p.X * cosH + p.Z * sinH;
    double tz = p.Z * cosH - p.X * sinH;
    double ty = p.Y;
    double uy = ty * cosV + tz * sinV;
    return {tx, -uy};
}

ViewPos IsoProject(const PointRecord& p, double hAngle, double vAngle) {
    return IsoRotation(hAngle, vAngle).Project(p);
}

ViewPos ProjectPoint(const ViewState& views, int view, const PointRecord& p) {
    if (view == VIEW_ISO) return IsoProject(p, views.HAngle, views.VAngle);
    ViewAxes a = AxesOf(view);
    return OrthoProject(p, a.h, a.v);
}

ViewPos PixelToView(const ViewWindow& w, int widthPx, int heightPx, double i, double j) {
    if (widthPx <= 0 || heightPx <= 0) return {w.left, w.top};
    return {w.left + i * w.width / widthPx, w.top + j * w.height / heightPx};
}

void ViewToPixel(const ViewWindow& w, int widthPx, int heightPx, ViewPos p, double& i, double& j) {
    i = w.width != 0 ? (p.x - w.left) * widthPx / w.width : 0;
    j = w.height != 0 ? (p.y - w.top) * heightPx / w.height : 0;
}

}  // namespace fw
