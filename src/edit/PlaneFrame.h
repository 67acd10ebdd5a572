#pragma once

#include "model/ModelStore.h"
#include "model/RoundedAtan2.h"

namespace fw {

// A frame lying in the plane through three points: its origin is p0 and its +Z axis the unit
// normal (p0 - p1) x (p0 - p2). The frame is reached from model space by a rotation about Y
// by A2 and then about X by A1. Three points on one line give a zero normal; both angles are
// then -pi/2, so the frame's +Z points along -Y and nothing fails.
class PlaneFrame {
public:
    PlaneFrame(const PointRecord& p0, const PointRecord& p1, const PointRecord& p2);

    bool HasZeroNormal() const { return zeroNormal_; }
    double A1() const { return a1_; }
    double A2() const { return a2_; }

    // Position of a model point in the frame; Z is its signed distance from the plane.
    PointRecord ToPlane(const PointRecord& p) const;
    // The model point at a position of the frame (the inverse of ToPlane).
    PointRecord FromPlane(const PointRecord& q) const;

private:
    PointRecord origin_;
    bool zeroNormal_ = false;
    double a1_ = 0, a2_ = 0;
    double cos1_ = 1, sin1_ = 0, cos2_ = 1, sin2_ = 0;
};

}  // namespace fw
