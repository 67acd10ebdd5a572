#pragma once

#include <optional>

#include "model/ModelStore.h"

namespace fw {

// The polygon toolbar's step boxes: move step (TextOPMove), scale factor (TextOPScale) and
// rotate step in degrees (TextOPRotate), with their defaults.
struct TextureSteps {
    double Move = 0.1;
    double Scale = 1.1;
    double Rotate = 5.0;
};

// Polygon toolbar (HOPIcon) buttons that act on texture coordinates. 12 to 14 mark, delete
// and insert polygons; RESET is ResetPolygonUVL of the editing library, which needs the points.
namespace hop_icon {
inline constexpr int TRANSLATE_LEFT = 0, TRANSLATE_RIGHT = 1, TRANSLATE_UP = 2, TRANSLATE_DOWN = 3,
                     WIDER = 4, THINNER = 5, TALLER = 6, SHORTER = 7, GREATER = 8, SMALLER = 9,
                     ROTATE_LEFT = 10, ROTATE_RIGHT = 11, MIRROR_LEFT_RIGHT = 15,
                     MIRROR_UP_DOWN = 16, RESET = 17;
}

// UV toolbar (HOUIcon) buttons; RESET is ResetPolygonUVL as above.
namespace hou_icon {
inline constexpr int ALIGN_CURRENT = 0, ALIGN_NEXT = 1, TRANSLATE_LEFT = 2, TRANSLATE_RIGHT = 3,
                     TRANSLATE_UP = 4, TRANSLATE_DOWN = 5, RESET = 6;
}

// The polygon with polygon-toolbar button `icon` (0-11, 15, 16) applied to U, V of all its
// corners. Scaling, rotating and mirroring work about the mean U, V of the corners. Empty,
// meaning "leave the polygon as it is", for any other button, for a scaling button (4-9)
// when the scale factor is 0, for a polygon without corners, and when a result would not fit
// a float.
std::optional<PolygonRecord> PolygonToolbarUV(const PolygonRecord& polygon, int icon,
                                              const TextureSteps& steps);

struct UVPointEdit {
    PolygonRecord Polygon;
    int Corner = 0;  // the current UV point afterwards
};

// UV-toolbar button `icon` (0-5) at the current UV point `corner`, which is taken as 0 when
// it is not one of the polygon's corners. Align puts that corner at (0, 0) and the next one
// on the +U axis at its former distance; align-next first moves the current UV point on by
// one, wrapping round. The translate buttons move the current UV point by `step`. Empty for
// other buttons, a polygon without corners, or a result that would not fit a float.
std::optional<UVPointEdit> UVToolbarUV(const PolygonRecord& polygon, int icon, int corner,
                                       double step);

}  // namespace fw
