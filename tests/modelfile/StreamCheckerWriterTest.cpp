#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "TestModels.h"
#include "modelfile/ModelFile.h"
#include "modelfile/StreamChecker.h"

namespace fw {
namespace {

std::vector<std::string> CheckWritten(ModelStore& m) {
    std::vector<uint8_t> bytes;
    std::string error = SerializeModel(m, bytes);
    EXPECT_EQ(error, "");
    return CheckModelFileBytes(bytes);
}

// A root with nine children, each a fan of polygons of every corner count from 3 to 20 on
// a circle, alternately flat and textured.
std::unique_ptr<ModelStore> MakeStarModel() {
    auto model = std::make_unique<ModelStore>();
    ModelStore& m = *model;
    test::StartModel(m, MAX_SUBMODELS);
    for (int s = 0; s < MAX_SUBMODELS; ++s) {
        int first = m.NumPoints;
        for (int k = 0; k < MAX_CORNERS; ++k) {
            double angle = 2 * std::numbers::pi * k / MAX_CORNERS;
            test::AddPoint(m, 10.0 * s + std::cos(angle), std::sin(angle), 0.1 * s, s);
        }
        for (int n = 3; n <= MAX_CORNERS; n += 1 + s % 3) {
            PolygonRecord& p = m.Polygons[m.NumPolygons++];
            p.CornerCount = static_cast<int16_t>(n);
            p.TextureNumber = static_cast<int16_t>(n % 2 ? -1 : n % 5);
            for (int j = 0; j < n; ++j)
                p.Corners[j] = static_cast<int16_t>(first + j * MAX_CORNERS / n);
        }
    }
    for (int s = 1; s < MAX_SUBMODELS; ++s) m.Submodels[s].SortPolygon = 0;
    return model;
}

TEST(StreamCheckerOnWriterOutput, EveryWrittenModelIsClean) {
    EXPECT_THAT(CheckWritten(*test::MakeRobotModel()), ::testing::IsEmpty());
    EXPECT_THAT(CheckWritten(*test::MakeChainModel(4)), ::testing::IsEmpty());
    EXPECT_THAT(CheckWritten(*test::MakeLargestModel()), ::testing::IsEmpty());
    EXPECT_THAT(CheckWritten(*MakeStarModel()), ::testing::IsEmpty());

    ModelStore pointsOnly;
    NewModel(pointsOnly);
    EXPECT_THAT(CheckWritten(pointsOnly), ::testing::IsEmpty());
}

TEST(StreamCheckerOnWriterOutput, ReportsWhatTheGameCannotDraw) {
    auto textures = test::MakeRobotModel();
    textures->NumberOfTextures = 2;
    EXPECT_THAT(CheckWritten(*textures),
                ::testing::Each(
                    ::testing::HasSubstr("texture 2 is outside the model's texture window of 2")));
}

}  // namespace
}  // namespace fw
