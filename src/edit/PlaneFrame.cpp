#include "edit/PlaneFrame.h"

#include <cmath>

namespace fw {

PlaneFrame::PlaneFrame(const PointRecord& p0, const PointRecord& p1, const PointRecord& p2)
    : origin_(p0) {
    double d1x = p0.X - p1.X, d1y = p0.Y - p1.Y, d1z = p0.Z - p1.Z;
    double d2x = p0.X - p2.X, d2y = p0.Y - p2.Y, d2z = p0.Z - p2.Z;
    double nx = d1y * d2z - d1z * d2y;
    double ny = d1z * d2x - d1x * d2z;
    double nz = d1x * d2y - d1y * d2x;
    double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    zeroNormal_ = length == 0;
    // A zero normal stays zero whatever the scale; the scale only matters for the angles.
    double s = zeroNormal_ ? 100 : 1 / length;
    nx *= s;
    ny *= s;
    nz *= s;
    a1_ = RoundedAtan2(ny, std::sqrt(nz * nz + nx * nx));
    a2_ = RoundedAtan2(nx, nz);
    cos1_ = std::cos(a1_);
    sin1_ = std::sin(a1_);
    cos2_ = std::cos(a2_);
    sin2_ = std::sin(a2_);
}

PointRecord PlaneFrame::ToPlane(const PointRecord& p) const {
    double x = p.X - origin_.X, y = p.Y - origin_.Y, z = p.Z - origin_.Z;
    double x1 = cos2_ * x - sin2_ * z;
    double z1 = cos2_ * z + sin2_ * x;
    double y2 = cos1_ * y - sin1_ * z1;
    double z2 = cos1_ * z1 + sin1_ * y;
    return {x1, y2, z2};
}

PointRecord PlaneFrame::FromPlane(const PointRecord& q) const {
    // The same two rotations with the angles negated, in the opposite order.
    double y1 = cos1_ * q.Y + sin1_ * q.Z;
    double z1 = cos1_ * q.Z - sin1_ * q.Y;
    double x = cos2_ * q.X + sin2_ * z1;
    double z = cos2_ * z1 - sin2_ * q.X;
    return {origin_.X + x, origin_.Y + y1, origin_.Z + z};
}

}  // namespace fw
