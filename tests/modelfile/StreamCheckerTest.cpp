#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "modelfile/StreamBytes.h"
#include "modelfile/StreamChecker.h"

namespace fw {
namespace {

using test::StreamBytes;
using ::testing::ElementsAre;
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

StreamLayout TwoSubmodels() {
    StreamLayout layout;
    layout.NumSubmodels = 2;
    layout.NumberOfTextures = 5;
    layout.SubmodelPointers = {56, CHILD_START};
    return layout;
}

std::vector<std::string> Check(const StreamBytes& s, const StreamLayout& layout = TwoSubmodels()) {
    return CheckStream(s.bytes, layout);
}

TEST(StreamChecker, AcceptsTheWritersShape) {
    StreamBytes s = RootAndChild();
    ASSERT_EQ(s.Size(), 260);
    EXPECT_THAT(Check(s), IsEmpty());
}

TEST(StreamChecker, ReportsRecordsAndJumpsOutsideTheData) {
    StreamBytes jumpOut = RootAndChild();
    jumpOut.SetShort(34 + 16, 400);
    EXPECT_THAT(Check(jumpOut),
                ElementsAre("offset 34: d_subcall jump goes to 434, outside the data"));

    StreamBytes cut = RootAndChild();
    cut.bytes.resize(CHILD_POLYGON + 40);  // the child's polygon and its d_eofs are cut off
    auto faults = Check(cut);
    EXPECT_THAT(
        faults,
        ::testing::Contains(
            "offset 184: d_tmappoly record (72 bytes) runs past the end of the data (224 bytes)"));

    StreamBytes noEof;
    noEof.DefpStart(3, 0).FlatPoly({0, 1, 2});
    StreamLayout one;
    one.NumberOfTextures = 5;
    one.SubmodelPointers = {0};
    EXPECT_THAT(Check(noEof, one),
                ElementsAre("offset 80: the stream runs past the end of the data without a d_eof"));
}

TEST(StreamChecker, ReportsJumpsIntoTheMiddleOfARecordAndBackwards) {
    StreamBytes middle = RootAndChild();
    middle.SetShort(34 + 16, CHILD_START + 4 - 34);
    EXPECT_THAT(Check(middle),
                ::testing::Contains("offset 34: d_subcall jump goes to 144, into the middle of the "
                                    "d_defp_start record at 140"));

    // A backward jump would loop for ever; the walk must end with a fault instead.
    StreamBytes backwards = RootAndChild();
    backwards.SetShort(0 + 28, -2);
    backwards.SetShort(34 + 16, 0);
    auto faults = Check(backwards);
    EXPECT_THAT(faults, ::testing::Contains(
                            "offset 0: d_sortnorm front branch offset -2 is outside 1..32767"));
    EXPECT_THAT(faults,
                ::testing::Contains("offset 34: d_subcall jump offset 0 is outside 1..32767"));
}

TEST(StreamChecker, ReportsPointsNotDefinedBeforeTheirPolygon) {
    StreamBytes s = RootAndChild();
    s.SetShort(100 + 30, 4);  // the root's triangle borrows a point of the child
    s.SetShort(100 + 32, 700);
    auto faults = Check(s);
    EXPECT_THAT(
        faults,
        ::testing::Contains(
            "offset 100: d_flatpoly uses point 4, which no d_defp_start defined before it"));
    EXPECT_THAT(
        faults,
        ::testing::Contains(
            "offset 100: d_flatpoly uses point 700, which no d_defp_start defined before it"));

    // Each branch of a d_sortnorm may be drawn first, so one cannot rely on the other's points.
    StreamBytes branches;
    branches.SortNorm(34, 80).Eof().DefpStart(3, 0).Eof().FlatPoly({0, 1, 2}).Eof();
    StreamLayout one;
    one.SubmodelPointers = {34};
    EXPECT_THAT(
        CheckStream(branches.bytes, one),
        ElementsAre("offset 80: d_flatpoly uses point 0, which no d_defp_start defined before it",
                    "offset 80: d_flatpoly uses point 1, which no d_defp_start defined before it",
                    "offset 80: d_flatpoly uses point 2, which no d_defp_start defined before it"));

    // The parent's points are defined in the other branch, and debris draws a submodel's
    // own stream from its pointer alone: a child cannot borrow them either way.
    StreamBytes borrowed = RootAndChild();
    borrowed.SetShort(CHILD_POLYGON + 30, 1);
    EXPECT_THAT(
        Check(borrowed),
        ElementsAre("offset 184: d_tmappoly uses point 1, which no d_defp_start defined before it",
                    "offset 184: d_tmappoly uses point 1, which no d_defp_start defined "
                    "before it (drawing submodel 1 on its own)"));
}

TEST(StreamChecker, ReportsTexturesOutsideTheWindowAndBadCornerCounts) {
    StreamBytes s = RootAndChild();
    s.SetShort(CHILD_POLYGON + 28, 5);
    EXPECT_THAT(Check(s), ElementsAre("offset 184: d_tmappoly texture 5 is outside the model's "
                                      "texture window of 5"));
    s.SetShort(CHILD_POLYGON + 28, -1);
    EXPECT_THAT(Check(s), ElementsAre("offset 184: d_tmappoly texture -1 is outside the model's "
                                      "texture window of 5"));

    StreamBytes big;
    big.DefpStart(21, 0)
        .FlatPoly({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
        .Eof();
    StreamLayout one;
    EXPECT_THAT(CheckStream(big.bytes, one),
                ElementsAre("offset 260: d_flatpoly has 21 corners; the game draws 3 to 20"));
}

TEST(StreamChecker, ReportsUnknownOpcodesAndPointSlotsBeyondTheBuffer) {
    StreamBytes s = RootAndChild();
    s.SetShort(100, 9);
    EXPECT_THAT(Check(s), ElementsAre("offset 100: unknown opcode 9"));

    StreamBytes slots;
    slots.DefpStart(20, 990).Eof();
    StreamLayout one;
    EXPECT_THAT(
        CheckStream(slots.bytes, one),
        ElementsAre(
            "offset 0: d_defp_start defines points 990..1009 outside the game's 1000 point slots"));

    StreamBytes negative;
    negative.Short(7).Short(-2).Short(0).Short(0).Eof();
    EXPECT_THAT(CheckStream(negative.bytes, one),
                ElementsAre("offset 0: d_defp_start has a negative count -2"));
}

TEST(StreamChecker, ReportsSubmodelsNeverCalledOrCalledWrongly) {
    StreamBytes skipped = RootAndChild();
    skipped.SetShort(30, 32);  // the back branch ends at once instead of calling the child
    EXPECT_THAT(Check(skipped), ElementsAre("submodel 1 is never called"));

    StreamBytes wrongNumber = RootAndChild();
    wrongNumber.SetShort(34 + 2, 2);
    EXPECT_THAT(Check(wrongNumber),
                ElementsAre("offset 34: d_subcall calls submodel 2, but the model has 2",
                            "submodel 1 is never called"));
}

TEST(StreamChecker, ReportsHeaderValuesThatDisagreeWithTheStream) {
    StreamLayout pointers = TwoSubmodels();
    pointers.SubmodelPointers[1] = CHILD_START + 4;
    EXPECT_THAT(Check(RootAndChild(), pointers),
                ElementsAre("header: submodel 1 pointer 144 is not at a d_defp_start record"));

    StreamLayout shared = TwoSubmodels();
    shared.SubmodelPointers[1] = 56;
    EXPECT_THAT(Check(RootAndChild(), shared),
                ElementsAre("header: submodels 0 and 1 share the pointer 56"));

    StreamLayout three = TwoSubmodels();
    three.NumSubmodels = 3;
    three.SubmodelPointers[2] = CHILD_START;
    auto faults = Check(RootAndChild(), three);
    EXPECT_THAT(faults, ::testing::Contains(
                            "header: 3 submodels, but the stream has 2 d_defp_start records"));
    EXPECT_THAT(faults, ::testing::Contains("submodel 2 is never called"));
}

TEST(StreamChecker, StopsAtNestingTheGameCannotHold) {
    // Submodel k calls submodel k + 1 until five levels are open.
    StreamBytes chain;
    for (int k = 0; k < 5; ++k) chain.SubCall(k + 1, 22).Eof();
    chain.Eof();
    StreamLayout layout;
    layout.NumSubmodels = 6;
    auto faults = CheckStream(chain.bytes, layout);
    EXPECT_THAT(faults,
                ::testing::Contains(
                    "offset 88: d_subcall nests submodels 5 levels deep; the game allows 4"));

    // Branches that all rejoin the same record: the walk gives up instead of running for ever.
    StreamBytes rejoin;
    for (int k = 0; k < 40; ++k) rejoin.SortNorm(32, 32);
    rejoin.Eof();
    StreamLayout one;
    EXPECT_THAT(CheckStream(rejoin.bytes, one), ::testing::Contains(HasSubstr("walk stopped")));
}

TEST(StreamChecker, ChecksTheFileAroundTheStream) {
    auto clean = test::ModelFileBytes(RootAndChild(), 2, {56, CHILD_START}, 5);
    EXPECT_THAT(CheckModelFileBytes(clean), IsEmpty());

    auto longer = clean;
    longer.push_back(0);
    EXPECT_THAT(
        CheckModelFileBytes(longer),
        ElementsAre(
            "header: model data size 260 does not match the file length 1015 (expected 1014)"));

    auto fewTextures = test::ModelFileBytes(RootAndChild(), 2, {56, CHILD_START}, 2);
    EXPECT_THAT(
        CheckModelFileBytes(fewTextures),
        ElementsAre("offset 184: d_tmappoly texture 2 is outside the model's texture window of 2"));

    auto badCount = test::ModelFileBytes(RootAndChild(), 11, {56, CHILD_START}, 5);
    EXPECT_THAT(CheckModelFileBytes(badCount),
                ::testing::Contains("header: submodel count 11 is outside 1..10"));

    EXPECT_THAT(CheckModelFileBytes(std::vector<uint8_t>(100, 0)),
                ElementsAre("header: the file is shorter than the 746-byte header"));
    auto wrongTag = clean;
    wrongTag[0] = 'X';
    EXPECT_THAT(CheckModelFileBytes(wrongTag), ElementsAre("header: the tag is not ZPMF"));
}

}  // namespace
}  // namespace fw
