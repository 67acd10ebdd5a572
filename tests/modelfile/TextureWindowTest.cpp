#include <gtest/gtest.h>

#include "ModelFileTestUtil.h"
#include "model/TextureWindow.h"
#include "modelfile/StreamChecker.h"

namespace fw {
namespace {

using test::StreamBytes;

// The game looks a polygon's texture up in the model's window without a check: the writer,
// JSON import (see ModelJsonTest) and the reader all refuse numbers outside it.
TEST(TextureWindow, WriterRefusesNumbersOutsideTheWindowAndKeepsTheOldFile) {
    test::TempDir dir;
    const auto path = dir / "robot.pol";
    auto good = test::MakeRobotModel();  // textures 0..2 of a window of 3
    ASSERT_EQ(WriteModelFile(*good, path.string()), "");
    const auto original = test::ReadBytes(path);
    const std::pair<int16_t, std::string> cases[] = {
        {3, "Polygon 1 uses texture 3, outside the model's texture window of 3 (0 to 2)."},
        {-7, "Polygon 1 uses texture -7, outside the model's texture window of 3 (0 to 2)."},
    };
    for (const auto& [texture, message] : cases) {
        auto m = test::MakeRobotModel();
        m->Polygons[1].TextureNumber = texture;
        EXPECT_EQ(WriteModelFile(*m, path.string()), message + " Model not saved.");
        EXPECT_EQ(test::ReadBytes(path), original);
    }
    auto empty = test::MakeRobotModel();
    empty->NumberOfTextures = 0;
    EXPECT_EQ(TextureWindowError(*empty),
              "Polygon 0 uses texture 0, outside the model's texture window which holds no "
              "textures.");
}

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
