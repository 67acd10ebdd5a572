#pragma once

#include <cmath>

namespace fw {

// The value of pi the plane and mapping arithmetic has always used; stored U, V values
// depend on it, so it stays rounded.
inline constexpr double ROUNDED_PI = 3.1415927;

// Arctangent of y / x over the full circle with ROUNDED_PI: x = 0 gives pi/2 for y > 0 and
// -pi/2 otherwise, so (0, 0) gives -pi/2 where std::atan2 gives 0.
inline double RoundedAtan2(double y, double x) {
    if (x == 0) return y > 0 ? ROUNDED_PI / 2 : -ROUNDED_PI / 2;
    const double a = std::atan(y / x);
    if (x > 0) return a;
    return y >= 0 ? a + ROUNDED_PI : a - ROUNDED_PI;
}

}  // namespace fw
