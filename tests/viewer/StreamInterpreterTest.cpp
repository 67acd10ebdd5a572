// The interpreter on streams the writer would never make: it must stop, stay inside the
// data and draw what the game would draw.
#include <gtest/gtest.h>

#include <random>

#include "viewer/StreamInterpreter.h"
#include "viewer/ViewerTestUtil.h"

namespace fw::test {
namespace {

struct CountingSink : PolygonSink {
    std::vector<int> corners;
    void Polygon(const StreamPolygon& p) override { corners.push_back(p.Count); }
};

InterpretStats Interpret(const StreamBytes& s, CountingSink& sink, bool cull = false) {
    static StreamInterpreter interpreter;  // large; also checks that runs do not leak state
    return interpreter.Run(s.bytes, IdentityCamera(), {.Cull = cull}, sink);
}

TEST(StreamInterpreter, DrawsOnlyPolygonsWhosePointsWereDefinedEarlierInTheWalk) {
    StreamBytes s;
    s.FlatPoly({0, 1, 2});  // nothing defined yet
    s.DefpStart(3, 0).FlatPoly({0, 1, 2}).FlatPoly({0, 1, 7}).FlatPoly({0, 1}).Eof();
    CountingSink sink;
    InterpretStats stats = Interpret(s, sink);
    EXPECT_EQ(sink.corners, std::vector<int>{3});
    EXPECT_EQ(stats.Skipped, 3);
    // A second run starts with no points, although the slots still hold the first run's.
    StreamBytes again;
    again.FlatPoly({0, 1, 2}).Eof();
    CountingSink second;
    Interpret(again, second);
    EXPECT_TRUE(second.corners.empty());
}

TEST(StreamInterpreter, SelfJumpsRunawayNestingAndRejoiningBranchesAllStop) {
    // A d_sortnorm whose branches are itself (offset 0) is skipped.
    StreamBytes self;
    self.SortNorm(0, 0).Eof();
    CountingSink sink;
    EXPECT_FALSE(Interpret(self, sink).Stopped);

    // Subcalls that each call the next record: nesting is bounded.
    StreamBytes chain;
    for (int i = 0; i < 100; ++i) chain.SubCall(0, 20);
    chain.Eof();
    EXPECT_TRUE(Interpret(chain, sink).Stopped);

    // Every d_sortnorm sends both branches to the next one: 2^60 walks without the bound.
    StreamBytes doubling;
    for (int i = 0; i < 60; ++i) doubling.SortNorm(32, 32);
    doubling.Eof();
    InterpretStats stats = Interpret(doubling, sink);
    EXPECT_TRUE(stats.Stopped);
    EXPECT_LE(stats.Records, StreamInterpreter::MAX_RECORDS + StreamInterpreter::MAX_NESTING);
}

TEST(StreamInterpreter, RecordsCutShortOrJumpsOutsideTheDataEndTheirStream) {
    StreamBytes s;
    s.DefpStart(3, 0).SortNorm(30000, 34).Eof().FlatPoly({0, 1, 2}).Eof();
    CountingSink sink;
    Interpret(s, sink);
    EXPECT_EQ(sink.corners, std::vector<int>{3});  // the back branch; the front is outside

    StreamBytes cut;
    cut.DefpStart(3, 0).FlatPoly({0, 1, 2});
    cut.bytes.resize(cut.bytes.size() - 3);
    CountingSink none;
    Interpret(cut, none);
    EXPECT_TRUE(none.corners.empty());

    StreamBytes bigStart;
    bigStart.Short(7).Short(2).Short(999).Short(0).Zeros(24).FlatPoly({999, 1000, 999}).Eof();
    Interpret(bigStart, none);  // slot 1000 is past the game's buffer: the polygon is skipped
    EXPECT_TRUE(none.corners.empty());
}

TEST(StreamInterpreter, RandomBytesNeverReadOutsideOrHang) {
    std::mt19937 random(12345);
    CountingSink sink;
    for (int round = 0; round < 3000; ++round) {
        StreamBytes s;
        s.DefpStart(4, 0);
        int records = 1 + random() % 12;
        for (int r = 0; r < records; ++r) {
            switch (random() % 5) {
                case 0: s.SortNorm(int(random() % 400), int(random() % 400)); break;
                case 1: s.SubCall(0, int(random() % 400)); break;
                case 2: s.FlatPoly({int(random() % 6), 1, 2}); break;
                case 3: s.Eof(); break;
                default: s.Short(int(random() % 12)).Short(int(random() % 40) - 5); break;
            }
        }
        s.bytes.resize(random() % (s.bytes.size() + 1));
        Interpret(s, sink);  // run under the sanitizers, a stray read shows here
    }
    SUCCEED();
}

}  // namespace
}  // namespace fw::test
