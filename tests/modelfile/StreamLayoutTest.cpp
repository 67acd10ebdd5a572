#include <gtest/gtest.h>

#include "ModelFileTestUtil.h"
#include "modelfile/StreamWriter.h"

namespace fw {
namespace {

using test::FixAt;
using test::LongAt;
using test::ShortAt;

// A root with a flat triangle and one child with a textured triangle: the root calls the
// child through a d_sortnorm group, and each submodel's block starts with its points.
TEST(StreamWriter, RootWithOneChildCallsItThroughASortnormGroup) {
    auto m = test::EmptyModel(2);
    for (int i = 0; i < 3; ++i) test::AddPoint(*m, i, i % 2, 0, 0);
    for (int i = 0; i < 3; ++i) test::AddPoint(*m, 4 + (i > 0) + (i == 1), 2 * (i == 2), 1, 1);
    test::AddFlatPolygon(*m, {0, 1, 2});
    test::AddTexturedPolygon(*m, {3, 4, 5}, 0);
    m->Submodels[1].SortPolygon = 1;
    auto b = test::Serialize(*m);

    constexpr size_t D = MODEL_HEADER_SIZE;
    const int rootData = 8 + 36 + 36 + 4;   // d_defp_start, a flat triangle, two d_eofs
    const int childData = 8 + 36 + 72 + 4;  // the textured triangle adds 3 UVLs
    const int size = LongAt(b, HeaderOffset::DataSize);
    EXPECT_EQ(size, 56 + rootData + childData);
    ASSERT_EQ(b.size(), D + size + 8);  // header, data, two trailer values
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers), 56);
    EXPECT_EQ(LongAt(b, HeaderOffset::SubmodelPointers + 4), 56 + rootData);
    for (int s = 0; s < 2; ++s)
        EXPECT_EQ(ShortAt(b, D + LongAt(b, HeaderOffset::SubmodelPointers + 4 * s)), d_defp_start);

    // d_sortnorm: the root's block in front, the d_subcall of submodel 1 behind.
    EXPECT_EQ(FixAt(b, D + 4), (FixVector{0, 0, 65536}));  // normal of polygon 1
    EXPECT_EQ((std::array{ShortAt(b, D), ShortAt(b, D + 28), ShortAt(b, D + 30), ShortAt(b, D + 34),
                          ShortAt(b, D + 36), ShortAt(b, D + 50)}),
              (std::array<int16_t, 6>{d_sortnorm, 56, 34, d_subcall, 1, 56 + rootData - 34}));
}

}  // namespace
}  // namespace fw
