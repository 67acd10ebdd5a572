#include "viewer/ViewerCamera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fw {

namespace {
constexpr float FIELD_OF_VIEW = 50.0f;  // vertical, degrees
constexpr float FIT_MARGIN = 1.15f;
constexpr float RAD = std::numbers::pi_v<float> / 180;
}  // namespace

void NormalizeAngles(ViewAngles& a) {
    if (!std::isfinite(a.Yaw)) a.Yaw = 0;
    if (!std::isfinite(a.Pitch)) a.Pitch = 0;
    if (!std::isfinite(a.Zoom)) a.Zoom = 1;
    a.Yaw = std::fmod(a.Yaw, 360.0f);
    if (a.Yaw < 0) a.Yaw += 360;
    a.Pitch = std::clamp(a.Pitch, -MAX_PITCH, MAX_PITCH);
    a.Zoom = std::clamp(a.Zoom, MIN_ZOOM, MAX_ZOOM);
    a.PanX = std::isfinite(a.PanX) ? std::clamp(a.PanX, -10.0f, 10.0f) : 0;
    a.PanY = std::isfinite(a.PanY) ? std::clamp(a.PanY, -10.0f, 10.0f) : 0;
}

Camera MakeCamera(const ViewAngles& given, Vec3 centre, float radius, int width, int height) {
    ViewAngles a = given;
    NormalizeAngles(a);
    radius = std::isfinite(radius) && radius > 1e-3f ? radius : 1.0f;
    float half = FIELD_OF_VIEW * RAD / 2;
    float distance = radius * FIT_MARGIN / std::sin(half) / a.Zoom;
    float yaw = a.Yaw * RAD, pitch = a.Pitch * RAD;
    Vec3 towardEye{std::sin(yaw) * std::cos(pitch), std::sin(pitch), std::cos(yaw) * std::cos(pitch)};

    Camera c;
    c.Forward = towardEye * -1;
    // Left-handed: right = up x forward, as the game builds its view matrix.
    c.Right = Normalized(Cross({0, 1, 0}, c.Forward));
    c.Up = Cross(c.Forward, c.Right);
    float h = static_cast<float>(std::max(height, 1));
    float w = static_cast<float>(std::max(width, 1));
    // A narrow window fits the sphere across its width instead.
    c.Focal = std::min(h, w) / 2 / std::tan(half);
    c.CentreX = w / 2 + a.PanX * h;
    c.CentreY = h / 2 + a.PanY * h;
    c.Eye = centre + towardEye * distance;
    c.Near = std::max(radius * 0.01f, 1e-4f);
    return c;
}

Camera IdentityCamera() {
    Camera c;
    c.Right = {1, 0, 0};
    c.Up = {0, 1, 0};
    c.Forward = {0, 0, 1};
    return c;
}

}  // namespace fw
