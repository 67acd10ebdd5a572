#include <gtest/gtest.h>

#include <cmath>

#include "textures/TextureMapping.h"

namespace fw {
namespace {

constexpr double PI = ROUNDED_PI;

// Inputs with only `type` on, factor 1, scales 1, centre 0.
MappingInputs Only(MappingType type, int axis) {
    MappingInputs in;
    PressMappingDefault(in, type);
    MappingSet& s = in.Set(type);
    s.Factor = 1, s.UScale = 1, s.VScale = 1, s.Axis = axis;
    return in;
}

std::pair<double, double> UV(const MappingInputs& in, PointRecord p) {
    auto uv = MapPoint(in, p);
    EXPECT_TRUE(uv.has_value());
    return uv ? std::pair<double, double>{uv->U, uv->V} : std::pair{0.0, 0.0};
}

// U, V are stored as floats.
void ExpectNear(std::pair<double, double> got, std::pair<double, double> expected) {
    EXPECT_NEAR(got.first, expected.first, 1e-6);
    EXPECT_NEAR(got.second, expected.second, 1e-6);
}

TEST(TextureMapping, Atan2BranchesAndItsPi) {
    // (0, 0) and (1, 0) are met by the spherical and cylindrical cases below.
    EXPECT_DOUBLE_EQ(RoundedAtan2(0, -1), PI);  // y >= 0 on the negative x side
    EXPECT_DOUBLE_EQ(RoundedAtan2(-1, -1), std::atan(1.0) - PI);
}

TEST(TextureMapping, PlanarProjectsOntoTheChosenPlane) {
    MappingInputs in = OpeningMappingInputs();  // planar, XY, scales 0.25
    EXPECT_EQ(UV(in, {4, 8, 0}), std::pair(1.0, 2.0));
    const std::pair<int, std::pair<double, double>> planes[] = {
        {0, {3 - 0.5, 2 - 0.25}}, {1, {1 - 1.0, 3 - 0.5}}, {2, {1 - 1.0, 2 - 0.25}}};
    for (auto [axis, expected] : planes) {
        MappingInputs p = Only(MappingType::Planar, axis);
        p.Planar.Centre = {1.0, 0.25, 0.5};
        EXPECT_EQ(UV(p, {1, 2, 3}), expected) << "plane " << axis;
    }
}

TEST(TextureMapping, SphericalAndCylindricalAngles) {
    // Cylinder about Z: (1, 0, 3) lies a quarter turn round, 3 up.
    EXPECT_EQ(UV(Only(MappingType::Cylindrical, 2), {1, 0, 3}), std::pair(0.5, 3.0));
    EXPECT_EQ(UV(Only(MappingType::Cylindrical, 0), {3, 0, 1}), std::pair(0.5, 3.0));  // X axis
    EXPECT_EQ(UV(Only(MappingType::Cylindrical, 1), {1, 3, 0}), std::pair(0.5, 3.0));  // Y axis
    EXPECT_EQ(UV(Only(MappingType::Cylindrical, 2), {0, 0, 0}), std::pair(0.0, 0.0));

    // Sphere in the XY plane: straight above the centre the heading is Atan2(0, 0); at the
    // centre itself the point counts as 0.001 along Y.
    EXPECT_EQ(UV(Only(MappingType::Spherical, 2), {0, 0, 1}), std::pair(-0.5, 0.0));
    EXPECT_EQ(UV(Only(MappingType::Spherical, 2), {0, 0, 0}), std::pair(0.0, 0.5));
    auto [u, v] = UV(Only(MappingType::Spherical, 1), {1, 0, 1});  // XZ plane
    ExpectNear({u, v}, {std::atan(1.0) / PI, RoundedAtan2(std::sqrt(2.0), 0) / PI});
    std::tie(u, v) = UV(Only(MappingType::Spherical, 0), {-1, 1, 0});  // ZY plane
    ExpectNear({u, v}, {0, (std::atan(-1.0) + PI) / PI});
}

TEST(TextureMapping, FactorsAddUpAndOverallTurnsAndScales) {
    const PointRecord p{1, 2, 3};
    MappingInputs planar = Only(MappingType::Planar, 2),
                  spherical = Only(MappingType::Spherical, 2);
    MappingInputs both = planar;
    both.Spherical = spherical.Spherical;
    auto [pu, pv] = UV(planar, p);
    auto [su, sv] = UV(spherical, p);
    ExpectNear(UV(both, p), {pu + su, pv + sv});  // the sum, not the mean
    both.Spherical.Factor = 0.001;                // off
    EXPECT_EQ(UV(both, p), std::pair(pu, pv));
    both.Spherical.Factor = -2;
    ExpectNear(UV(both, p), {pu - 2 * su, pv - 2 * sv});

    planar.Rotation = 90;
    planar.Scaling = 2;
    ExpectNear(UV(planar, {1, 0, 0}), {0, 2});
}

TEST(TextureMapping, DefaultButtonsLeaveOneTypeOn) {
    MappingInputs in;
    in.Rotation = 30, in.Scaling = 3;
    in.Spherical.Centre = {1, 1, 1};
    in.Spherical.Axis = 0;
    PressMappingDefault(in, MappingType::Spherical);
    EXPECT_EQ(std::tuple(in.Planar.Factor, in.Spherical.Factor, in.Cylindrical.Factor),
              std::tuple(0, 1, 0));
    EXPECT_EQ(in.Spherical.Centre, PointRecord{});
    EXPECT_EQ(in.Spherical.Axis, 0);  // the option button stays
    EXPECT_EQ(in.Rotation, 30);       // only the planar button resets the overall values
    PressMappingDefault(in, MappingType::Planar);
    EXPECT_EQ(std::pair(in.Rotation, in.Scaling), std::pair(0.0, 1.0));
}

TEST(TextureMapping, PolygonCornersWithoutAResultKeepTheirValues) {
    ModelStore m;
    NewModel(m);
    m.NumPoints = 3;
    m.Points[1] = {4, 8, 0};
    m.Points[2] = {8, 4, 0};
    PolygonRecord& p = m.Polygons[0];
    p.CornerCount = 4;
    p.Corners = {0, 1, 2, 7};  // point 7 is not in use
    for (auto& c : p.CornerUVL) c = {9, 9, 0.5f};
    m.NumPolygons = 1;

    PolygonRecord mapped = MapPolygon(m, 0, OpeningMappingInputs());
    EXPECT_EQ(std::vector(mapped.CornerUVL.begin(), mapped.CornerUVL.begin() + 4),
              (std::vector<CornerUVLRecord>{
                  {0, 0, 0.5f}, {1, 2, 0.5f}, {2, 1, 0.5f}, {9, 9, 0.5f}}));
    EXPECT_EQ(m.Polygons[0].CornerUVL[1].U, 9);  // the model is only read

    MappingInputs huge = OpeningMappingInputs();
    huge.Scaling = 1e39;  // beyond a float
    mapped = MapPolygon(m, 0, huge);
    EXPECT_EQ(mapped.CornerUVL[1], (CornerUVLRecord{9, 9, 0.5f}));
    EXPECT_EQ(mapped.CornerUVL[0], (CornerUVLRecord{0, 0, 0.5f}));  // 0 still fits
}

}  // namespace
}  // namespace fw
