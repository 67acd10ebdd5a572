#include <gtest/gtest.h>

#include "ModelFileTestUtil.h"
#include "modelfile/SortPolygonRecovery.h"

namespace fw {
namespace {

using test::AddFlatPolygon;
using test::AddPoint;

std::vector<int16_t> SortPolygons(const ModelStore& m) {
    std::vector<int16_t> sort;
    for (int s = 0; s < m.NumSubmodels; ++s) sort.push_back(m.Submodels[s].SortPolygon);
    return sort;
}

// A file says nothing about sorting polygons but their planes: reading must find the
// polygons again, or an unchanged open and save would replace every child's plane.
TEST(SortPolygonRecovery, OpenAndSaveGiveTheSameFile) {
    const auto sample =
        test::ReadBytes(std::filesystem::path(FW_SOURCE_DIR) / "examples/robot.pol");
    auto m = std::make_unique<ModelStore>();
    std::string notice = "stale";
    ASSERT_EQ(ParseModel(*m, sample, &notice), "");
    EXPECT_EQ(notice, "");
    EXPECT_EQ(SortPolygons(*m), (std::vector<int16_t>{0, 10, 17, 21, 25}));
    EXPECT_TRUE(test::Serialize(*m) == sample);

    // A sorting polygon in another submodel, and two polygons of the same plane with the
    // same first corner (the writer takes corners 0, 1 and the last for the normal).
    auto robot = test::MakeRobotModel();
    AddFlatPolygon(*robot, {8, 9, 10});     // 14, in submodel 1
    AddFlatPolygon(*robot, {8, 9, 9, 10});  // 15
    robot->Submodels[1].SortPolygon = 15;
    robot->Submodels[2].SortPolygon = 3;  // a polygon of the root
    // Points the file cannot hold exactly: the first save rounds them, so the normals read
    // back differ from those written in the last bits.
    auto chain = test::MakeChainModel(4);
    for (ModelStore* original : {robot.get(), chain.get()}) {
        const auto first = test::Serialize(*original);
        auto read = std::make_unique<ModelStore>();
        ASSERT_EQ(ParseModel(*read, first, &notice), "");
        EXPECT_EQ(notice, "");
        // The file holds the polygons submodel by submodel: 14 and 15 come back as 10 and
        // 11, and the lower of the two equal planes is taken.
        auto expected = original == robot.get() ? std::vector<int16_t>{0, 10, 3}
                                                : std::vector<int16_t>{0, 1, 2, 3, 4};
        EXPECT_EQ(SortPolygons(*read), expected);
        const auto second = test::Serialize(*read);
        EXPECT_TRUE(second == first);
    }
}

TEST(SortPolygonRecovery, PlaneOfNoPolygonFallsBackToZeroWithANotice) {
    auto m = test::MakeRobotModel();
    auto bytes = test::Serialize(*m);
    // Turn the stored normal of submodel 2 so that no polygon has it.
    test::SetShortAt(bytes, HeaderOffset::PlaneNormals + 24 + 2, 0x1234);
    std::string notice;
    ASSERT_EQ(ParseModel(*m, bytes, &notice), "");
    EXPECT_EQ(SortPolygons(*m), (std::vector<int16_t>{0, 6, 0}));
    EXPECT_EQ(notice,
              "No polygon matches the separation plane of submodel 2, so its sorting polygon is "
              "now 0.");
    // A read that ends in an error says only that (found by fuzzing).
    bytes[HeaderOffset::NumberOfTextures] = 1;
    EXPECT_EQ(ParseModel(*m, bytes, &notice),
              "Polygon 1 uses texture 1, outside the model's texture window of 1 (0 to 0).");
    EXPECT_EQ(notice, "");
    EXPECT_EQ(SortPolygonNotice({1, 4}),
              "No polygon matches the separation planes of submodels 1, 4, so their sorting "
              "polygons are now 0.");

    // Without polygons every plane is zero, which is what sorting polygon 0 writes anyway.
    auto points = test::EmptyModel(3);
    for (int s = 0; s < 3; ++s) AddPoint(*points, s, 1, 2, s);
    ASSERT_EQ(ParseModel(*m, test::Serialize(*points), &notice), "");
    EXPECT_EQ(notice, "");
}

}  // namespace
}  // namespace fw
