#include <gtest/gtest.h>

#include <tuple>

#include "GameDataBuilders.h"
#include "ModelFileTestUtil.h"
#include "modelfile/HamFile.h"
#include "modelfile/HxmExport.h"
#include "modelfile/HxmFile.h"

namespace fw::test {
namespace {

HxmBuilder FullHxm() {
    HxmBuilder b;
    b.Robots = {3, 70};
    b.Joints = {12};
    b.Models = {{40, SmallGameModel(5, 2)}, {170, SmallGameModel(0, 1)}};
    b.Models[0].second.DyingModel = 41;
    b.ObjBitmaps = {{600, 1234}};
    b.ObjBitmapPtrs = {{501, -2}, {7, 9}};
    return b;
}

TEST(HxmFile, ReadsEveryTableAndWritesTheSameBytes) {
    HxmBuilder b = FullHxm();
    std::vector<uint8_t> bytes = b.Build();
    HxmFile hxm;
    ASSERT_EQ(ParseHxmFile(bytes, hxm), "");
    ASSERT_EQ(std::tuple(hxm.Robots.size(), hxm.Joints.size(), hxm.Models.size(),
                         hxm.ObjBitmaps.size(), hxm.ObjBitmapPtrs.size()),
              std::tuple(2u, 1u, 2u, 1u, 2u));
    EXPECT_EQ(std::tuple(hxm.Version, hxm.Robots[1].Number, hxm.Robots[1].Info.size(),
                         hxm.Joints[0].Number, hxm.Models[0].Number, hxm.Models[0].Model.DyingModel,
                         hxm.Models[1].Model.DeadModel),
              std::tuple(1, 70, 480u, 12, 40, 41, -1));
    EXPECT_EQ(hxm.Models[0].Model.Stream, b.Models[0].second.Stream);
    EXPECT_EQ(
        std::tuple(hxm.ObjBitmaps[0].Index, hxm.ObjBitmaps[0].Bitmap, hxm.ObjBitmapPtrs[0].Value),
        std::tuple(600, 1234, -2));
    EXPECT_EQ(FindHxmModel(hxm, 170), &hxm.Models[1]);
    EXPECT_EQ(FindHxmModel(hxm, 41), nullptr);
    EXPECT_EQ(BuildHxmFile(hxm), bytes);
}

TEST(HxmFile, CutShortAndForeignFilesAreRefused) {
    std::vector<uint8_t> bytes = FullHxm().Build();
    for (size_t size = 0; size < bytes.size(); ++size) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
        HxmFile hxm;
        ASSERT_NE(ParseHxmFile(cut, hxm), "") << size;
        EXPECT_TRUE(hxm.Models.empty() && hxm.Robots.empty()) << size;
    }
    HxmFile hxm;
    EXPECT_EQ(ParseHxmFile(std::vector<uint8_t>{'H', 'X', 'M', '!', 1, 0, 0, 0}, hxm),
              "not a custom robot file (it does not start with HMX!)");
    HxmBuilder old = FullHxm();
    old.Version = 0;
    EXPECT_EQ(ParseHxmFile(old.Build(), hxm), "HXM version 0 is too old");
    std::vector<uint8_t> negative = bytes;
    negative[11] = 0x80;  // the robot count
    EXPECT_EQ(ParseHxmFile(negative, hxm), "the robot count at offset 8 is negative (-2147483646)");
}

TEST(HxmExport, WritesOneModelInTheGameLoadersLayout) {
    auto m = MakeRobotModel();
    std::vector<uint8_t> bytes;
    HxmExportOptions options;
    options.ReplaceModel = 165;
    ASSERT_EQ(BuildHxmForModel(*m, options, bytes), "");
    // One model table entry and nothing else: the file is exactly what its tables build.
    HxmFile hxm;
    ASSERT_EQ(ParseHxmFile(bytes, hxm), "");
    ASSERT_EQ(hxm.Models.size(), 1u);
    EXPECT_EQ(hxm.Models[0].Number, 165);
    EXPECT_TRUE(hxm.Robots.empty() && hxm.Joints.empty() && hxm.ObjBitmaps.empty() &&
                hxm.ObjBitmapPtrs.empty());
    EXPECT_EQ(BuildHxmFile(hxm), bytes);

    // The record and stream are those of the model's own file, byte for byte.
    std::vector<uint8_t> pol = Serialize(*m);
    EXPECT_TRUE(std::equal(pol.begin() + 12, pol.end() - 8, bytes.begin() + 24));
}

TEST(HxmExport, RefusesWhatTheGameWouldReject) {
    TempDir dir;
    std::string path = (dir / "out.hxm").string();
    auto refuse = [&](const ModelStore& m, HxmExportOptions o) {
        std::string error = ExportHxmFile(m, path, o);
        EXPECT_TRUE(dir.Files().empty()) << error;
        return error;
    };
    auto m = MakeRobotModel();
    HxmExportOptions o;
    o.ReplaceModel = 166;
    EXPECT_EQ(refuse(*m, o), "Model number 166 is outside the game's 166 models (0 to 165).");
    o.ReplaceModel = -1;
    EXPECT_EQ(refuse(*m, o), "Model number -1 is outside the game's 166 models (0 to 165).");

    o.ReplaceModel = 3;
    m->NumberOfTextures = 101;
    EXPECT_EQ(refuse(*m, o), "The model uses 101 textures; a game model may use at most 100.");
    m->NumberOfTextures = 3;
    m->FirstModelTexture = 500;
    EXPECT_EQ(
        refuse(*m, o),
        "The model's textures 500 to 502 lie outside the game's 502 object textures (0 to 501).");
    o.Limits.ObjBitmapPtrs = 503;
    EXPECT_EQ(ExportHxmFile(*m, path, o), "");
    EXPECT_EQ(dir.Files(), std::vector<std::string>{"out.hxm"});
    std::filesystem::remove(path);

    m->NumberOfTextures = 2;  // the arms use texture 2
    // The writer itself refuses a texture outside the window, before the stream check.
    EXPECT_EQ(refuse(*m, o),
              "Polygon 6 uses texture 2, outside the model's texture window of 2 (0 to 1). "
              "Model not saved.");
    m->NumberOfTextures = 3;
    m->Polygons[0].Corners[1] = 9;  // now spread over the body and an arm
    EXPECT_EQ(refuse(*m, o), "Check/compress failed. Model not saved.");
}

TEST(HxmExport, TakesLimitsAndDyingModelsFromTheGame) {
    HamBuilder b;
    b.Models = {SmallGameModel(), SmallGameModel(), SmallGameModel()};
    b.Models[2].DyingModel = 0, b.Models[2].DeadModel = 1;
    b.ObjBitmaps = {1, 2, 3, 4};
    HamFile ham;
    ASSERT_EQ(ParseHamFile(b.Build(), ham), "");
    HxmExportOptions o = HxmOptionsFromHam(ham, 2);
    EXPECT_EQ(o.Limits.PolygonModels, 3);
    EXPECT_EQ(o.Limits.ObjBitmapPtrs, 4);
    EXPECT_EQ(o.DyingModel, 0);
    EXPECT_EQ(o.DeadModel, 1);
    auto m = MakeRobotModel();
    m->FirstModelTexture = 1;
    std::vector<uint8_t> bytes;
    ASSERT_EQ(BuildHxmForModel(*m, o, bytes), "");
    EXPECT_EQ(LongAt(bytes, bytes.size() - 16), 0);  // dying
    EXPECT_EQ(LongAt(bytes, bytes.size() - 12), 1);  // dead
    EXPECT_NE(BuildHxmForModel(*m, HxmOptionsFromHam(ham, 3), bytes), "");
}

}  // namespace
}  // namespace fw::test
