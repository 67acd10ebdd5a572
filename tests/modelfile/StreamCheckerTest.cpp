#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ModelFileTestUtil.h"
#include "modelfile/StreamChecker.h"

namespace fw {
namespace {

using test::StreamBytes;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The writer's shape: a root (points 0..2, a flat triangle) with one child (points 3..5,
// a textured triangle) behind a separation plane.
constexpr int CHILD_START = 140;
constexpr int CHILD_POLYGON = 184;

StreamBytes RootAndChild() {
    StreamBytes s;
    s.SortNorm(56, 34).Eof().SubCall(1, CHILD_START - 34).Eof();
    s.DefpStart(3, 0).FlatPoly({0, 1, 2}).Eof().Eof();
    s.DefpStart(3, 3).TmapPoly({3, 4, 5}, 2).Eof().Eof();
    return s;
}

const StreamLayout TWO_SUBMODELS{2, 5, {56, CHILD_START}};

StreamBytes Patched(int at, int value) {
    StreamBytes s = RootAndChild();
    test::SetShortAt(s.bytes, at, value);
    return s;
}

TEST(StreamChecker, ReportsEachFault) {
    EXPECT_THAT(CheckStream(RootAndChild().bytes, TWO_SUBMODELS), IsEmpty());
    const StreamLayout one{1, 5};
    StreamLayout moved = TWO_SUBMODELS, shared = TWO_SUBMODELS, three = TWO_SUBMODELS;
    moved.SubmodelPointers[1] = CHILD_START + 4;
    shared.SubmodelPointers[1] = 56;
    three.NumSubmodels = 3, three.SubmodelPointers[2] = CHILD_START;
    StreamBytes cut = RootAndChild(), chain, rejoin;
    cut.bytes.resize(CHILD_POLYGON + 40);  // the child's polygon and its d_eofs are cut off
    for (int k = 0; k < 5; ++k) chain.SubCall(k + 1, 22).Eof();  // k calls k + 1
    for (int k = 0; k < 40; ++k) rejoin.SortNorm(32, 32);        // branches that all rejoin
    const struct {
        StreamBytes stream;
        StreamLayout layout;
        std::string fault;
    } cases[] = {
        {Patched(34 + 16, 400), TWO_SUBMODELS,
         "offset 34: d_subcall jump goes to 434, outside the data"},
        {Patched(34 + 16, CHILD_START + 4 - 34), TWO_SUBMODELS,
         "offset 34: d_subcall jump goes to 144, into the middle of the d_defp_start record "
         "at 140"},
        // A backward jump would loop for ever; the walk must end with a fault instead.
        {Patched(28, -2), TWO_SUBMODELS,
         "offset 0: d_sortnorm front branch offset -2 is outside 1..32767"},
        // The root's triangle borrows a point of the child.
        {Patched(100 + 30, 4), TWO_SUBMODELS,
         "offset 100: d_flatpoly uses point 4, which no d_defp_start defined before it"},
        // Debris draws a submodel's own stream from its pointer alone: a child cannot borrow
        // its parent's points.
        {Patched(CHILD_POLYGON + 30, 1), TWO_SUBMODELS,
         "offset 184: d_tmappoly uses point 1, which no d_defp_start defined before it (drawing "
         "submodel 1 on its own)"},
        {Patched(CHILD_POLYGON + 28, 5), TWO_SUBMODELS,
         "offset 184: d_tmappoly texture 5 is outside the model's texture window of 5"},
        {Patched(100, 9), TWO_SUBMODELS, "offset 100: unknown opcode 9"},
        {Patched(30, 32), TWO_SUBMODELS, "submodel 1 is never called"},  // back branch ends
        {Patched(34 + 2, 2), TWO_SUBMODELS,
         "offset 34: d_subcall calls submodel 2, but the model has 2"},
        {cut, TWO_SUBMODELS,
         "offset 184: d_tmappoly record (72 bytes) runs past the end of the data (224 bytes)"},
        {StreamBytes().DefpStart(3, 0).FlatPoly({0, 1, 2}), one,
         "offset 80: the stream runs past the end of the data without a d_eof"},
        {StreamBytes()
             .DefpStart(21, 0)
             .FlatPoly({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
             .Eof(),
         one, "offset 260: d_flatpoly has 21 corners; the game draws 3 to 20"},
        {StreamBytes().DefpStart(20, 990).Eof(), one,
         "offset 0: d_defp_start defines points 990..1009 outside the game's 1000 point slots"},
        {StreamBytes().Short(7).Short(-2).Short(0).Short(0).Eof(), one,
         "offset 0: d_defp_start has a negative count -2"},
        {chain.Eof(), StreamLayout{6},
         "offset 88: d_subcall nests submodels 5 levels deep; the game allows 4"},
        {rejoin.Eof(), one, "walk stopped"},
        {RootAndChild(), moved, "header: submodel 1 pointer 144 is not at a d_defp_start record"},
        {RootAndChild(), shared, "header: submodels 0 and 1 share the pointer 56"},
        {RootAndChild(), three, "header: 3 submodels, but the stream has 2 d_defp_start records"},
    };
    for (const auto& c : cases)
        EXPECT_THAT(CheckStream(c.stream.bytes, c.layout), Contains(HasSubstr(c.fault)));
}

TEST(StreamChecker, ReportsFileValuesThatDisagreeWithTheStream) {
    const auto clean = test::ModelFileBytes(RootAndChild(), 2, {56, CHILD_START}, 5);
    EXPECT_THAT(CheckModelFileBytes(clean), IsEmpty());
    auto longer = clean, tag = clean;
    longer.push_back(0);
    tag[0] = 'X';
    const std::pair<std::vector<uint8_t>, std::string> cases[] = {
        {longer, "header: model data size 260 does not match the file length 1015 (expected 1014)"},
        {test::ModelFileBytes(RootAndChild(), 11, {56, CHILD_START}, 5),
         "header: submodel count 11 is outside 1..10"},
        {std::vector<uint8_t>(100, 0), "header: the file is shorter than the 746-byte header"},
        {tag, "header: the tag is not ZPMF"},
    };
    for (const auto& [bytes, fault] : cases)
        EXPECT_THAT(CheckModelFileBytes(bytes), Contains(fault));
}

// The writer's output is clean, also for a root with nine children, each with polygons of
// corner counts from 3 to 20 on a circle, flat and textured.
TEST(StreamChecker, EveryWrittenModelIsClean) {
    std::unique_ptr<ModelStore> models[] = {test::MakeRobotModel(), test::MakeChainModel(4),
                                            test::EmptyModel(MAX_SUBMODELS),
                                            std::make_unique<ModelStore>()};
    ModelStore& star = *models[2];
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        int first = star.NumPoints;
        for (int k = 0; k < MAX_CORNERS; ++k) {
            double angle = 2 * std::numbers::pi * k / MAX_CORNERS;
            test::AddPoint(star, 10.0 * s + std::cos(angle), std::sin(angle), 0.1 * s, s);
        }
        for (int n = 3; n <= MAX_CORNERS; n += 1 + s % 3) {
            PolygonRecord& p = star.Polygons[star.NumPolygons++];
            p.CornerCount = int16_t(n);
            p.TextureNumber = int16_t(n % 2 ? -1 : n % 5);
            for (int j = 0; j < n; ++j) p.Corners[j] = int16_t(first + j * MAX_CORNERS / n);
        }
    }
    NewModel(*models[3]);  // points only
    for (auto& m : models) EXPECT_THAT(CheckModelFileBytes(test::Serialize(*m)), IsEmpty());
}

}  // namespace
}  // namespace fw
