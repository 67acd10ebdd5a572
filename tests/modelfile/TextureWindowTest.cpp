#include <gtest/gtest.h>

#include <tuple>

#include "ModelFileTestUtil.h"
#include "modelfile/StreamChecker.h"

namespace fw {
namespace {

using test::StreamBytes;

// The game looks a polygon's texture up in the model's window without a check: the writer
// (see ModelSaveSafetyTest), JSON import (see ModelJsonTest) and the reader all refuse
// numbers outside it.
TEST(TextureWindow, ReaderReportsNumbersOutsideTheWindowAndKeepsTheModel) {
    // -1 in a textured record is no flat polygon: it is outside the window.
    StreamBytes stream;
    stream.DefpStart(3, 0).FlatPoly({0, 1, 2}).TmapPoly({0, 2, 1}, -1).Eof();
    const auto bytes = test::ModelFileBytes(stream, 1, {0}, 5);
    EXPECT_FALSE(CheckModelFileBytes(bytes).empty());  // the game's check agrees
    auto m = test::MakeRobotModel();
    EXPECT_EQ(ParseModel(*m, bytes),
              "Polygon 1 uses texture -1, outside the model's texture window of 5 (0 to 4).");
    test::ExpectConsistentStore(*m);
    // The whole model was read, so that the user can mend the number.
    EXPECT_EQ(std::tuple(m->NumPoints, m->NumPolygons), std::tuple(3, 2));
}

}  // namespace
}  // namespace fw
