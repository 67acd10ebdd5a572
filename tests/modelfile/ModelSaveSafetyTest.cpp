#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "ModelFileTestUtil.h"

namespace fw {
namespace {

using test::AddFlatPolygon;
using test::AddPoint;

// A root whose 120 twenty-corner polygons push the child's block beyond the stream's 16-bit
// offsets.
void MakeTooLargeForTheStream(ModelStore& m) {
    m = *test::EmptyModel(2);
    for (int s : {0, 1})
        for (int i = 0; i < 20; ++i) AddPoint(m, i, i % 3, i % 5 + s, s);
    for (int i = 0; i < 120; ++i) {
        auto& p = m.Polygons[test::AddTexturedPolygon(m, {0, 1, 2}, 0)];
        p.CornerCount = 20;
        for (int j = 0; j < 20; ++j) p.Corners[j] = int16_t(j);
    }
}

TEST(ModelSave, RefusedOrFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    test::TempDir dir;
    const auto path = dir / "model.pol";
    ASSERT_EQ(WriteModelFile(*test::MakeRobotModel(), path.string()), "");
    const auto original = test::ReadBytes(path);

    using Damage = std::function<void(ModelStore&)>;
    const std::pair<Damage, std::string> refusals[] = {
        {[](ModelStore& m) { m.PointSubmodel[0] = 1; }, "Check/compress failed. Model not saved."},
        {MakeTooLargeForTheStream, "General write error."},
        // The game pads every corner list to an odd count, so a two-corner record would
        // shift every record after it; such a polygon cannot be drawn anyway.
        {[](ModelStore& m) { m.Polygons[2].CornerCount = 2; },
         "Polygon 2 has fewer than 3 corners. Delete it first. Model not saved."},
        {[](ModelStore& m) { m.Submodels[2].Parent = 2; },
         "Submodel 2 has parent 2, but needs a parent with a lower number. Model not saved."},
        {[](ModelStore& m) { m = *test::MakeChainModel(5); },
         "Submodel 5 is nested more than 4 levels deep. Model not saved."},
        // The robot's window holds textures 0 to 2.
        {[](ModelStore& m) { m.Polygons[1].TextureNumber = 3; },
         "Polygon 1 uses texture 3, outside the model's texture window of 3 (0 to 2). Model not "
         "saved."},
        {[](ModelStore& m) { m.Polygons[1].TextureNumber = -7; },
         "Polygon 1 uses texture -7, outside the model's texture window of 3 (0 to 2). Model "
         "not saved."},
    };
    for (const auto& [damage, message] : refusals) {
        auto m = test::MakeRobotModel();
        damage(*m);
        EXPECT_EQ(WriteModelFile(*m, path.string()), message);
        EXPECT_EQ(test::ReadBytes(path), original) << message;
    }
    EXPECT_EQ(dir.Files(), (std::vector<std::string>{"model.pol"}));

    // The target cannot be replaced (it is a directory): the system's reason is shown.
    std::filesystem::create_directory(dir / "folder.pol");
    auto robot = test::MakeRobotModel();
    EXPECT_EQ(WriteModelFile(*robot, (dir / "folder.pol").string()),
              "General write error. Cannot write '" + (dir / "folder.pol").string() +
                  "': Is a directory");
    EXPECT_EQ(dir.Files(), (std::vector<std::string>{"folder.pol", "model.pol"}));
}

// A save over a symbolic link used to replace the link by a plain file and leave the
// linked model as it was.
TEST(ModelSave, SavingOverALinkWritesTheLinkedFile) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "models");
    ASSERT_EQ(WriteModelFile(*test::MakeChainModel(0), (dir / "models/ship.pol").string()), "");
    std::filesystem::create_symlink("models/ship.pol", dir / "ship.pol");
    auto robot = test::MakeRobotModel();
    ASSERT_EQ(WriteModelFile(*robot, (dir / "ship.pol").string()), "");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "ship.pol"));
    EXPECT_EQ(test::ReadBytes(dir / "models/ship.pol"), test::Serialize(*robot));
}

TEST(ModelSave, ModelWithoutPolygonsSavesEveryPointInItsSubmodel) {
    auto m = test::EmptyModel(2);
    for (int x = 1; x <= 4; ++x) AddPoint(*m, x, 0, 0, x % 2);
    m->Submodels[0].PointCount = 9;  // stale counts from an earlier state
    m->Submodels[1].PointCount = 0;
    m->NumberOfTextures = 0;
    auto r = std::make_unique<ModelStore>();
    ASSERT_EQ(ParseModel(*r, test::Serialize(*m)), "");
    ASSERT_EQ(r->NumPoints, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(r->Points[i].X, (std::array{2, 4, 1, 3})[i]);
    EXPECT_EQ(r->PointSubmodel[2], 1);
    EXPECT_EQ(r->CurrentPoint, 0);
    EXPECT_EQ(r->NumberOfTextures, 1);  // a stored 0 reads as 1
}

TEST(ModelSave, SortingPolygonsThatNameNoUsablePolygonWriteZeroPlanes) {
    auto m = test::EmptyModel(3);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 1, 1, 0);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 2, 2, 1);
    for (int i = 0; i < 3; ++i) AddPoint(*m, 0, 0, 0, 2);  // a degenerate triangle
    AddFlatPolygon(*m, {0, 1, 2});
    AddFlatPolygon(*m, {3, 4, 5});
    AddFlatPolygon(*m, {6, 7, 8});
    m->Polygons[1].Corners[5] = 30000;  // stale slots beyond the corner count
    m->Submodels[1].SortPolygon = 400;  // names no polygon
    m->Submodels[2].SortPolygon = 2;    // the degenerate one: no normal
    auto b = test::Serialize(*m);
    for (int s = 1; s < 3; ++s)
        EXPECT_EQ(test::FixAt(b, HeaderOffset::PlaneNormals + 12 * s), FixVector{});
    EXPECT_EQ(test::FixAt(b, HeaderOffset::PlanePoints + 12), FixVector{});
    EXPECT_EQ(ParseModel(*m, b), "");
}

TEST(ModelSave, EmptySubmodelInTheMiddleStillGivesAConsistentFile) {
    auto m = test::EmptyModel(3);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 0, 0, 0);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i, 5, 1, 2);
    AddFlatPolygon(*m, {0, 1, 2});
    AddFlatPolygon(*m, {3, 4, 5});
    m->Submodels[2].Parent = 1;
    m->Submodels[2].SortPolygon = 1;
    auto before = std::make_unique<ModelStore>(*m);
    auto r = std::make_unique<ModelStore>();
    ASSERT_EQ(ParseModel(*r, test::Serialize(*m)), "");
    EXPECT_EQ(r->NumSubmodels, 2);
    EXPECT_EQ(r->Submodels[1].Parent, 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(r->Points[i], before->Points[i]);
    EXPECT_EQ(r->PointSubmodel[5], 1);
}

}  // namespace
}  // namespace fw
