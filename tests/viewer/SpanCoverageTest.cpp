// The covered intervals of a row: what is left uncovered, and how covering joins them.
#include <gtest/gtest.h>

#include <vector>

#include "viewer/SpanCoverage.h"

namespace fw {
namespace {

using Pieces = std::vector<std::pair<int, int>>;

Pieces Uncovered(const SpanCoverage& c, int begin, int end, int row = 0) {
    std::vector<SpanCoverage::Interval> out{{99, 99}};  // replaced, not appended to
    c.Uncovered(row, begin, end, out);
    Pieces p;
    for (auto i : out) p.push_back({i.Begin, i.End});
    return p;
}

Pieces Covered(const SpanCoverage& c) {
    Pieces p;
    for (auto i : c.Row(0)) p.push_back({i.Begin, i.End});
    return p;
}

TEST(SpanCoverage, UncoveredPiecesAreWhatLiesBetweenCoveredIntervals) {
    SpanCoverage c;
    c.Reset(2);
    c.Cover(0, 10, 20);
    c.Cover(0, 30, 40);
    EXPECT_EQ(Uncovered(c, 0, 50), (Pieces{{0, 10}, {20, 30}, {40, 50}}));
    EXPECT_EQ(Uncovered(c, 12, 35), (Pieces{{20, 30}}));
    EXPECT_EQ(Uncovered(c, 10, 20), Pieces{});
    EXPECT_EQ(Uncovered(c, 20, 30), (Pieces{{20, 30}}));  // ends are exclusive
    EXPECT_EQ(Uncovered(c, 5, 5), Pieces{});
    EXPECT_EQ(Uncovered(c, 0, 50, 1), (Pieces{{0, 50}}));  // rows are apart
}

TEST(SpanCoverage, CoveringJoinsOverlappingAndTouchingIntervalsAndResetForgets) {
    SpanCoverage c;
    c.Reset(1);
    c.Cover(0, 30, 40);
    c.Cover(0, 10, 20);
    c.Cover(0, 50, 60);
    EXPECT_EQ(Covered(c), (Pieces{{10, 20}, {30, 40}, {50, 60}}));  // kept sorted
    c.Cover(0, 20, 25);                                               // touches: joins
    EXPECT_EQ(Covered(c), (Pieces{{10, 25}, {30, 40}, {50, 60}}));
    c.Cover(0, 35, 55);  // bridges two
    EXPECT_EQ(Covered(c), (Pieces{{10, 25}, {30, 60}}));
    c.Cover(0, 12, 14);  // inside: nothing changes
    c.Cover(0, 7, 7);    // empty
    EXPECT_EQ(Covered(c), (Pieces{{10, 25}, {30, 60}}));
    c.Reset(1);
    EXPECT_EQ(Covered(c), Pieces{});
}

}  // namespace
}  // namespace fw
