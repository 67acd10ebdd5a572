#include <gtest/gtest.h>

#include "ModelFileTestUtil.h"
#include "modelfile/StreamChecker.h"

namespace fw {
namespace {

using test::StreamBytes;

// The game looks a polygon's texture up in the model's window without a check: the writer
// (see ModelSaveSafetyTest), JSON import (see ModelJsonTest) and the reader all refuse
// numbers outside it.
TEST(TextureWindow, ReaderReportsNumbersOutsideTheWindowAndKeepsTheModel) {
    auto points = [] { return StreamBytes().DefpStart(3, 0); };
    struct Case {
        StreamBytes stream;
        int polygons;
        std::string message;
    };
    const Case cases[] = {
        {points().FlatPoly({0, 1, 2}).TmapPoly({0, 2, 1}, 25).Eof(), 2,
         "Polygon 1 uses texture 25, outside the model's texture window of 5 (0 to 4)."},
        // -1 in a textured record is no flat polygon: it is outside the window too.
        {points().TmapPoly({0, 1, 2}, -1).Eof(), 1,
         "Polygon 0 uses texture -1, outside the model's texture window of 5 (0 to 4)."},
    };
    for (const auto& [stream, polygons, message] : cases) {
        const auto bytes = test::ModelFileBytes(stream, 1, {0}, 5);
        EXPECT_FALSE(CheckModelFileBytes(bytes).empty());  // the game's check agrees
        auto m = test::MakeRobotModel();
        EXPECT_EQ(ParseModel(*m, bytes), message);
        test::ExpectConsistentStore(*m);
        // The whole model was read, so that the user can mend the number.
        EXPECT_EQ(m->NumPoints, 3);
        EXPECT_EQ(m->NumPolygons, polygons);
    }
}

}  // namespace
}  // namespace fw
