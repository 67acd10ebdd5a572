#include <array>

#include "EditFixture.h"
#include "edit/SortPolygonFinder.h"

namespace fw {
namespace {

// Submodel 1 is a child of the root 0. Parent polygons are triangles with a corner height
// each; child candidates are unit squares in a plane z = const facing +Z or -Z.
class SortPolygonFinderTest : public EditFixture {
protected:
    void SetUp() override {
        MakePoints(0);
        M().NumSubmodels = 2;
        M().Submodels[0].Parent = NO_PARENT;
        M().Submodels[1].Parent = 0;
    }
    int ParentTriangle(std::array<double, 3> z, int submodel = 0) {
        int a = AddPoint(0, 0, z[0], submodel), b = AddPoint(2, 0, z[1], submodel);
        return AddPolygon({a, b, AddPoint(0, 2, z[2], submodel)});
    }
    int ChildSquare(double z, bool facingUp, int submodel = 1) {
        int a = AddPoint(0, 0, z, submodel), b = AddPoint(1, 0, z, submodel);
        int c = AddPoint(1, 1, z, submodel), d = AddPoint(0, 1, z, submodel);
        return facingUp ? AddPolygon({a, b, c, d}) : AddPolygon({d, c, b, a});
    }
    int Find(int s = 1) { return FindSortPolygon(M(), s, host); }
};

TEST_F(SortPolygonFinderTest, ChoosesTheLaterOfCleanCandidatesFacingTheParent) {
    ParentTriangle({5, 5, 5});
    ChildSquare(0, false);  // parent entirely behind: does not qualify
    EXPECT_EQ(Find(), 0);

    ChildSquare(0, true);
    int higher = ChildSquare(-1, true);
    EXPECT_EQ(Find(), higher) << "the later of two clean candidates wins";
}

TEST_F(SortPolygonFinderTest, StraddlingCandidateOnlyWhenNoneIsClean) {
    for (int i = 0; i < 3; ++i) ParentTriangle({5, 5, 5});
    ParentTriangle({-1, 1, 1});  // cut by z = 0, entirely above z = -2
    int cutsOne = ChildSquare(0, true);
    ChildSquare(0.5, true);
    EXPECT_EQ(Find(), cutsOne) << "earliest with the most in front";

    int clean = ChildSquare(-2, true);
    EXPECT_EQ(Find(), clean) << "a clean candidate beats more parent polygons in front";
}

TEST_F(SortPolygonFinderTest, DegenerateCandidateIsReportedAndTestedAlongMinusY) {
    int a = AddPoint(0, -5, 0), b = AddPoint(1, -5, 0), c = AddPoint(0, -5, 1);
    AddPolygon({a, b, c});  // parent polygon in the plane y = -5
    int p = AddPoint(0, 0, 0, 1), q = AddPoint(1, 0, 0, 1), r = AddPoint(2, 0, 0, 1);
    int line = AddPolygon({p, q, r});
    EXPECT_EQ(Find(), line);
    EXPECT_EQ(host.messages.size(), 1u) << "a side of length zero is reported";
}

TEST_F(SortPolygonFinderTest, FindAndShowCommandsUseTheSubmodelRecords) {
    int root = ParentTriangle({5, 5, 5});
    int first = ChildSquare(0, true);
    M().NumSubmodels = 3;
    M().Submodels[2].Parent = 0;
    int second = ChildSquare(0, true, 2);
    M().Submodels[0].SortPolygon = 7;
    Do([&] { return FindAllSortPolygons(ed); });
    EXPECT_EQ(M().Submodels[0].SortPolygon, 7) << "the root gets none";
    EXPECT_EQ(M().Submodels[1].SortPolygon, first);
    EXPECT_EQ(M().Submodels[2].SortPolygon, second);

    M().CurrentSubmodel = 2;
    M().Submodels[2].SortPolygon = 0;
    Do([&] { return FindCurrentSortPolygon(ed); });
    EXPECT_EQ(M().Submodels[2].SortPolygon, second);

    // Show marks each child's choice instead of its other polygons, skipping a stale choice.
    M().Submodels[1].SortPolygon = 300;
    MarkPolygons({root, first});
    Do([&] { return ShowSortingPolygons(ed); });
    EXPECT_EQ(First(M().PolygonMarked, 3), (std::vector<int>{1, 0, 1})) << "root marks stay";
    EXPECT_EQ(M().PolygonMarked[300], 0);
}

}  // namespace
}  // namespace fw
