#include <gtest/gtest.h>

#include <cmath>

#include "ModelFileTestUtil.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

using test::AddFlatPolygon;
using test::AddPoint;
using test::FixAt;
using test::LongAt;
using test::Serialize;
using test::ShortAt;

constexpr size_t D = MODEL_HEADER_SIZE;  // file offset of the model data

TEST(StreamWriter, OneTriangleModelAndModelWithoutPolygons) {
    auto m = test::EmptyModel(1);
    for (int i = 0; i < 3; ++i) AddPoint(*m, 1 + (i == 1), 2 + (i == 2), 3, 0);
    AddFlatPolygon(*m, {0, 1, 2}, 0x1234);
    auto b = Serialize(*m);

    ASSERT_EQ(b.size(), D + 84 + 8);
    EXPECT_EQ(LongAt(b, HeaderOffset::DataSize), 84);
    // d_defp_start: count 3, start 0 as one Long, then the points (the root is at the origin).
    EXPECT_EQ(LongAt(b, D + 4), 0);
    EXPECT_EQ(FixAt(b, D + 32), (FixVector{65536, 196608, 196608}));
    // d_flatpoly at 44: plane point is the first corner, normal (a x b)/|a x b|.
    const size_t f = D + 44;
    EXPECT_EQ(ShortAt(b, f), d_flatpoly);
    EXPECT_EQ(FixAt(b, f + 4), (FixVector{65536, 131072, 196608}));
    EXPECT_EQ(FixAt(b, f + 16), (FixVector{0, 0, 65536}));
    EXPECT_EQ(ShortAt(b, f + 28), 0x1234);
    EXPECT_EQ((std::array{ShortAt(b, f + 30), ShortAt(b, f + 32), ShortAt(b, f + 34)}),
              (std::array<int16_t, 3>{0, 1, 2}));
    EXPECT_EQ(LongAt(b, D + 88), -1);  // trailers of a new model

    m = test::EmptyModel(1);
    for (int i = 0; i < 5; ++i) AddPoint(*m, i, 0, 0, 0);
    EXPECT_EQ(Serialize(*m).size(), D + 8 + 12 * 5 + 4 + 8);
}

TEST(StreamWriter, RootWithOneChildCallsItThroughASortnormGroup) {
    auto m = test::EmptyModel(2);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, i % 2, 0, 0);
    for (int i = 0; i < 3; ++i) AddPoint(*m, 4 + (i > 0) + (i == 1), 2 * (i == 2), 1, 1);
    AddFlatPolygon(*m, {0, 1, 2});
    test::AddTexturedPolygon(*m, {3, 4, 5}, 0);
    m->Submodels[1].SortPolygon = 1;
    auto b = Serialize(*m);

    const int rootData = 8 + 36 + 36 + 4;
    const int childData = 8 + 36 + 72 + 4;
    EXPECT_EQ(LongAt(b, HeaderOffset::DataSize), 56 + rootData + childData);
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers), 56);
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers + 4), 56 + rootData);

    // The child's centre is the centroid (5, 2/3, 1) of its points.
    const FixVector centre{5 * 65536, 43691, 65536};
    EXPECT_EQ(FixAt(b, HeaderOffset::SubmodelOffsets + 12), centre);

    EXPECT_EQ(FixAt(b, D + 4), (FixVector{0, 0, 65536}));           // normal of polygon 1
    EXPECT_EQ(FixAt(b, D + 16), (FixVector{4 * 65536, 0, 65536}));  // its first corner
    EXPECT_EQ(ShortAt(b, D + 28), 56);
    EXPECT_EQ(ShortAt(b, D + 30), 34);
    EXPECT_EQ(ShortAt(b, D + 34), d_subcall);
    EXPECT_EQ(ShortAt(b, D + 36), 1);
    EXPECT_EQ(FixAt(b, D + 38), centre);
    EXPECT_EQ(ShortAt(b, D + 50), 56 + rootData - 34);

    // The child's points and plane point are relative to its centre.
    const size_t child = D + 56 + rootData;
    EXPECT_EQ(LongAt(b, child + 4), 3);  // its first point
    EXPECT_EQ(FixAt(b, child + 8), (FixVector{-65536, -43691, 0}));
    EXPECT_EQ(FixAt(b, child + 48), (FixVector{-65536, -43691, 0}));
}

// Values that only pass through (reserved, trailers, texture window) come back in the round
// trip; these are the ones the writer works out.
TEST(ModelHeader, ComputedFieldsAtTheirOffsets) {
    auto b = Serialize(*test::MakeRobotModel());
    const int32_t size = LongAt(b, HeaderOffset::DataSize);
    ASSERT_EQ(b.size(), D + size + 8);
    for (int s = 0; s < 3; ++s)  // every pointer names a d_defp_start
        EXPECT_EQ(ShortAt(b, D + LongAt(b, HeaderOffset::SubmodelPointers + 4 * s)), d_defp_start);
    // Root box is (-1, -1, -1.5) .. (1, 1, 1.5): radius 0.4 x sqrt(4 + 4 + 9).
    EXPECT_EQ(LongAt(b, HeaderOffset::Radii),
              int32_t(std::nearbyint(double(float(0.4 * std::sqrt(17.0))) * 65536)));
    EXPECT_EQ(FixAt(b, HeaderOffset::SubmodelMinima), (FixVector{-65536, -65536, -98304}));
    EXPECT_EQ(b[HeaderOffset::Parents], 255);
    EXPECT_EQ(ShortAt(b, D), d_sortnorm);  // data starts right after the 746-byte header
}

TEST(FixRounder, RoundsToNearestEvenAndRefusesWhatDoesNotFit) {
    FixRounder fix;
    EXPECT_EQ(fix(2.5), 2);
    EXPECT_EQ(fix(-1.5), -2);
    EXPECT_FALSE(fix.Failed());
    fix(2147483648.0);
    EXPECT_TRUE(fix.Failed());
}

}  // namespace
}  // namespace fw
