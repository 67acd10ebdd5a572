#pragma once

#include <vector>

namespace fw {

// Which pixels of each frame row already hold their final colour, kept per row as sorted,
// disjoint, non-touching [Begin, End) column intervals. With it polygons can be painted in
// reverse drawing order, each beneath the ones before: a pixel is written by the first
// polygon that reaches it, so it is written once however much the polygons overlap, and
// the picture is still the painter's one (the last polygon drawn over a pixel shows).
class SpanCoverage {
public:
    struct Interval {
        int Begin = 0, End = 0;
    };

    // Forgets all coverage; rows 0..height-1 become usable.
    void Reset(int height);
    // The uncovered pieces of [begin, end) in `row`, left to right, into `out` (replaced).
    void Uncovered(int row, int begin, int end, std::vector<Interval>& out) const;
    // Marks [begin, end) of `row` covered, joining the intervals it overlaps or touches.
    void Cover(int row, int begin, int end);
    const std::vector<Interval>& Row(int row) const { return rows_[row]; }

private:
    std::vector<std::vector<Interval>> rows_;  // kept across frames for their capacity
};

}  // namespace fw
