#include <gtest/gtest.h>

#include "textures/FlatColour.h"

namespace fw {
namespace {

TEST(FlatColourTest, PercentagesAndComponentsUseTheirOwnWeights) {
    EXPECT_EQ(PercentToComponent(50), 16);
    EXPECT_EQ(PercentToComponent(49), 15);
    EXPECT_EQ(PercentToComponent(2), 0);
    EXPECT_EQ(PercentToComponent(250), 31);  // clamped first
    EXPECT_EQ(PercentToComponent(-5), 0);
    EXPECT_EQ(ComponentToPercent(31), 100);
    // The round trip is not the identity.
    EXPECT_EQ(ComponentToPercent(PercentToComponent(49)), 50);
}

TEST(FlatColourTest, ColoursSplitAndBuildBitFieldsInOrder) {
    EXPECT_EQ(PercentsToColour({100, 50, 0}), 0x7E00);
    EXPECT_EQ(ColourToPercents(0x0421), (std::array<int, 3>{4, 4, 4}));
    EXPECT_EQ(ColourToPercents(static_cast<int16_t>(0x8421)), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(SampleIntensity(100), 253);
}

}  // namespace
}  // namespace fw
