#include <gtest/gtest.h>

#include "EditFixture.h"
#include "edit/CopyPaste.h"

namespace fw {
namespace {

class CopyPasteTest : public EditFixture {
protected:
    // A quad 0..3 in submodel 0 with distinct texture coordinates, plus an unused point 4.
    void MakeQuad() {
        MakePoints(0);
        AddPoint(1, 2, 3);
        AddPoint(4, 2, 3);
        AddPoint(4, 5, 3);
        AddPoint(1, 5, 3);
        AddPoint(9, 9, 9);
        int p = AddPolygon({0, 1, 2, 3});
        PolygonRecord& poly = M().Polygons[p];
        poly.TextureNumber = 2;
        for (int j = 0; j < 4; ++j) poly.CornerUVL[j] = {float(j), float(10 + j), 0};
    }
};

TEST_F(CopyPasteTest, MirroredPasteNegatesAxisAndReversesCorners) {
    MakeQuad();
    MarkPoints({0, 1, 2, 3});
    MarkPolygons({0});
    CopyMarkedPolygonsAndPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Copied 4 points and 1 polygons");
    EXPECT_EQ(host.LastKind(), 1);
    EXPECT_TRUE(host.refreshes.empty());

    // Slots 5..8 hold what deleted points left behind; the paste must not inherit it.
    for (int i = 5; i < 9; ++i) {
        M().PointSubmodel[i] = 7;
        M().PointHidden[i] = 2;
    }
    M().PolygonHidden[1] = 2;
    M().CurrentSubmodel = 0;
    host.Clear();
    PasteMirrored(ed, 1);

    EXPECT_EQ(M().NumPoints, 9);
    EXPECT_EQ(M().NumPolygons, 2);
    for (int k = 0; k < 4; ++k) {
        const PointRecord& src = M().Points[k];
        EXPECT_EQ(M().Points[5 + k], (PointRecord{-src.X, src.Y, src.Z})) << k;
        EXPECT_EQ(M().PointMarked[k], 0);
        EXPECT_EQ(M().PointMarked[5 + k], 1);
        EXPECT_EQ(M().PointSubmodel[5 + k], 0);
        EXPECT_EQ(M().PointHidden[5 + k], 0);
    }
    EXPECT_EQ(CornersOf(1), (std::vector<int>{8, 7, 6, 5}));
    const PolygonRecord& pasted = M().Polygons[1];
    EXPECT_EQ(pasted.TextureNumber, 2);
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(pasted.CornerUVL[j], (CornerUVLRecord{float(j), float(10 + j), 0})) << j;
    EXPECT_EQ(M().PolygonMarked[0], 0);
    EXPECT_EQ(M().PolygonMarked[1], 1);
    EXPECT_EQ(M().PolygonHidden[1], 0);
    EXPECT_EQ(M().NumMarkedPoints, 4);
    EXPECT_EQ(M().NumMarkedPolygons, 1);
    EXPECT_EQ(host.LastStatus(), "Inserted 4 mirrored points and 1 polygons");
    EXPECT_EQ(host.refreshes, (std::vector<int>{2}));
}

TEST_F(CopyPasteTest, MirroredPasteReversesTwentyCornersAndUsesTheCurrentSubmodel) {
    MakePoints(20);
    for (int i = 0; i < 20; ++i) M().Points[i] = {double(i), double(i) * 2, 1};
    AddPolygon({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    for (int i = 0; i < 20; ++i) M().PointMarked[i] = 1;
    CountMarkedPoints(M());
    MarkPolygons({0});
    CopyMarkedPolygonsAndPoints(ed);
    M().NumSubmodels = 3;
    M().CurrentSubmodel = 2;

    PasteMirrored(ed, 2);
    std::vector<int> expected;
    for (int j = 0; j < 20; ++j) expected.push_back(39 - j);
    EXPECT_EQ(CornersOf(1), expected);
    EXPECT_EQ(M().Points[25], (PointRecord{5, -10, 1}));
    EXPECT_EQ(M().PointSubmodel[25], 2);

    PasteMirrored(ed, 3);
    EXPECT_EQ(M().Points[45], (PointRecord{5, 10, -1}));
    EXPECT_EQ(CornersOf(2).front(), 59);
    EXPECT_EQ(host.LastStatus(), "Inserted 20 mirrored points and 1 polygons");
}

TEST_F(CopyPasteTest, CopyRefusesPolygonsWithUnmarkedCorners) {
    MakeQuad();
    MarkPoints({4});
    CopyMarkedPoints(ed);
    EXPECT_EQ(host.LastStatus(), "Copied 1 points");

    M().PointMarked.fill(0);
    MarkPoints({0, 1, 2});
    MarkPolygons({0});
    CopyMarkedPolygonsAndPoints(ed);
    EXPECT_EQ(host.LastStatus(), "All marked polygons must have marked points");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_EQ(ed.Clip().ClipPointCount, 1) << "the earlier copy is kept";
    EXPECT_EQ(ed.Clip().ClipPoints[0], (PointRecord{9, 9, 9}));
}

TEST_F(CopyPasteTest, PointCopyDropsPolygonsAndLeavesPolygonMarksInStep) {
    MakeQuad();
    MarkPoints({0, 1, 2, 3});
    MarkPolygons({0});
    CopyMarkedPolygonsAndPoints(ed);
    CopyMarkedPoints(ed);
    EXPECT_EQ(ed.Clip().ClipPolygonCount, 0);
    EXPECT_EQ(host.LastStatus(), "Copied 4 points");

    PasteWithOffset(ed);
    EXPECT_EQ(M().NumPolygons, 1);
    EXPECT_EQ(M().PolygonMarked[0], 1) << "existing polygon marks are left alone";
    EXPECT_EQ(M().NumMarkedPolygons, 1) << "and the counter agrees with them";
    EXPECT_EQ(host.LastStatus(), "Inserted 4 points and 0 polygons");
}

TEST_F(CopyPasteTest, OffsetPasteTwiceLandsInTheSamePlace) {
    MakeQuad();
    MarkPoints({4});
    CopyMarkedPoints(ed);
    ed.PasteOffset = {1, 0, 0.5};
    PasteWithOffset(ed);
    PasteWithOffset(ed);
    EXPECT_EQ(M().Points[5], (PointRecord{10, 9, 9.5}));
    EXPECT_EQ(M().Points[6], M().Points[5]);
    EXPECT_EQ(M().PointMarked[5], 0) << "the second paste unmarks the first";
    EXPECT_EQ(M().PointMarked[6], 1);
    EXPECT_EQ(M().NumMarkedPoints, 1);
}

TEST_F(CopyPasteTest, PasteAtOriginCentresTheClipboard) {
    MakePoints(0);
    AddPoint(1, 1, 1);
    AddPoint(3, 1, 1);
    MarkPoints({0, 1});
    CopyMarkedPoints(ed);
    PasteAtOrigin(ed);
    EXPECT_EQ(M().Points[2], (PointRecord{-1, 0, 0}));
    EXPECT_EQ(M().Points[3], (PointRecord{1, 0, 0}));
    EXPECT_EQ(host.LastStatus(), "Inserted 2 points and 0 polygons.");
}

TEST_F(CopyPasteTest, EmptyClipboard) {
    MakeQuad();
    ModelStore before = M();
    PasteAtOrigin(ed);
    EXPECT_EQ(host.LastStatus(), "Nothing to paste.");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_TRUE(host.refreshes.empty());
    EXPECT_TRUE(SameModelContent(before, M()));

    PasteWithOffset(ed);
    EXPECT_EQ(host.LastStatus(), "Inserted 0 points and 0 polygons");
    EXPECT_EQ(host.refreshes, (std::vector<int>{2}));
    EXPECT_EQ(M().NumPoints, 5);
}

TEST_F(CopyPasteTest, PasteRefusesToOverflowTheTables) {
    MakeQuad();
    MarkPoints({0, 1, 2, 3});
    MarkPolygons({0});
    CopyMarkedPolygonsAndPoints(ed);

    M().NumPoints = 509;  // 509 + 4 > 512
    ModelStore before = M();
    PasteMirrored(ed, 1);
    EXPECT_EQ(host.LastStatus(), "Cannot paste: the model would have more than 512 points.");
    EXPECT_EQ(host.LastKind(), -1);
    EXPECT_TRUE(SameModelContent(before, M()));
    EXPECT_EQ(M().PointMarked, before.PointMarked);
    EXPECT_EQ(M().PolygonMarked, before.PolygonMarked);

    M().NumPoints = 508;  // exactly fits
    PasteAtOrigin(ed);
    EXPECT_EQ(M().NumPoints, 512);

    M().NumPoints = 5;
    M().NumPolygons = 512;
    before = M();
    PasteWithOffset(ed);
    EXPECT_EQ(host.LastStatus(), "Cannot paste: the model would have more than 512 polygons.");
    EXPECT_TRUE(SameModelContent(before, M()));
    EXPECT_EQ(M().PointMarked, before.PointMarked);
}

TEST_F(CopyPasteTest, PasteIsOneUndoStepAndSetsModified) {
    MakeQuad();
    MarkPoints({0, 1, 2, 3});
    MarkPolygons({0});
    CopyMarkedPolygonsAndPoints(ed);
    Saved();
    ModelStore before = M();

    ed.Run("Mirror Paste", [&] { PasteMirrored(ed, 1); });
    EXPECT_TRUE(M().Modified);
    EXPECT_FALSE(SameModelContent(before, M()));

    ASSERT_TRUE(ed.Undo());
    EXPECT_TRUE(SameModelContent(before, M()));
    EXPECT_EQ(M().NumPoints, before.NumPoints);
    EXPECT_FALSE(M().Modified);

    ed.Run("Copy", [&] { CopyMarkedPoints(ed); });
    EXPECT_FALSE(M().Modified) << "copying changes no content";
}

}  // namespace
}  // namespace fw
