#include "model/ModelStore.h"

#include <gtest/gtest.h>

namespace fw {

TEST(ModelStore, NewModelHasOnePointAtTheOriginAndOneSubmodel) {
    ModelStore m;
    m.NumPoints = 7;
    m.Points[0] = {1, 2, 3};
    m.PointMarked[3] = 1;
    m.Modified = true;
    NewModel(m);
    EXPECT_EQ(m.NumPoints, 1);
    EXPECT_EQ(m.NumPolygons, 0);
    EXPECT_EQ(m.NumSubmodels, 1);
    EXPECT_EQ(m.Points[0], (PointRecord{0, 0, 0}));
    EXPECT_EQ(m.PointMarked[3], 0);
    EXPECT_EQ(m.NumberOfTextures, 5);
    EXPECT_EQ(m.TrailerValue1, -1);
    EXPECT_EQ(m.Submodels[0].Parent, NO_PARENT);
    EXPECT_FALSE(m.Modified);
}

}  // namespace fw
