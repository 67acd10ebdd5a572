#include <gtest/gtest.h>

#include <array>

#include "ModelFileTestUtil.h"
#include "model/RecordingHost.h"
#include "modelfile/SubmodelChecker.h"

namespace fw {
namespace {

using test::AddFlatPolygon;
using test::AddPoint;

TEST(SubmodelChecker, SortsPointsStablyBySubmodelAndRenumbersCorners) {
    // Points 0 (submodel 1) and 1, 2, 3 (submodel 0) with the triangle (1, 2, 3).
    auto m = test::EmptyModel(2);
    AddPoint(*m, 9, 9, 9, 1);
    for (int x = 1; x <= 3; ++x) AddPoint(*m, x, 0, 0, 0);
    AddFlatPolygon(*m, {1, 2, 3});
    m->NumSubmodels = 1;  // stale: the check recounts it
    m->PointHidden[0] = 2;
    m->PointMarked[1] = 1;
    EXPECT_TRUE(CheckAndCompress(*m, nullptr));
    EXPECT_EQ(m->Points[3], (PointRecord{9, 9, 9}));
    EXPECT_EQ((std::array{m->PointRemap[0], m->PointRemap[1], m->PointRemap[2], m->PointRemap[3]}),
              (std::array<int16_t, 4>{3, 0, 1, 2}));
    const PolygonRecord& p = m->Polygons[0];
    EXPECT_EQ((std::array{p.Corners[0], p.Corners[1], p.Corners[2]}),
              (std::array<int16_t, 3>{0, 1, 2}));
    EXPECT_EQ(m->NumSubmodels, 2);
    // The hidden flag travels with the point; marks stay with the numbers.
    EXPECT_EQ(m->PointHidden[3], 2);
    EXPECT_EQ(m->PointMarked[1], 1);
}

TEST(SubmodelChecker, SpreadPolygonsAreMarkedReportedAndFailTheCheck) {
    auto m = test::EmptyModel(2);
    for (int i = 0; i < 6; ++i) AddPoint(*m, i, i / 3 * 5, 0, i / 3);
    AddFlatPolygon(*m, {0, 1, 2});
    AddFlatPolygon(*m, {3, 4, 5});
    AddFlatPolygon(*m, {0, 1, 2, 3});  // three corners in 0, one in 1
    m->PointSubmodel[0] = 1;           // now the points are unsorted as well
    m->PolygonMarked[1] = 1;
    m->NumMarkedPolygons = 1;

    RecordingHost host;
    EXPECT_FALSE(CheckAndCompress(*m, &host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "WARNING!  2 polygon(s) are spread across one or more submodels");
    EXPECT_EQ((std::array{m->PolygonMarked[0], m->PolygonMarked[1], m->PolygonMarked[2]}),
              (std::array<uint8_t, 3>{1, 0, 1}));
    EXPECT_EQ(m->NumMarkedPolygons, 2);
}

}  // namespace
}  // namespace fw
