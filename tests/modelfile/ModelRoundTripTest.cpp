#include <gtest/gtest.h>

#include <random>
#include <span>
#include <tuple>

#include "ModelFileTestUtil.h"

namespace fw {
namespace {

constexpr double HALF_FIX = 0.5 / 65536 + 1e-12;  // one rounding of a coordinate

TEST(ModelRoundTrip, RobotComesBackAsSaved) {
    auto m = test::MakeRobotModel();
    m->HeaderReserved = -123456;
    m->TrailerValue1 = 42;
    m->TrailerValue2 = 0x7FFFFFFF;
    m->SimplerModel = 9;
    test::TempDir dir;
    const std::string path = (dir / "robot.pol").string();
    ASSERT_EQ(WriteModelFile(*m, path), "");

    auto r = std::make_unique<ModelStore>();
    for (PolygonRecord& p : r->Polygons) p.CornerUVL[0] = {7, 7, 7};  // a previous model's
    r->PointMarked[3] = 1;
    r->Submodels[1].SortPolygon = 4;
    r->Modified = true;
    ASSERT_EQ(ReadModelFile(*r, path), "");
    test::ExpectSameMesh(*m, *r, HALF_FIX, HALF_FIX);
    for (const PolygonRecord& p : std::span(r->Polygons.data(), size_t(r->NumPolygons)))
        EXPECT_TRUE(!p.IsFlat() || p.CornerUVL[0] == CornerUVLRecord{});  // none carried over
    EXPECT_EQ(
        std::tuple(r->NumSubmodels, r->Submodels[2].FirstPoint, r->HeaderReserved, r->TrailerValue1,
                   r->TrailerValue2, r->SimplerModel, r->NumberOfTextures, r->FirstModelTexture),
        std::tuple(3, 12, -123456, 42, 0x7FFFFFFF, 9, 3, 12));
    // Editor state of the store read into is not carried over; the sorting polygon comes
    // from the plane the file stores.
    EXPECT_EQ(r->PointMarked[3] + r->Modified, 0);
    EXPECT_EQ(r->Submodels[1].SortPolygon, m->Submodels[1].SortPolygon);
}

// Offsets of a submodel chain are taken from centres held at the file's precision, so they
// add up without error: every point comes back within one rounding, even five levels deep.
TEST(ModelRoundTrip, DeepTreesKeepEveryPointWithinOneFixStep) {
    // Rounding of the chained submodel offsets must not add up level by level.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> shift(-3, 3);
    for (int round = 0; round < 100; ++round) {
        auto chain = test::MakeChainModel(4);
        for (int i = 0; i < chain->NumPoints; ++i)
            chain->Points[i] = {chain->Points[i].X + shift(random),
                                chain->Points[i].Y + shift(random),
                                chain->Points[i].Z + shift(random)};
        auto copy = std::make_unique<ModelStore>(*chain);
        auto r = std::make_unique<ModelStore>();
        ASSERT_EQ(ParseModel(*r, test::Serialize(*chain)), "");
        test::ExpectSameMesh(*copy, *r, HALF_FIX, HALF_FIX);
    }
}

}  // namespace
}  // namespace fw
