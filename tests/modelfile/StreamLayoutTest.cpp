#include <gtest/gtest.h>

#include <cmath>

#include "ModelFileTestUtil.h"
#include "TestModels.h"
#include "modelfile/ModelFile.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

using test::AddFlatPolygon;
using test::AddPoint;
using test::AddTexturedPolygon;
using test::FixAt;
using test::LongAt;
using test::ShortAt;

constexpr size_t D = MODEL_HEADER_SIZE;  // file offset of the model data

std::vector<uint8_t> Serialize(ModelStore& m) {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(SerializeModel(m, bytes), "");
    return bytes;
}

TEST(StreamWriter, OpcodesAndRecordSizes) {
    EXPECT_EQ(OpcodeName(d_eof), "d_eof");
    EXPECT_EQ(OpcodeName(d_defp_start), "d_defp_start");
    EXPECT_EQ(OpcodeName(d_glow), "d_glow");
    EXPECT_EQ(OpcodeName(9), "unknown");
    EXPECT_EQ(OpcodeName(-1), "unknown");

    std::vector<uint8_t> out;
    int32_t position = 10;
    WriteOpcode(out, position, d_sortnorm);
    EXPECT_EQ(position, 12);
    EXPECT_EQ(out, (std::vector<uint8_t>{4, 0}));

    EXPECT_EQ(PolygonRecordSize(3, false), 36);
    EXPECT_EQ(PolygonRecordSize(4, false), 40);
    EXPECT_EQ(PolygonRecordSize(2, false), 34);  // two corners get no padding
    EXPECT_EQ(PolygonRecordSize(3, true), 72);
    EXPECT_EQ(PolygonRecordSize(4, true), 88);
    EXPECT_EQ(PolygonRecordSize(20, true), 30 + 40 + 2 + 240);

    // Every writer adds exactly what it appends.
    std::array<int16_t, 4> corners{0, 1, 2, 3};
    std::array<UVFix, 4> uv{{{65536, 2}, {3, 4}, {5, 6}, {7, 8}}};
    out.clear();
    position = 0;
    WriteTmapPoly(out, position, {1, 2, 3}, {4, 5, 6}, 7, corners, uv);
    EXPECT_EQ(position, 88);
    EXPECT_EQ(out.size(), 88u);
    EXPECT_EQ(ShortAt(out, 38), 0);     // padding after four corners
    EXPECT_EQ(LongAt(out, 40), 65536);  // U of corner 0
    EXPECT_EQ(LongAt(out, 48), 0);      // L is never written
    EXPECT_EQ(LongAt(out, 40 + 36 + 8), 0);
    WriteSubcall(out, position, 3, {}, 99);
    WriteSortnorm(out, position, {}, {});
    EXPECT_EQ(position, 88 + 20 + 32);
    EXPECT_EQ(out.size(), size_t(position));
}

TEST(StreamWriter, OneTriangleModel) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 1);
    AddPoint(*m, 1, 2, 3, 0);
    AddPoint(*m, 2, 2, 3, 0);
    AddPoint(*m, 1, 3, 3, 0);
    AddFlatPolygon(*m, {0, 1, 2}, 0x1234);
    auto b = Serialize(*m);

    ASSERT_EQ(b.size(), D + 84 + 8);
    EXPECT_EQ(LongAt(b, HeaderOffset::DataSize), 84);
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers), 0);
    // d_defp_start: count 3, start 0 as one Long, then the points (the root is at the origin).
    EXPECT_EQ(ShortAt(b, D), d_defp_start);
    EXPECT_EQ(ShortAt(b, D + 2), 3);
    EXPECT_EQ(LongAt(b, D + 4), 0);
    EXPECT_EQ(FixAt(b, D + 8), (FixVector{65536, 131072, 196608}));
    EXPECT_EQ(FixAt(b, D + 32), (FixVector{65536, 196608, 196608}));
    // d_flatpoly at 44: plane point is the first corner, normal (a x b)/|a x b|.
    const size_t f = D + 44;
    EXPECT_EQ(ShortAt(b, f), d_flatpoly);
    EXPECT_EQ(ShortAt(b, f + 2), 3);
    EXPECT_EQ(FixAt(b, f + 4), (FixVector{65536, 131072, 196608}));
    EXPECT_EQ(FixAt(b, f + 16), (FixVector{0, 0, 65536}));
    EXPECT_EQ(ShortAt(b, f + 28), 0x1234);
    EXPECT_EQ((std::array{ShortAt(b, f + 30), ShortAt(b, f + 32), ShortAt(b, f + 34)}),
              (std::array<int16_t, 3>{0, 1, 2}));
    EXPECT_EQ(ShortAt(b, D + 80), d_eof);
    EXPECT_EQ(ShortAt(b, D + 82), d_eof);
    EXPECT_EQ(LongAt(b, D + 84), -1);  // trailers of a new model
    EXPECT_EQ(LongAt(b, D + 88), -1);
}

TEST(StreamWriter, RootWithOneChildCallsItThroughASortnormGroup) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 2);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, i % 2, 0, 0);
    AddPoint(*m, 4, 0, 1, 1);
    AddPoint(*m, 6, 0, 1, 1);
    AddPoint(*m, 5, 2, 1, 1);
    AddFlatPolygon(*m, {0, 1, 2});
    AddTexturedPolygon(*m, {3, 4, 5}, 0);
    m->Submodels[1].SortPolygon = 1;
    auto b = Serialize(*m);

    const int rootData = 8 + 36 + 36 + 4;
    const int childData = 8 + 36 + 72 + 4;
    EXPECT_EQ(LongAt(b, HeaderOffset::DataSize), 56 + rootData + childData);
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers), 56);
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers + 4), 56 + rootData);
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers + 8), 0);

    // The child's centre is the centroid (5, 2/3, 1) of its points.
    EXPECT_DOUBLE_EQ(m->Submodels[1].Centre[1], 2.0 / 3);
    const FixVector centre{5 * 65536, 43691, 65536};
    EXPECT_EQ(FixAt(b, HeaderOffset::SubmodelOffsets + 12), centre);

    EXPECT_EQ(ShortAt(b, D), d_sortnorm);
    EXPECT_EQ(ShortAt(b, D + 2), 0);
    EXPECT_EQ(FixAt(b, D + 4), (FixVector{0, 0, 65536}));           // normal of polygon 1
    EXPECT_EQ(FixAt(b, D + 16), (FixVector{4 * 65536, 0, 65536}));  // its first corner
    EXPECT_EQ(ShortAt(b, D + 28), 56);
    EXPECT_EQ(ShortAt(b, D + 30), 34);
    EXPECT_EQ(ShortAt(b, D + 32), d_eof);
    EXPECT_EQ(ShortAt(b, D + 34), d_subcall);
    EXPECT_EQ(ShortAt(b, D + 36), 1);
    EXPECT_EQ(FixAt(b, D + 38), centre);
    EXPECT_EQ(ShortAt(b, D + 50), 56 + rootData - 34);
    EXPECT_EQ(ShortAt(b, D + 52), 0);
    EXPECT_EQ(ShortAt(b, D + 54), d_eof);
    EXPECT_EQ(ShortAt(b, D + 56), d_defp_start);

    // The child's points and plane point are relative to its centre.
    const size_t child = D + 56 + rootData;
    EXPECT_EQ(ShortAt(b, child), d_defp_start);
    EXPECT_EQ(LongAt(b, child + 4), 3);  // its first point
    EXPECT_EQ(FixAt(b, child + 8), (FixVector{-65536, -43691, 0}));
    EXPECT_EQ(ShortAt(b, child + 44), d_tmappoly);
    EXPECT_EQ(FixAt(b, child + 48), (FixVector{-65536, -43691, 0}));
}

TEST(StreamWriter, GrandchildrenAreOffsetFromTheirParentsCentre) {
    auto m = test::MakeChainModel(2);
    auto b = Serialize(*m);
    FixVector c1 = FixAt(b, HeaderOffset::SubmodelOffsets + 12);
    FixVector c2rel = FixAt(b, HeaderOffset::SubmodelOffsets + 24);
    auto fix = [](double v) { return int32_t(std::nearbyint(v * 65536)); };
    EXPECT_EQ(c1.X, fix(m->Submodels[1].Centre[0]));
    EXPECT_EQ(c2rel.X, fix(m->Submodels[2].Centre[0]) - fix(m->Submodels[1].Centre[0]));
    // Block 1 starts with the group that calls submodel 2; its subcall carries the same offset.
    const size_t block1 = D + LongAt(b, HeaderOffset::SubmodelPointers + 4) - 56;
    EXPECT_EQ(ShortAt(b, block1), d_sortnorm);
    EXPECT_EQ(ShortAt(b, block1 + 34), d_subcall);
    EXPECT_EQ(ShortAt(b, block1 + 36), 2);
    EXPECT_EQ(FixAt(b, block1 + 38), c2rel);
    const size_t block2 = D + LongAt(b, HeaderOffset::SubmodelPointers + 8);
    EXPECT_EQ(block1 + 34 + ShortAt(b, block1 + 50), block2);
    // The separation point of submodel 2 is relative to submodel 1's centre.
    const PointRecord& corner = m->Points[m->Polygons[2].Corners[0]];
    EXPECT_EQ(LongAt(b, block1 + 16), fix(corner.X) - fix(m->Submodels[1].Centre[0]));
    EXPECT_EQ(LongAt(b, HeaderOffset::PlanePoints + 24), fix(corner.X));
}

TEST(ModelHeader, FieldsAtTheirOffsets) {
    auto m = test::MakeRobotModel();
    m->HeaderReserved = 0x12345678;
    m->SimplerModel = 4;
    m->TrailerValue1 = 11;
    m->TrailerValue2 = -22;
    auto b = Serialize(*m);

    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "ZPMF");
    EXPECT_EQ(LongAt(b, HeaderOffset::Version), 1);
    EXPECT_EQ(LongAt(b, HeaderOffset::Reserved), 0x12345678);
    EXPECT_EQ(LongAt(b, HeaderOffset::NumSubmodels), 3);
    const int32_t size = LongAt(b, HeaderOffset::DataSize);
    EXPECT_EQ(b.size(), D + size + 8);
    EXPECT_EQ(LongAt(b, HeaderOffset::DataPointer), 0);
    for (int s = 0; s < 3; ++s)  // every pointer names a d_defp_start
        EXPECT_EQ(ShortAt(b, D + LongAt(b, HeaderOffset::SubmodelPointers + 4 * s)), d_defp_start);
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers + 12), 0);
    EXPECT_EQ(FixAt(b, HeaderOffset::SubmodelOffsets), FixVector{});
    EXPECT_EQ(FixAt(b, HeaderOffset::PlaneNormals), FixVector{});
    for (int s = 1; s < 3; ++s) {
        FixVector n = FixAt(b, HeaderOffset::PlaneNormals + 12 * s);
        EXPECT_NEAR(std::sqrt(double(n.X) * n.X + double(n.Y) * n.Y + double(n.Z) * n.Z), 65536, 2);
    }
    const PointRecord& arm = m->Points[m->Polygons[m->Submodels[2].SortPolygon].Corners[0]];
    EXPECT_EQ(FixAt(b, HeaderOffset::PlanePoints + 24),
              (FixVector{int32_t(arm.X * 65536), int32_t(arm.Y * 65536), int32_t(arm.Z * 65536)}));
    // Root box is (-1, -1, -1.5) .. (1, 1, 1.5): radius 0.4 x sqrt(4 + 4 + 9).
    EXPECT_EQ(LongAt(b, HeaderOffset::Radii),
              int32_t(std::nearbyint(double(float(0.4 * std::sqrt(17.0))) * 65536)));
    EXPECT_EQ(FixAt(b, HeaderOffset::SubmodelMinima), (FixVector{-65536, -65536, -98304}));
    EXPECT_EQ(FixAt(b, HeaderOffset::SubmodelMaxima), (FixVector{65536, 65536, 98304}));
    EXPECT_EQ(LongAt(b, HeaderOffset::Radii + 12), 0);
    EXPECT_EQ((std::array{b[HeaderOffset::Parents], b[HeaderOffset::Parents + 1],
                          b[HeaderOffset::Parents + 2]}),
              (std::array<uint8_t, 3>{255, 0, 0}));
    EXPECT_EQ(FixAt(b, HeaderOffset::ModelMinimum),
              (FixVector{-2 * 65536 - 32768, -65536, -98304}));
    EXPECT_EQ(FixAt(b, HeaderOffset::ModelMaximum), (FixVector{2 * 65536 + 32768, 65536, 98304}));
    EXPECT_GT(LongAt(b, HeaderOffset::ModelRadius), 0);
    EXPECT_EQ(b[HeaderOffset::NumberOfTextures], 3);
    EXPECT_EQ(ShortAt(b, HeaderOffset::FirstTexture), 12);
    EXPECT_EQ(b[HeaderOffset::SimplerModel], 4);
    EXPECT_EQ(ShortAt(b, D), d_sortnorm);  // data starts right after the 746-byte header
    EXPECT_EQ(LongAt(b, D + size), 11);
    EXPECT_EQ(LongAt(b, D + size + 4), -22);
}

TEST(ModelHeader, ModelWithoutPolygonsHoldsOnlyItsPoints) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 1);
    for (int i = 0; i < 5; ++i) AddPoint(*m, i, 0, 0, 0);
    auto b = Serialize(*m);
    EXPECT_EQ(b.size(), D + 8 + 12 * 5 + 4 + 8);
    EXPECT_EQ(LongAt(b, HeaderOffset::DataSize), 8 + 12 * 5 + 4);
}

TEST(FixRounder, RoundsToNearestEvenAndRefusesWhatDoesNotFit) {
    FixRounder fix;
    EXPECT_EQ(fix(0.5), 0);
    EXPECT_EQ(fix(1.5), 2);
    EXPECT_EQ(fix(2.5), 2);
    EXPECT_EQ(fix(-0.5), 0);
    EXPECT_EQ(fix(-1.5), -2);
    EXPECT_EQ(fix(1.4999), 1);
    EXPECT_EQ(fix(2147483647.0), INT32_MAX);
    EXPECT_EQ(fix(-2147483648.0), INT32_MIN);
    EXPECT_FALSE(fix.Failed());
    fix(2147483648.0);
    EXPECT_TRUE(fix.Failed());
    FixRounder nan;
    nan(std::nan(""));
    EXPECT_TRUE(nan.Failed());
}

}  // namespace
}  // namespace fw
