#pragma once

#include "viewer/Vec3.h"

namespace fw {

// How the user looks at the model: turned about the vertical axis (yaw) and tilted (pitch),
// both in degrees, moved closer by a zoom factor and shifted by a pan in screen heights.
// Yaw 0 and pitch 0 look at the model's front (from +z towards -z).
struct ViewAngles {
    float Yaw = 30, Pitch = 20, Zoom = 1, PanX = 0, PanY = 0;
    bool operator==(const ViewAngles&) const = default;
};

inline constexpr float MIN_ZOOM = 0.05f, MAX_ZOOM = 50.0f, MAX_PITCH = 89.0f;
// Brings angles and zoom into range: yaw into [0, 360), pitch into [-89, 89].
void NormalizeAngles(ViewAngles& a);

// A perspective camera in the game's left-handed frame: view x to the right, y up, z into
// the screen.
struct Camera {
    Vec3 Eye, Right, Up, Forward;
    float Focal = 1;                  // pixels per unit at distance 1
    float CentreX = 0, CentreY = 0;   // screen position of the view axis
    float Near = 0.01f;               // polygons are clipped at this view depth

    Vec3 ToView(Vec3 p) const {
        Vec3 d = p - Eye;
        return {Dot(d, Right), Dot(d, Up), Dot(d, Forward)};
    }
};

// The camera that shows a sphere (centre, radius) whole on a width x height surface at zoom
// 1, seen from the angles.
Camera MakeCamera(const ViewAngles& angles, Vec3 centre, float radius, int width, int height);

// A camera whose view space is model space (for measuring the model).
Camera IdentityCamera();

}  // namespace fw
