#include "EditFixture.h"
#include "edit/CopyPaste.h"

namespace fw {
namespace {

class CopyPasteTest : public EditFixture {
protected:
    // A quad 0..3 with distinct texture coordinates and an unused point 4, all copied when
    // `copy` is set.
    void MakeQuad(bool copy = true) {
        MakePoints(0);
        for (PointRecord p : {PointRecord{1, 2, 3}, {4, 2, 3}, {4, 5, 3}, {1, 5, 3}, {9, 9, 9}})
            AddPoint(p.X, p.Y, p.Z);
        int p = AddPolygon({0, 1, 2, 3});
        M().Polygons[p].TextureNumber = 2;
        for (int j = 0; j < 4; ++j) M().Polygons[p].CornerUVL[j] = {float(j), float(10 + j), 0};
        if (!copy) return;
        MarkPoints({0, 1, 2, 3});
        MarkPolygons({0});
        Do([&] { return CopyMarkedPolygonsAndPoints(ed); });
    }
};

TEST_F(CopyPasteTest, MirroredPasteNegatesAxisAndReversesCornersKeepingUVLInPlace) {
    MakeQuad();
    // Slots 5.. hold what deleted points left behind; the paste must not inherit it.
    for (int i = 5; i < 13; ++i) M().PointSubmodel[i] = 7, M().PointHidden[i] = 2;
    M().PolygonHidden[1] = 2;
    M().NumSubmodels = 3;
    M().CurrentSubmodel = 2;  // the paste goes there
    Do([&] { return PasteMirrored(ed, 1); });

    for (int k = 0; k < 4; ++k) {
        const PointRecord& src = M().Points[k];
        EXPECT_EQ(M().Points[5 + k], (PointRecord{-src.X, src.Y, src.Z})) << k;
        EXPECT_EQ(M().PointMarked[k] * 10 + M().PointMarked[5 + k], 1) << "marks move to the paste";
        EXPECT_EQ(M().PointSubmodel[5 + k], 2);
        EXPECT_EQ(M().PointHidden[5 + k], 0);
        EXPECT_EQ(M().Polygons[1].CornerUVL[k], (CornerUVLRecord{float(k), float(10 + k), 0}));
    }
    EXPECT_EQ(CornersOf(1), (std::vector<int>{8, 7, 6, 5}));
    EXPECT_EQ(M().Polygons[1].TextureNumber, 2);
    EXPECT_EQ(M().PolygonMarked[0] + M().PolygonHidden[1], 0);
    EXPECT_EQ(M().NumMarkedPoints + M().NumMarkedPolygons, 5);
}

TEST_F(CopyPasteTest, CopyRefusalAndPointPastes) {
    MakeQuad(false);
    Do([&] { return PasteAtOrigin(ed); });  // an empty clipboard has no centre
    EXPECT_EQ(M().NumPoints, 5);

    MarkPoints({4});
    MarkPolygons({0});
    Do([&] { return CopyMarkedPoints(ed); });
    Do([&] { return CopyMarkedPolygonsAndPoints(ed); });  // the quad's corners are not marked
    EXPECT_EQ(ed.Clip().ClipPointCount, 1) << "the earlier copy is kept";
    ed.PasteOffset = {1, 0, 0.5};
    Do([&] { return PasteWithOffset(ed); });
    Do([&] { return PasteWithOffset(ed); });  // the same place: the offset is from the copy
    EXPECT_EQ(M().Points[5], (PointRecord{10, 9, 9.5}));
    EXPECT_EQ(M().Points[6], M().Points[5]);
    EXPECT_EQ(First(M().PointMarked, 7), (std::vector<int>{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(M().NumMarkedPolygons, 1) << "a point copy leaves the polygon marks alone";

    M().PointMarked.fill(0);
    MarkPoints({0, 1});
    Do([&] { return CopyMarkedPoints(ed); });  // (1,2,3) and (4,2,3)
    Do([&] { return PasteAtOrigin(ed); });
    EXPECT_EQ(M().Points[7], (PointRecord{-1.5, 0, 0}));
    EXPECT_EQ(M().Points[8], (PointRecord{1.5, 0, 0}));
}

TEST_F(CopyPasteTest, PasteRefusesToOverflowTheTables) {
    MakeQuad();
    M().NumPoints = 509;  // 509 + 4 > 512
    ModelStore before = M();
    Do([&] { return PasteMirrored(ed, 1); });
    EXPECT_EQ(host.LastStatus(), "Cannot paste: the model would have more than 512 points.");
    EXPECT_TRUE(SameModelContent(before, M()));
    EXPECT_EQ(M().PointMarked, before.PointMarked);
    M().NumPoints = 508;  // exactly fits
    Do([&] { return PasteAtOrigin(ed); });
    EXPECT_EQ(M().NumPoints, 512);
}

}  // namespace
}  // namespace fw
