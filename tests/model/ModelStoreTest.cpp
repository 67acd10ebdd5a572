#include <gtest/gtest.h>

#include "model/ModelStore.h"
#include "model/SavedContent.h"

namespace fw {
namespace {

// Three points and one triangle in a fresh store.
ModelStore Triangle() {
    ModelStore m;
    m.NumPoints = 3;
    m.Points[1] = {1, 0, 0};
    m.NumPolygons = 1;
    m.Polygons[0].CornerCount = 3;
    m.Polygons[0].Corners = {0, 1, 2};
    return m;
}

// The store-to-store compare and the compact saved copy the Modified flag keeps agree.
TEST(ModelStore, ContentCompareIgnoresMarksHidingAndCurrentItems) {
    ModelStore a = Triangle();
    const SavedContent saved(a);
    ModelStore b = a;
    b.PointMarked[1] = 1;
    b.PolygonHidden[0] = 2;
    b.CurrentPoint = 2;
    b.Modified = true;
    b.Points[300] = {9, 9, 9};       // beyond the points in use
    b.Polygons[0].Corners[10] = 77;  // beyond the corners in use
    EXPECT_TRUE(SameModelContent(a, b));
    EXPECT_TRUE(saved.Matches(b));

    for (auto change : std::initializer_list<void (*)(ModelStore&)>{
             [](ModelStore& m) { m.Points[2].Z = 0.5; },
             [](ModelStore& m) { m.PointSubmodel[2] = 1; },
             [](ModelStore& m) { m.Polygons[0].CornerUVL[2].U = 1; },
             [](ModelStore& m) { m.Polygons[0].FlatColour = 5; },
             [](ModelStore& m) { m.Submodels[3].Parent = 2; },
             [](ModelStore& m) { m.FirstModelTexture = 4; },
             [](ModelStore& m) { m.TrailerValue2 = 0; },
             [](ModelStore& m) { m.NumPoints = 4; },
             [](ModelStore& m) { m.NumPolygons = 0; }}) {
        b = a;
        change(b);
        EXPECT_FALSE(SameModelContent(a, b));
        EXPECT_FALSE(saved.Matches(b));
    }
}

// The saved copy of a new model is written out field by field: it must stay what a new
// store holds.
TEST(ModelStore, SavedContentOfANewModelAndOfCountsOutOfRange) {
    ModelStore fresh;
    EXPECT_TRUE(SavedContent().Matches(fresh));
    NewModel(fresh);
    EXPECT_TRUE(SavedContent().Matches(fresh));
    EXPECT_FALSE(SavedContent().Matches(Triangle()));

    // Counts a damaged store may carry are clamped, never read past a table.
    ModelStore wild = Triangle();
    wild.NumPoints = 600;
    wild.NumPolygons = -3;
    const SavedContent saved(wild);
    EXPECT_TRUE(saved.Matches(wild));
    wild.Points[511].X = 1;
    EXPECT_FALSE(saved.Matches(wild));
}

TEST(ModelStore, ClampToTablesLeavesNoStaleReferences) {
    ModelStore m = Triangle();
    m.NumPolygons = 3;
    m.Polygons[1].CornerCount = 3;
    m.Polygons[1].Corners = {0, 1, 40};  // names a point that is not in use
    m.Polygons[2].CornerCount = 25;      // more corners than a record holds
    m.PolygonMarked[1] = m.PointMarked[0] = 1;
    m.PointMarked[100] = 1;  // beyond the points in use: not counted
    m.CurrentPoint = 400;
    m.CurrentPolygon = -3;
    m.CurrentSubmodel = 12;
    m.NumSubmodels = 0;
    m.PointSubmodel[1] = 200;
    ClampToTables(m);
    EXPECT_EQ((std::array{m.NumPolygons, m.NumMarkedPolygons, m.NumMarkedPoints, m.CurrentPoint,
                          m.CurrentPolygon, m.NumSubmodels, m.CurrentSubmodel}),
              (std::array<int16_t, 7>{1, 0, 1, 2, 0, 1, 0}));
    EXPECT_EQ(m.PointSubmodel[1], MAX_SUBMODELS - 1);
    m.NumPoints = 0;
    m.NumPolygons = 600;
    ClampToTables(m);
    EXPECT_EQ(m.NumPoints, 1);  // at least one point
    EXPECT_EQ(m.NumPolygons, 0);
}

}  // namespace
}  // namespace fw
