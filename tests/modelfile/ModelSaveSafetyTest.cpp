#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ModelFileTestUtil.h"
#include "TestModels.h"
#include "model/RecordingHost.h"
#include "modelfile/ModelFile.h"
#include "modelfile/SaveLayout.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

using test::AddFlatPolygon;
using test::AddPoint;
using test::AddTexturedPolygon;

// Saves the robot to `path` and returns the file's bytes.
std::vector<uint8_t> SaveRobot(const std::filesystem::path& path) {
    auto m = test::MakeRobotModel();
    EXPECT_EQ(WriteModelFile(*m, path.string()), "");
    return test::ReadBytes(path);
}

// A root whose polygons push the child's block beyond the stream's 16-bit offsets.
std::unique_ptr<ModelStore> ModelTooLargeForTheStream() {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 2);
    for (int i = 0; i < 20; ++i) AddPoint(*m, i, i % 3, i % 5, 0);
    for (int i = 0; i < 120; ++i)
        AddTexturedPolygon(
            *m, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, 0);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 9, 9, 1);
    AddFlatPolygon(*m, {20, 21, 22});
    return m;
}

TEST(ModelSave, RefusedOrFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    test::TempDir dir;
    const auto path = dir / "model.pol";
    const auto original = SaveRobot(path);

    auto spread = test::MakeRobotModel();
    spread->PointSubmodel[0] = 1;
    RecordingHost host;
    EXPECT_EQ(WriteModelFile(*spread, path.string(), &host),
              "Check/compress failed. Model not saved.");
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(test::ReadBytes(path), original);

    auto large = ModelTooLargeForTheStream();
    const auto centres = large->Submodels;
    EXPECT_EQ(WriteModelFile(*large, path.string()), "General write error.");
    EXPECT_EQ(test::ReadBytes(path), original);
    EXPECT_EQ(large->Submodels[1].Centre, centres[1].Centre);  // a refused save keeps the store's

    EXPECT_EQ(dir.Files(), std::vector<std::string>{"model.pol"});

    // The target cannot be replaced (it is a directory): the temporary file goes again.
    std::filesystem::create_directory(dir / "folder.pol");
    auto robot = test::MakeRobotModel();
    EXPECT_EQ(WriteModelFile(*robot, (dir / "folder.pol").string()), "General write error.");
    EXPECT_EQ(WriteModelFile(*robot, (dir / "no-such-dir" / "x.pol").string()),
              "General write error.");
    auto files = dir.Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"folder.pol", "model.pol"}));

    // An empty path only runs the check.
    EXPECT_EQ(WriteModelFile(*robot, ""), "");
}

TEST(ModelSave, SixteenBitOffsetsAreChecked) {
    auto m = ModelTooLargeForTheStream();
    std::vector<uint8_t> bytes;
    EXPECT_EQ(SerializeModel(*m, bytes), "General write error.");
    EXPECT_TRUE(bytes.empty());

    // The same polygons in the last block are fine: only block starts and jumps are 16-bit.
    auto fits = std::make_unique<ModelStore>();
    test::StartModel(*fits, 2);
    for (int i = 0; i < 3; ++i) AddPoint(*fits, i, 9, 9, 0);
    AddFlatPolygon(*fits, {0, 1, 2});
    for (int i = 0; i < 20; ++i) AddPoint(*fits, i, i % 3, i % 5, 1);
    for (int i = 0; i < 120; ++i)
        AddTexturedPolygon(
            *fits, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}, 0);
    EXPECT_EQ(SerializeModel(*fits, bytes), "");
    EXPECT_GT(test::LongAt(bytes, HeaderOffset::DataSize), 32767);

    // Coordinates beyond the 16.16 range cannot be written either.
    auto far = test::MakeRobotModel();
    far->Points[3].X = 40000;
    EXPECT_EQ(SerializeModel(*far, bytes), "General write error.");
}

TEST(ModelSave, ModelWithoutPolygonsSavesEveryPointInItsSubmodel) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 2);
    AddPoint(*m, 1, 0, 0, 1);
    AddPoint(*m, 2, 0, 0, 0);
    AddPoint(*m, 3, 0, 0, 1);
    AddPoint(*m, 4, 0, 0, 0);
    m->Submodels[0].PointCount = 9;  // stale counts from an earlier state
    m->Submodels[1].PointCount = 0;
    std::vector<uint8_t> bytes;
    ASSERT_EQ(SerializeModel(*m, bytes), "");
    auto r = std::make_unique<ModelStore>();
    ASSERT_EQ(ParseModel(*r, bytes), "");
    ASSERT_EQ(r->NumPoints, 4);
    const double expectedX[] = {2, 4, 1, 3};
    const uint8_t expectedSubmodel[] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r->Points[i].X, expectedX[i]);
        EXPECT_EQ(r->PointSubmodel[i], expectedSubmodel[i]);
    }
    EXPECT_EQ(r->Submodels[1].PointCount, 2);
    EXPECT_EQ(r->CurrentPoint, 0);
}

TEST(ModelSave, SortingPolygonsThatNameNoUsablePolygonWriteZeroPlanes) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 3);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 1, 1, 0);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 2, 2, 1);
    for (int i = 0; i < 3; ++i) AddPoint(*m, 0, 0, 0, 2);  // a degenerate triangle
    AddFlatPolygon(*m, {0, 1, 2});
    AddFlatPolygon(*m, {3, 4, 5});
    AddFlatPolygon(*m, {6, 7, 8});
    m->Polygons[1].Corners[5] = 30000;  // stale slots beyond the corner count
    m->Polygons[1].Corners[19] = -5;
    m->Submodels[1].SortPolygon = 400;  // names no polygon
    m->Submodels[2].SortPolygon = 2;    // the degenerate one: no normal
    std::vector<uint8_t> b;
    ASSERT_EQ(SerializeModel(*m, b), "");

    for (int s = 1; s < 3; ++s)
        EXPECT_EQ(test::FixAt(b, HeaderOffset::PlaneNormals + 12 * s), FixVector{});
    EXPECT_EQ(test::FixAt(b, HeaderOffset::PlanePoints + 12), FixVector{});
    auto r = std::make_unique<ModelStore>();
    ASSERT_EQ(ParseModel(*r, b), "");
    EXPECT_EQ(r->NumPolygons, 3);
}

TEST(ModelSave, PolygonsOfFewerThanThreeCornersAreRefused) {
    // The game pads every corner list to an odd count, so a two-corner record would shift
    // every record after it; such a polygon cannot be drawn anyway.
    test::TempDir dir;
    const std::string path = (dir / "line.pol").string();
    auto m = test::MakeRobotModel();
    ASSERT_EQ(WriteModelFile(*m, path), "");
    auto before = test::ReadBytes(path);
    m->Polygons[2].CornerCount = 2;
    EXPECT_EQ(WriteModelFile(*m, path),
              "Polygon 2 has fewer than 3 corners. Delete it first. Model not saved.");
    EXPECT_EQ(test::ReadBytes(path), before);
}

TEST(ModelSave, EmptySubmodelInTheMiddleStillGivesAConsistentFile) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 3);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 0, 0, 0);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 5, 1, 2);
    AddFlatPolygon(*m, {0, 1, 2});
    AddFlatPolygon(*m, {3, 4, 5});
    m->Submodels[2].Parent = 1;
    m->Submodels[2].SortPolygon = 1;
    auto before = std::make_unique<ModelStore>(*m);
    std::vector<uint8_t> bytes;
    ASSERT_EQ(SerializeModel(*m, bytes), "");
    auto r = std::make_unique<ModelStore>();
    ASSERT_EQ(ParseModel(*r, bytes), "");
    EXPECT_EQ(r->NumSubmodels, 2);
    EXPECT_EQ(r->Submodels[1].Parent, 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(r->Points[i], before->Points[i]);
    EXPECT_EQ(r->PointSubmodel[5], 1);

    // A plan for a submodel without points gives it a zero centre, not a division by zero.
    auto e = std::make_unique<ModelStore>();
    test::StartModel(*e, 2);
    AddPoint(*e, 1, 1, 1, 0);
    SaveLayout layout;
    ASSERT_EQ(PlanModelData(*e, layout), "");
    EXPECT_EQ(e->Submodels[1].Centre, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(layout.DataSize, 56 + 8 + 12 + 4 + 8 + 4);
}

TEST(ModelSave, SubmodelTreesTheStreamCannotCarryAreRefused) {
    test::TempDir dir;
    const auto path = dir / "model.pol";
    const auto original = SaveRobot(path);

    for (int parent : {2, 5, 255}) {
        auto m = test::MakeRobotModel();
        m->Submodels[2].Parent = uint8_t(parent);
        EXPECT_EQ(WriteModelFile(*m, path.string()),
                  "Submodel 2 has parent " + std::to_string(parent) +
                      ", but needs a parent with a lower number. Model not saved.");
    }
    auto deep = test::MakeChainModel(5);
    EXPECT_EQ(WriteModelFile(*deep, path.string()),
              "Submodel 5 is nested more than 4 levels deep. Model not saved.");
    EXPECT_EQ(test::ReadBytes(path), original);
    EXPECT_EQ(dir.Files(), std::vector<std::string>{"model.pol"});
}

}  // namespace
}  // namespace fw
