#include <gtest/gtest.h>

#include <tuple>

#include "GameDataBuilders.h"
#include "ModelFileTestUtil.h"
#include "modelfile/HamFile.h"

namespace fw::test {
namespace {

HamBuilder TwoModelHam() {
    HamBuilder b;
    b.Models = {SmallGameModel(0, 2), SmallGameModel(2, 1)};
    b.Models[0].DyingModel = 1;
    b.Models[1].DeadModel = 0;
    b.ObjBitmaps = {11, 12, 13};
    b.ObjBitmapPtrs = {2, 0, 1};
    b.MarkerModel = 1;
    return b;
}

TEST(HamFile, ReadsModelsAndObjectTextureTables) {
    HamBuilder b = TwoModelHam();
    HamFile ham;
    ASSERT_EQ(ParseHamFile(b.Build(), ham), "");
    EXPECT_EQ(ham.Version, 3);
    EXPECT_EQ(ham.Textures, b.Textures);
    ASSERT_EQ(ham.Models.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(ham.Models[i].Record, b.Models[i].Record);
        EXPECT_EQ(ham.Models[i].Stream, b.Models[i].Stream);
    }
    EXPECT_EQ(std::tuple(ham.Models[0].DyingModel, ham.Models[0].DeadModel, ham.Models[1].DeadModel,
                         ham.FirstMultiBitmap, ham.MarkerModel),
              std::tuple(1, -1, 0, 7, 1));
    EXPECT_EQ(ham.ObjBitmaps, b.ObjBitmaps);
    EXPECT_EQ(ham.ObjBitmapPtrs, b.ObjBitmapPtrs);
    // Model 0 uses slots 0 and 1, model 1 slot 2 (and nothing beyond its one texture); slot k
    // is bitmap ObjBitmaps[ObjBitmapPtrs[k]].
    EXPECT_EQ((std::array{ModelTextureBitmap(ham, 0, 0), ModelTextureBitmap(ham, 0, 1),
                          ModelTextureBitmap(ham, 1, 0), ModelTextureBitmap(ham, 1, 1),
                          ModelTextureBitmap(ham, 2, 0)}),
              (std::array{13, 11, 12, -1, -1}));
}

// The tables before the models have counted sizes; a wrong size for any of them would
// shift every later table.
TEST(HamFile, TableCountsMoveTheModelsAlong) {
    HamBuilder b = TwoModelHam();
    b.Sounds = 0, b.Robots = 66, b.Weapons = 62, b.Reactors = 7, b.Textures = {};
    HamFile ham;
    ASSERT_EQ(ParseHamFile(b.Build(), ham), "");
    ASSERT_EQ(ham.Models.size(), 2u);
    EXPECT_EQ(ham.Models[1].Stream, b.Models[1].Stream);
    EXPECT_EQ(ham.MarkerModel, 1);
}

TEST(HamFile, EveryCutShortFileIsRefusedWithoutReadingPastIt) {
    HamBuilder b = TwoModelHam();
    b.TranslationEntries = 0;  // the file then ends right after the marker model number
    std::vector<uint8_t> bytes = b.Build();
    for (size_t size = 0; size < bytes.size(); ++size) {
        // A copy of exactly `size` bytes, so a sanitizer sees any read past it.
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
        HamFile ham;
        std::string error = ParseHamFile(cut, ham);
        ASSERT_NE(error, "") << size;
        EXPECT_TRUE(ham.Models.empty()) << size;
    }
    HamFile ham;
    EXPECT_EQ(ParseHamFile(bytes, ham), "");
}

TEST(HamFile, MessagesNameTheProblem) {
    HamBuilder b = TwoModelHam();
    std::vector<uint8_t> bytes = b.Build();
    HamFile ham;
    auto parse = [&](std::vector<uint8_t> v) { return ParseHamFile(v, ham); };

    EXPECT_EQ(parse({'H', 'A', 'M'}), "not a HAM file (it does not start with HAM!)");
    std::vector<uint8_t> v2 = bytes;
    v2[4] = 2;
    EXPECT_EQ(parse(v2), "HAM version 2 is not read; only version 3 (Descent 2) is");

    // The robot count sits after 12 + 2*3 + 20*3 + 4 + 10 + 4 + 164 + 4 + 130 + 4 + 126 bytes.
    size_t robotCount = 12 + 6 + 60 + 4 + 10 + 4 + 164 + 4 + 130 + 4 + 126;
    std::vector<uint8_t> many = bytes;
    SetShortAt(many, robotCount, 30000);
    EXPECT_EQ(parse(many),
              "the file ends inside the robot table (14400000 bytes needed at offset " +
                  std::to_string(robotCount + 4) + "; the file has " +
                  std::to_string(bytes.size()) + ")");
    std::vector<uint8_t> negative = bytes;
    SetShortAt(negative, robotCount + 2, -1);
    EXPECT_NE(parse(negative).find("the robot count at offset " + std::to_string(robotCount) +
                                   " is negative"),
              std::string::npos);

    // A model whose record claims more stream data than the file has.
    size_t firstRecord = robotCount + 4 + 2 * 480 + 4 + 4 * 8 + 4 + 3 * 125 + 4 + 2 * 16 + 4;
    std::vector<uint8_t> big = bytes;
    SetShortAt(big, firstRecord + 4, 0x7000);
    EXPECT_NE(parse(big).find("the file ends inside the polygon model 0 data"), std::string::npos);
    SetShortAt(big, firstRecord + 6, -2);
    EXPECT_EQ(parse(big), "polygon model 0 has a negative data size (-102400)");
}

TEST(HamFile, FileMessagesStartWithThePath) {
    TempDir dir;
    HamFile ham;
    EXPECT_EQ(ReadHamFile((dir / "none.ham").string(), ham),
              "File " + (dir / "none.ham").string() + " not found.");
    WriteBytes(dir / "bad.ham", {'P', 'I', 'G', '!'});
    EXPECT_EQ(ReadHamFile((dir / "bad.ham").string(), ham),
              (dir / "bad.ham").string() + ": not a HAM file (it does not start with HAM!)");
}

}  // namespace
}  // namespace fw::test
