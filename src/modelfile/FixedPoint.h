#pragma once

#include <cmath>
#include <cstdint>

namespace fw {

// One model unit in the file's and the game's 16.16 fixed point.
inline constexpr double FIX_ONE = 65536.0;

// True when a value in model units is finite and rounds to a Fix the file can hold.
inline bool FitsFixedPoint(double units) {
    double rounded = std::nearbyint(units * FIX_ONE);
    return rounded >= INT32_MIN && rounded <= INT32_MAX;  // false for NaN and infinities
}

struct FixVector {
    int32_t X = 0, Y = 0, Z = 0;
    bool operator==(const FixVector&) const = default;
};

// Rounds values already scaled by FIX_ONE to Fix (nearest, ties to even in the default
// rounding mode). A value that does not fit a Long is written as 0 and remembered, so that a
// whole file can be built and then refused at once.
class FixRounder {
public:
    int32_t operator()(double scaled) {
        double rounded = std::nearbyint(scaled);
        if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) {
            failed_ = true;
            return 0;
        }
        return static_cast<int32_t>(rounded);
    }
    FixVector operator()(double x, double y, double z) {
        FixVector v;
        v.X = (*this)(x);
        v.Y = (*this)(y);
        v.Z = (*this)(z);
        return v;
    }
    bool Failed() const { return failed_; }

private:
    bool failed_ = false;
};

}  // namespace fw
