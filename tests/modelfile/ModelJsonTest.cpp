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

TEST(ModelJson, RoundTripsEveryFileValueExactlyAndIgnoresTheEditorObject) {
    auto original = SampleStore();
    json exported = ExportModelJson(*original);
    json uvl = {
        {double(0.1f), double(1.0f / 3), 0.5}, {0, 0, 0}, {double(-1e-7f), double(3e30f), 0}};
    EXPECT_EQ(exported["polygons"][1], (json{{"corners", {3, 1, 2}}, {"textureNumber", 4},
                                             {"flatColour", 0}, {"cornerUVL", uvl}}));
    original->PointMarked[2] = 1;
    original->PolygonHidden[1] = 1;
    original->CurrentPoint = 3;
    original->Modified = true;
    json doc = exported;
    AddEditorJson(doc, *original, 2);
    EXPECT_EQ(doc["editor"],
              json::parse(R"({"pointMarked": [0, 0, 1, 0], "pointHidden": [0, 0, 0, 0],
        "polygonMarked": [0, 0], "polygonHidden": [0, 1], "currentPoint": 3, "currentPolygon": 0,
        "currentSubmodel": 0, "currentCorner": 2, "modified": true})"));

    auto back = std::make_unique<ModelStore>();
    back->PointHidden[0] = 1;
    ASSERT_EQ(ImportModelJsonText(doc.dump(2), *back), "");
    EXPECT_TRUE(SameModelContent(*original, *back));
    EXPECT_EQ(back->Submodels, original->Submodels);
    EXPECT_TRUE(std::signbit(back->Points[1].Z));
    EXPECT_EQ(back->PointHidden[0], 0) << "import starts from a new model";
    EXPECT_EQ(back->PointMarked[2], 0);
    EXPECT_EQ(ExportModelJson(*back), exported);

    // Missing keys take the values of a new model.
    ASSERT_EQ(ImportModelJsonText(R"({"points": [[1, 2, 3], [4, 5, 6]], "pointSubmodel": [0, 2],
                                     "polygons": [{"corners": [0, 1, 1]}]})",
                                  *back),
              "");
    EXPECT_EQ(back->NumSubmodels, 3) << "the submodels the points use";
    EXPECT_EQ(back->Polygons[0].TextureNumber, -1);
    EXPECT_EQ(back->Polygons[0].FlatColour, DEFAULT_FLAT_COLOUR);
    EXPECT_EQ(back->TrailerValue1, -1);
    EXPECT_EQ(back->Submodels[0].Parent, NO_PARENT);
}

TEST(ModelJson, BadInputIsNamedAndChangesNothing) {
    json many = json::array();
    for (int i = 0; i < 513; ++i) many.push_back({0, 0, 0});

    const std::pair<std::string, std::string> cases[] = {
        {R"({"points": [[1, 2, 3]],)", "JSON syntax error: "},
        {R"({"point": []})", "the model has an unknown key \"point\""},
        {R"({"points": [[1, 2]]})", "points[0] must be an array of 3 numbers"},
        {json{{"points", many}}.dump(), "points has 513 points; at most 512"},
        {R"({"points": [[0,0,0],[1,1,1]], "polygons": [{"corners": [0, 1, 2]}]})",
         "polygons[0].corners[2] names point 2, which does not exist (points are 0..1)"},
        {R"({"polygons": [{"corners": [0, 0, 0], "cornerUVL": [[0, 0, 0], [0, 1e39, 0], [0, 0, 0]]}]})",
         "polygons[0].cornerUVL[1][1] is 1e+39, too large"},
        {R"({"submodels": [{}, {"parent": 12}]})",
         "submodels[1].parent is 12, not a submodel number 0..9 or 255 for none"},
        {R"({"headerReserved": 18446744073709551615})",
         "headerReserved is 18446744073709551615, outside -2147483648..2147483647"},
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
