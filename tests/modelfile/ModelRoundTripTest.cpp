#include <gtest/gtest.h>

#include <random>

#include "ModelFileTestUtil.h"
#include "TestModels.h"
#include "modelfile/ModelFile.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

using test::AddFlatPolygon;
using test::AddPoint;

constexpr double HALF_FIX = 0.5 / 65536 + 1e-12;  // one rounding of a coordinate

void ExpectSamePoints(const ModelStore& a, const ModelStore& b, double tolerance) {
    ASSERT_EQ(a.NumPoints, b.NumPoints);
    for (int i = 0; i < a.NumPoints; ++i) {
        EXPECT_NEAR(a.Points[i].X, b.Points[i].X, tolerance) << "point " << i;
        EXPECT_NEAR(a.Points[i].Y, b.Points[i].Y, tolerance) << "point " << i;
        EXPECT_NEAR(a.Points[i].Z, b.Points[i].Z, tolerance) << "point " << i;
        EXPECT_EQ(a.PointSubmodel[i], b.PointSubmodel[i]);
    }
}

void ExpectSamePolygons(const ModelStore& a, const ModelStore& b) {
    ASSERT_EQ(a.NumPolygons, b.NumPolygons);
    for (int i = 0; i < a.NumPolygons; ++i) {
        const PolygonRecord &p = a.Polygons[i], &q = b.Polygons[i];
        ASSERT_EQ(p.CornerCount, q.CornerCount);
        EXPECT_EQ(p.TextureNumber, q.TextureNumber);
        EXPECT_EQ(p.IsFlat() ? p.FlatColour : 0, q.FlatColour);
        for (int j = 0; j < p.CornerCount; ++j) {
            EXPECT_EQ(p.Corners[j], q.Corners[j]);
            if (!p.IsFlat()) {
                EXPECT_NEAR(p.CornerUVL[j].U, q.CornerUVL[j].U, HALF_FIX);
                EXPECT_NEAR(p.CornerUVL[j].V, q.CornerUVL[j].V, HALF_FIX);
            }
        }
    }
}

std::vector<uint8_t> Serialize(ModelStore& m) {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(SerializeModel(m, bytes), "");
    return bytes;
}

TEST(ModelRoundTrip, RobotComesBackAsSaved) {
    auto m = test::MakeRobotModel();
    m->HeaderReserved = -123456;
    m->TrailerValue1 = 42;
    m->TrailerValue2 = 0x7FFFFFFF;
    m->SimplerModel = 9;
    test::TempDir dir;
    const std::string path = (dir / "robot.pol").string();
    ASSERT_EQ(WriteModelFile(*m, path), "");
    // After a save every centre is the centroid of its points; the root's is the origin.
    EXPECT_EQ(m->Submodels[0].Centre, (std::array<double, 3>{0, 0, 0}));
    EXPECT_DOUBLE_EQ(m->Submodels[1].Centre[0], (-2.5 - 1.5 - 2 - 2) / 4);
    EXPECT_DOUBLE_EQ(m->Submodels[1].Centre[2], (-0.5 * 3 + 0.75) / 4);

    auto r = std::make_unique<ModelStore>();
    r->PointMarked[3] = 1;
    r->PolygonMarked[2] = 1;
    r->Submodels[1].SortPolygon = 4;
    r->Modified = true;
    ASSERT_EQ(ReadModelFile(*r, path), "");
    ExpectSamePoints(*m, *r, HALF_FIX);
    ExpectSamePolygons(*m, *r);
    EXPECT_EQ(r->NumSubmodels, 3);
    EXPECT_EQ(r->Submodels[1].Parent, 0);
    EXPECT_EQ(r->Submodels[2].FirstPoint, 12);
    EXPECT_EQ(r->HeaderReserved, -123456);
    EXPECT_EQ(r->TrailerValue1, 42);
    EXPECT_EQ(r->TrailerValue2, 0x7FFFFFFF);
    EXPECT_EQ(r->SimplerModel, 9);
    EXPECT_EQ(r->NumberOfTextures, 3);
    EXPECT_EQ(r->FirstModelTexture, 12);
    EXPECT_EQ(r->CurrentPoint, m->Polygons[0].Corners[0]);
    EXPECT_EQ(r->CurrentPolygon, 0);
    EXPECT_EQ(r->PointMarked[3], 0);
    EXPECT_EQ(r->PolygonMarked[2], 0);
    EXPECT_EQ(r->Submodels[1].SortPolygon, 0);
    EXPECT_FALSE(r->Modified);

    // Writing what was read gives the same file again.
    r->Submodels[1].SortPolygon = m->Submodels[1].SortPolygon;
    r->Submodels[2].SortPolygon = m->Submodels[2].SortPolygon;
    EXPECT_EQ(Serialize(*r), test::ReadBytes(path));
}

TEST(ModelRoundTrip, LargestModelSavesAndComesBack) {
    auto m = test::MakeLargestModel();
    auto bytes = Serialize(*m);
    auto r = std::make_unique<ModelStore>();
    ASSERT_EQ(ParseModel(*r, bytes), "");
    EXPECT_EQ(r->NumPoints, MAX_POINTS);
    EXPECT_EQ(r->NumSubmodels, MAX_SUBMODELS);
    ExpectSamePoints(*m, *r, HALF_FIX);
    ExpectSamePolygons(*m, *r);
}

// Offsets of a submodel chain are taken from centres held at the file's precision, so they
// add up without error: every point comes back within one rounding, even four levels down.
TEST(ModelRoundTrip, DeepTreesKeepEveryPointWithinOneFixStep) {
    auto chain = test::MakeChainModel(4);
    auto copy = std::make_unique<ModelStore>(*chain);
    auto r = std::make_unique<ModelStore>();
    ASSERT_EQ(ParseModel(*r, Serialize(*chain)), "");
    ExpectSamePoints(*copy, *r, HALF_FIX);

    std::mt19937 random(99);
    std::uniform_real_distribution<double> coordinate(-40, 40);
    for (int round = 0; round < 300; ++round) {
        auto m = std::make_unique<ModelStore>();
        int submodels = 1 + int(random() % MAX_SUBMODELS);
        test::StartModel(*m, submodels);
        for (int s = 0; s < submodels; ++s) {
            if (s > 0) {
                // Any lower-numbered parent that keeps the tree within four levels.
                int parent;
                do parent = int(random() % s);
                while (parent > 0 && [&] {
                    int depth = 1;
                    for (int p = parent; p != 0; p = m->Submodels[p].Parent) ++depth;
                    return depth > 4;
                }());
                m->Submodels[s].Parent = uint8_t(parent);
            }
            int points = 1 + int(random() % 8);
            for (int k = 0; k < points; ++k)
                AddPoint(*m, coordinate(random), coordinate(random), coordinate(random), s);
            int first = m->NumPoints - points;
            AddFlatPolygon(*m, {first, first + (points - 1) / 2, m->NumPoints - 1});
        }
        auto before = std::make_unique<ModelStore>(*m);
        std::vector<uint8_t> bytes;
        ASSERT_EQ(SerializeModel(*m, bytes), "");
        auto back = std::make_unique<ModelStore>();
        ASSERT_EQ(ParseModel(*back, bytes), "");
        ExpectSamePoints(*before, *back, HALF_FIX);
    }
}

TEST(ModelReader, HeaderValuesAndCurrentItems) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 1);
    AddPoint(*m, 1, 1, 1, 0);
    AddPoint(*m, 2, 1, 1, 0);
    m->NumberOfTextures = 0;
    auto bytes = Serialize(*m);
    auto r = std::make_unique<ModelStore>();
    r->CurrentPoint = 1;
    ASSERT_EQ(ParseModel(*r, bytes), "");
    EXPECT_EQ(r->NumberOfTextures, 1);  // a stored 0 reads as 1
    EXPECT_EQ(r->NumPolygons, 0);
    EXPECT_EQ(r->CurrentPoint, 0);  // no polygon to take it from
}

TEST(ModelReader, RefusesWhatIsNotAModelFileOfThisVersion) {
    test::TempDir dir;
    auto m = test::MakeRobotModel();
    const ModelStore before = *m;
    EXPECT_EQ(ReadModelFile(*m, (dir / "missing.pol").string()),
              "File " + (dir / "missing.pol").string() + " not found.");

    auto bytes = Serialize(*test::MakeRobotModel());
    auto wrongTag = bytes;
    wrongTag[0] = 'X';
    EXPECT_EQ(ParseModel(*m, wrongTag), "Not a ZPMF .POL file");
    EXPECT_EQ(ParseModel(*m, std::vector<uint8_t>{'Z', 'P'}), "Not a ZPMF .POL file");
    auto version = bytes;
    test::SetLongAt(version, HeaderOffset::Version, 2);
    EXPECT_EQ(ParseModel(*m, version), "Unknown POL file version");
    // None of these touched the model in memory.
    EXPECT_TRUE(SameModelContent(*m, before));
}

TEST(ModelReader, PolygonOfTwentyOneCornersStopsTheRead) {
    auto m = std::make_unique<ModelStore>();
    test::StartModel(*m, 1);
    for (int i = 0; i < 21; ++i) AddPoint(*m, i, i * i, 0, 0);
    AddFlatPolygon(*m, {0, 1, 2});
    AddFlatPolygon(*m, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    auto bytes = Serialize(*m);
    const size_t second = MODEL_HEADER_SIZE + 8 + 12 * 21 + 36;
    ASSERT_EQ(test::ShortAt(bytes, second), d_flatpoly);
    test::SetShortAt(bytes, second + 2, 21);
    auto r = std::make_unique<ModelStore>();
    EXPECT_EQ(ParseModel(*r, bytes), "Cannot handle more than 20 sided polygons (is 21)");
    // What was read before the polygon stays.
    EXPECT_EQ(r->NumPoints, 21);
    EXPECT_EQ(r->NumPolygons, 1);
    test::ExpectConsistentStore(*r);
}

}  // namespace
}  // namespace fw
