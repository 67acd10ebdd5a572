#include "viewer/SpanCoverage.h"

#include <algorithm>

namespace fw {

void SpanCoverage::Reset(int height) {
    if (static_cast<int>(rows_.size()) < height) rows_.resize(height);
    for (auto& row : rows_) row.clear();
}

void SpanCoverage::Uncovered(int row, int begin, int end, std::vector<Interval>& out) const {
    out.clear();
    const auto& covered = rows_[row];
    // The first interval reaching past `begin`; the ones before cannot cut the range.
    auto c = std::upper_bound(covered.begin(), covered.end(), begin,
                              [](int x, const Interval& i) { return x < i.End; });
    for (; c != covered.end() && c->Begin < end && begin < end; ++c) {
        if (c->Begin > begin) out.push_back({begin, c->Begin});
        begin = c->End;
    }
    if (begin < end) out.push_back({begin, end});
}

void SpanCoverage::Cover(int row, int begin, int end) {
    if (begin >= end) return;
    auto& covered = rows_[row];
    // Intervals from `first` to `last` overlap or touch [begin, end): they become one.
    auto first = std::lower_bound(covered.begin(), covered.end(), begin,
                                  [](const Interval& i, int x) { return i.End < x; });
    auto last = first;
    for (; last != covered.end() && last->Begin <= end; ++last) {
        begin = std::min(begin, last->Begin);
        end = std::max(end, last->End);
    }
    if (first == last) {
        covered.insert(first, {begin, end});
    } else {
        *first = {begin, end};
        covered.erase(first + 1, last);
    }
}

}  // namespace fw
