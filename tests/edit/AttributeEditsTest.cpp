#include <cmath>

#include "EditFixture.h"
#include "edit/AttributeEdits.h"
#include "edit/CommandTable.h"
#include "edit/SubmodelTools.h"

namespace fw {

using AttributeEdits = EditFixture;

// Each typed value has one rule; a value outside it is refused and changes nothing.
TEST_F(AttributeEdits, ValuesOutsideTheirRuleAreRefusedAndChangeNothing) {
    MakePoints(4);
    AddPolygon({0, 1, 2});
    M().NumSubmodels = 3;
    M().Submodels[1].Parent = 0;
    M().Submodels[2].Parent = 1;
    M().NumberOfTextures = 5;
    Saved();
    ModelStore before = M();
    const std::function<CommandResult()> refused[] = {
        [&] { return SetPointCoordinate(ed, 4, 1, 1.0); },       // no such point
        [&] { return SetPointCoordinate(ed, 0, 1, 40000.0); },   // beyond 16.16
        [&] { return SetPointCoordinate(ed, 0, 1, NAN); },
        [&] { return SetCornerUVL(ed, 0, 3, 0, 0.5); },          // no corner 3
        [&] { return SetPolygonTexture(ed, 0, 5); },             // outside the window
        [&] { return SetPolygonTexture(ed, 0, -2); },
        [&] { return SetPolygonColour(ed, 0, 0x8000); },
        [&] { return SetSubmodelParent(ed, 0, 1); },             // the root has none
        [&] { return SetSubmodelParent(ed, 1, 1); },             // not itself
        [&] { return SetSubmodelParent(ed, 1, 2); },             // only lower-numbered
        [&] { return SetSubmodelParent(ed, 2, NO_PARENT); },
        [&] { return SetSubmodelSortPolygon(ed, 1, 1); },        // no polygon 1
    };
    for (const auto& command : refused) {
        EXPECT_TRUE(Do(command).Refused()) << host.LastStatus();
        EXPECT_EQ(host.LastKind(), -1);
        EXPECT_TRUE(M() == before) << host.LastStatus();
    }
    EXPECT_FALSE(ed.History().CanUndo());

    EXPECT_FALSE(Do([&] { return SetPointCoordinate(ed, 2, 3, -7.5); }).Refused());
    EXPECT_EQ(M().Points[2].Z, -7.5);
    EXPECT_FALSE(Do([&] { return SetSubmodelParent(ed, 2, 0); }).Refused());
    EXPECT_EQ(M().Submodels[2].Parent, 0);
    EXPECT_FALSE(Do([&] { return SetPolygonTexture(ed, 0, -1); }).Refused());
    EXPECT_TRUE(M().Polygons[0].IsFlat());
    EXPECT_FALSE(Do([&] { return SetCornerUVL(ed, 0, 2, 1, 0.25); }).Refused());
    EXPECT_EQ(M().Polygons[0].CornerUVL[2].V, 0.25f);
    EXPECT_EQ(ed.History().UndoCount(), 3u);  // the polygon was flat already: no change
    EXPECT_TRUE(M().Modified);
}

// After the root has been emptied and compressed away, a spare slot can hold the old root's
// record; a new submodel made from it must still get a parent the file can hold.
TEST_F(AttributeEdits, ANewSubmodelAlwaysGetsALowerNumberedParent) {
    MakePoints(7);
    AddPolygon({0, 1, 2});
    AddPolygon({3, 4, 5});
    M().PointSubmodel[6] = 1;  // submodel 1 keeps a point, so compression leaves it be
    M().NumSubmodels = 2;
    M().Submodels[1].Parent = 0;
    M().Submodels[2].Parent = NO_PARENT;  // what compression left in the spare slot
    MarkPoints({3, 4, 5});
    ASSERT_FALSE(Do([&] { return PutPointsInNewSubmodel(ed); }).Refused());
    ASSERT_EQ(M().NumSubmodels, 3);
    EXPECT_EQ(M().Submodels[2].Parent, 0);

    // The script form cannot reach a submodel beyond those in use, as the window cannot.
    CommandResult result;
    const std::vector<std::string> words{"5"};
    EXPECT_EQ(InvokeCommand(ed, EditingCommands(), "PutMarkedPointsInSubmodel", words, &result),
              "");
    EXPECT_TRUE(result.Refused());
    EXPECT_EQ(host.LastStatus(), "Submodel 5 does not exist.");
}

}  // namespace fw
