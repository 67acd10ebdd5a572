#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "modelfile/ModelJson.h"

namespace fw {
namespace {

using nlohmann::json;

// Two submodels, a flat and a textured polygon, and values that only survive an exact
// round trip (thirds, tiny and huge doubles, float UVs).
std::unique_ptr<ModelStore> SampleStore() {
    auto m = std::make_unique<ModelStore>();
    NewModel(*m);
    m->NumPoints = 4;
    m->Points = {{{1.0 / 3, -2.5, 1e-300}, {123456.789, 0.1, -0.0}, {-7, 8, 9}, {2, 2, 1.0 / 7}}};
    m->PointSubmodel = {0, 0, 0, 1};
    m->NumPolygons = 2;
    m->Polygons[0] = {{0, 1, 2}, 3, -1, 31};
    m->Polygons[1] = {{3, 1, 2}, 3, 4, 0, {{{0.1f, 1.0f / 3, 0.5f}, {}, {-1e-7f, 3e30f, 0}}}};
    m->NumSubmodels = 2;
    m->Submodels[1] = {{0.25, -1.0 / 3, 5}, 3, 1, 0, 1};
    m->Submodels[7].Parent = 3;  // unused table entries travel too
    m->NumberOfTextures = 7;
    m->FirstModelTexture = -300;
    m->SimplerModel = 200;
    m->HeaderReserved = -123456;
    m->TrailerValue1 = 2147483647;
    m->TrailerValue2 = -2147483647 - 1;
    return m;
}

TEST(ModelJson, RoundTripsEveryFileValueExactly) {
    auto original = SampleStore();
    const json exported = ExportModelJson(*original);
    auto back = std::make_unique<ModelStore>();
    back->PointHidden[0] = 1;
    ASSERT_EQ(ImportModelJsonText(exported.dump(2), *back), "");
    EXPECT_TRUE(SameModelContent(*original, *back));
    EXPECT_EQ(back->Submodels, original->Submodels);
    EXPECT_TRUE(std::signbit(back->Points[1].Z));
    EXPECT_EQ(back->PointHidden[0], 0) << "import starts from a new model";
    EXPECT_EQ(ExportModelJson(*back), exported);
}

TEST(ModelJson, BadInputIsNamedAndChangesNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {R"({"points": [[1, 2, 3]],)", "JSON syntax error: "},
        {R"({"point": []})", "the model has an unknown key \"point\""},
        // A key's line break stays escaped: the message is one line.
        {R"({"po\nint": []})", R"(the model has an unknown key "po\nint")"},
        {R"({"points": [[1, 2]]})", "points[0] must be an array of 3 numbers"},
        {R"({"points": [[0,0,0],[1,1,1]], "polygons": [{"corners": [0, 1, 2]}]})",
         "polygons[0].corners[2] names point 2, which does not exist (points are 0..1)"},
        {R"({"polygons": [{"corners": [0, 0, 0], "cornerUVL": [[0, 0, 0], [0, 1e39, 0], [0, 0, 0]]}]})",
         "polygons[0].cornerUVL[1][1] is 1e+39, too large"},
        {R"({"submodels": [{}, {"parent": 12}]})",
         "submodels[1].parent is 12, not a submodel number 0..9 or 255 for none"},
        // Beyond the double range: the library reports it as out_of_range, not a syntax error.
        {R"({"points": [[1e400, 0, 0]]})", "JSON error: "},
        // The game would look textures up outside the model's list.
        {R"({"polygons": [{"corners": [0, 0, 0], "textureNumber": 25}], "numberOfTextures": 5})",
         "Polygon 0 uses texture 25, outside the model's texture window of 5 (0 to 4)."},
        {R"({"polygons": [{"corners": [0, 0, 0], "textureNumber": 0}], "numberOfTextures": 0})",
         "Polygon 0 uses texture 0, outside the model's texture window which holds no textures."},
    };
    auto before = SampleStore();
    auto m = SampleStore();
    for (const auto& [text, message] : cases) {
        std::string result = ImportModelJsonText(text, *m);
        if (message.ends_with(": "))
            EXPECT_TRUE(result.starts_with(message)) << result;
        else
            EXPECT_EQ(result, message) << text;
        EXPECT_TRUE(SameModelContent(*m, *before)) << text;
    }
}

}  // namespace
}  // namespace fw
