#include <gtest/gtest.h>

#include <tuple>

#include "GameDataBuilders.h"
#include "ModelFileTestUtil.h"
#include "modelfile/GameModelImport.h"
#include "modelfile/StreamChecker.h"

namespace fw::test {
namespace {

// A game-style model: the root defines its points with d_defpoints and draws through a
// sort-normal tree whose front branch holds a glow record, a polygon and the subcall of
// submodel 1, and whose back branch holds a textured polygon and a rod.
GameModel TreeModel() {
    GameBytes s;
    s.DefPoints({{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}});                    // 0..51
    s.SortNorm(34, 96).Eof();                                                     // 52, eof at 84
    s.Glow(0).FlatPoly({0, 1, 2}, 0x7C00).SubCall(1, {5, 0, 0}, 132).Eof();       // 86..147
    s.TmapPoly({0, 2, 3}, 1, {{0, 0}, {1, 0.5}, {0.25, 1}}).RodBm(3).Eof();       // 148..257
    s.DefpStart(4, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}).FlatPoly({4, 5, 6}).Eof();  // 258..339
    EXPECT_EQ(s.Size(), 340);
    ModelRecordFields f;
    f.NumSubmodels = 2;
    f.SubmodelPointers[1] = 258;
    f.Parents.fill(0);
    f.Parents[0] = 255;
    f.Offsets[1] = {5 << 16, 0, 0};
    f.NumberOfTextures = 2;
    f.FirstTexture = 40;
    f.SimplerModel = 3;
    return MakeGameModel(f, s.bytes);
}

std::vector<std::array<double, 3>> PointsOf(const ModelStore& m) {
    std::vector<std::array<double, 3>> points;
    for (int i = 0; i < m.NumPoints; ++i)
        points.push_back({m.Points[i].X, m.Points[i].Y, m.Points[i].Z});
    return points;
}

std::vector<int> CornersOf(const ModelStore& m, int polygon) {
    const PolygonRecord& p = m.Polygons[polygon];
    return {p.Corners.begin(), p.Corners.begin() + p.CornerCount};
}

TEST(GameModelImport, ReadsTreesSubcallsAndTheRecordsTheEditorNeverWrites) {
    auto m = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ConvertGameModel(TreeModel(), *m, summary), "");
    ExpectConsistentStore(*m);
    EXPECT_EQ(m->NumSubmodels, 2);
    EXPECT_EQ(PointsOf(*m),
              (std::vector<std::array<double, 3>>{
                  {0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {5, 0, 0}, {6, 0, 0}, {5, 1, 0}}));
    const SubmodelRecord& child = m->Submodels[1];
    EXPECT_EQ(std::tuple(child.FirstPoint, child.PointCount, child.Parent), std::tuple(4, 3, 0));
    ASSERT_EQ(m->NumPolygons, 3);  // in stream order, whichever branch holds them
    const PolygonRecord &flat = m->Polygons[0], &mapped = m->Polygons[1];
    EXPECT_EQ(std::tuple(CornersOf(*m, 0), flat.TextureNumber, flat.FlatColour),
              std::tuple(std::vector<int>{0, 1, 2}, -1, 0x7C00));
    EXPECT_EQ(std::tuple(CornersOf(*m, 1), mapped.TextureNumber, mapped.CornerUVL[1].U,
                         mapped.CornerUVL[1].V, mapped.CornerUVL[2].U),
              std::tuple(std::vector<int>{0, 2, 3}, 1, 1.0f, 0.5f, 0.25f));
    EXPECT_EQ(CornersOf(*m, 2), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(std::tuple(m->NumberOfTextures, m->FirstModelTexture, m->SimplerModel),
              std::tuple(2, 40, 3));
    EXPECT_EQ(
        summary,
        "Imported 2 submodels, 7 points and 3 polygons; not kept: the internal drawing order "
        "(1 sort-normal record), glow values (1 glow record), rods (1 rod bitmap), 1 submodel "
        "pivot (a save puts each at the centroid of its points).");

    // The result saves, and the saved file passes the game's stream rules.
    EXPECT_TRUE(CheckModelFileBytes(Serialize(*m)).empty());
}

TEST(GameModelImport, PointsAnotherSubmodelDefinedAreCopiedIntoTheUser) {
    GameBytes s;
    s.DefpStart(0, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}).SubCall(1, {0, 0, 1}, 22).Eof();  // 0..65
    s.DefpStart(3, {{0, 0, 0}}).FlatPoly({0, 1, 3}).Eof();                              // 66..
    ModelRecordFields f;
    f.NumSubmodels = 2;
    f.SubmodelPointers[1] = 66;
    f.Parents = {255, 0};
    f.Offsets[1] = {0, 0, 1 << 16};
    auto m = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ConvertGameModel(MakeGameModel(f, s.bytes), *m, summary), "");
    ASSERT_EQ(m->NumPoints, 6);
    EXPECT_EQ(m->Submodels[1].PointCount, 3);
    for (int c : CornersOf(*m, 0)) EXPECT_EQ(m->PointSubmodel[c], 1);
    EXPECT_EQ(m->Points[CornersOf(*m, 0)[1]], (PointRecord{1, 0, 0}));
    EXPECT_NE(summary.find("; 2 points shared between submodels copied"), std::string::npos)
        << summary;
}

ModelRecordFields OneSubmodel() {
    ModelRecordFields f;
    f.NumSubmodels = 1;
    f.Parents.fill(255);
    return f;
}

std::string Refusal(const GameModel& g) {
    auto m = MakeRobotModel();
    auto before = std::make_unique<ModelStore>(*m);
    std::string summary = "stale";
    std::string error = ConvertGameModel(g, *m, summary);
    EXPECT_TRUE(SameModelContent(*m, *before)) << error;
    EXPECT_EQ(summary, "") << error;
    return error;
}

TEST(GameModelImport, ModelsBeyondTheEditorsLimitsAreRefusedWhole) {
    std::vector<int> corners21(21);
    for (int i = 0; i < 21; ++i) corners21[i] = i;
    GameBytes::Points points21(21, {0, 0, 0});
    GameBytes big;
    big.DefpStart(0, points21).FlatPoly({0, 1, 2}).FlatPoly(corners21).Eof();
    EXPECT_EQ(Refusal(MakeGameModel(OneSubmodel(), big.bytes)),
              "Polygon 1 (offset 296) has 21 corners; the editor handles at most 20.");

    GameBytes many;
    many.DefpStart(0, GameBytes::Points(600, {0, 0, 0})).Eof();
    EXPECT_EQ(Refusal(MakeGameModel(OneSubmodel(), many.bytes)),
              "The model has 600 points; the editor holds at most 512.");

    GameBytes crowded;
    crowded.DefpStart(0, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    for (int i = 0; i < 513; ++i) crowded.FlatPoly({0, 1, 2});
    EXPECT_EQ(Refusal(MakeGameModel(OneSubmodel(), crowded.Eof().bytes)),
              "The model has 513 polygons; the editor holds at most 512.");

    GameBytes line;
    line.DefpStart(0, {{0, 0, 0}, {1, 0, 0}}).FlatPoly({0, 1}).Eof();
    EXPECT_EQ(Refusal(MakeGameModel(OneSubmodel(), line.bytes)),
              "Polygon 0 (offset 32) has 2 corners; the editor needs at least 3.");
}

// A chain of `n` submodels, each with one point, submodel s pointing at its own record.
GameModel Chain(int n, std::array<uint8_t, MAX_SUBMODELS> parents) {
    GameBytes s;
    ModelRecordFields f;
    f.NumSubmodels = n;
    f.Parents = parents;
    for (int i = 0; i < n; ++i) {
        f.SubmodelPointers[i] = s.Size();
        s.DefpStart(i, {{0, 0, 0}}).Eof();
    }
    return MakeGameModel(f, s.bytes);
}

TEST(GameModelImport, SubmodelTreesTheEditorCannotSaveAreRefused) {
    EXPECT_EQ(Refusal(Chain(6, {255, 0, 1, 2, 3, 4})),
              "The submodels are nested 5 levels deep; the editor allows at most 4.");
    EXPECT_EQ(
        Refusal(Chain(3, {255, 2, 0})),
        "Submodel 1 has the parent 2; the editor needs every parent numbered below its children.");
    EXPECT_EQ(Refusal(Chain(3, {255, 2, 1})), "the parents of submodel 1 form a loop");
    EXPECT_EQ(Refusal(Chain(2, {255, 7})),
              "submodel 1 has the parent 7, which is not a submodel of the model");
    auto m = EmptyModel(1);
    std::string summary;
    EXPECT_EQ(ConvertGameModel(Chain(5, {255, 0, 1, 2, 3}), *m, summary), "");
}

TEST(GameModelImport, StreamsTheGameCouldNotDrawAreRefusedWithTheirOffset) {
    auto with = [](GameBytes s, auto&& change) {
        GameModel g = MakeGameModel(OneSubmodel(), s.bytes);
        change(g);
        return Refusal(g);
    };
    auto nothing = [](GameModel&) {};
    GameBytes tri;
    tri.DefpStart(0, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});

    EXPECT_EQ(with(GameBytes(tri).FlatPoly({0, 1, 5}).Eof(), nothing),
              "offset 44: d_flatpoly uses point slot 5, which no point record defined before it");
    EXPECT_EQ(with(GameBytes(tri).Short(9).Eof(), nothing), "offset 44: unknown opcode 9");
    EXPECT_EQ(with(GameBytes(tri).SortNorm(40, 34).Eof().Eof(), nothing),
              "offset 44: d_sortnorm front branch offset 40 leads outside the data");
    EXPECT_EQ(with(GameBytes(tri).FlatPoly({0, 1, 2}), nothing),
              "offset 80: the stream runs past the end of the data without a d_eof");
    EXPECT_EQ(with(GameBytes(tri).Short(2).Short(3).Eof(), nothing),
              "offset 44: d_flatpoly record (36 bytes) runs past the end of the data");
    EXPECT_EQ(
        with(GameBytes(tri).SubCall(0, {0, 0, 0}, 24).Eof().Append(tri.bytes).Eof(), nothing),
        "offset 44: d_subcall jump goes to 68, into the middle of the d_defp_start record at 66");
    EXPECT_EQ(with(GameBytes(tri).SubCall(4, {0, 0, 0}, 20).Eof(), nothing),
              "offset 44: d_subcall calls submodel 4, but the model has 1");
    EXPECT_EQ(with(GameBytes().DefpStart(998, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}).Eof(), nothing),
              "offset 0: d_defp_start defines point slots 998..1000 outside the game's 1000");
    EXPECT_EQ(with(GameBytes(tri).Eof(), [](GameModel& g) { g.Stream.push_back(0); }),
              "the record's data size 46 differs from the 47 bytes of model data");
    EXPECT_EQ(with(GameBytes().Eof().Append(tri.bytes).Eof(), nothing),
              "submodel 0 pointer 0 is not at a point record but at opcode 0");
    EXPECT_EQ(with(GameBytes(tri).Eof(),
                   [](GameModel& g) {
                       ModelRecordFields f = ReadModelRecord(g.Record);
                       f.NumSubmodels = 11;
                       g.Record = WriteModelRecord(f);
                   }),
              "the model has 11 submodels; a model has 1 to 10");
    // Found by fuzzing: the largest pointer there is must not wrap around when checked.
    EXPECT_EQ(with(GameBytes(tri).Eof(),
                   [](GameModel& g) {
                       ModelRecordFields f = ReadModelRecord(g.Record);
                       f.SubmodelPointers[0] = 2147483647;
                       g.Record = WriteModelRecord(f);
                   }),
              "submodel 0 pointer 2147483647 lies outside the 46 bytes of model data");
}

// Found by fuzzing: parent bytes of unused entries that no model file may hold made the
// saved file unreadable.
TEST(GameModelImport, UnusedRecordEntriesNeverSpoilTheSavedFile) {
    ModelRecordFields f = OneSubmodel();
    f.Parents.fill(77);
    f.Offsets.fill({1 << 20, 0, 0});
    f.Offsets[0] = {};
    GameBytes s;
    s.DefpStart(0, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}).FlatPoly({0, 1, 2}).Eof();
    auto m = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ConvertGameModel(MakeGameModel(f, s.bytes), *m, summary), "");
    EXPECT_EQ(ParseModel(*EmptyModel(1), Serialize(*m)), "");
}

TEST(GameModelImport, CountsPolygonsTheGameNeverDraws) {
    GameBytes s;
    s.DefpStart(0, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}).FlatPoly({0, 1, 2}).Eof();
    s.FlatPoly({2, 1, 0}).Eof();
    GameModelContents c;
    ASSERT_EQ(ReadGameModelContents(MakeGameModel(OneSubmodel(), s.bytes), c), "");
    EXPECT_EQ(c.UnreachedPolygons, 1);
    auto m = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ConvertGameModelContents(c, *m, summary), "");
    EXPECT_EQ(summary,
              "Imported 1 submodel, 3 points and 1 polygon; not kept: 1 polygon record the game "
              "never draws.");
}

}  // namespace
}  // namespace fw::test
