#include <gtest/gtest.h>

#include <algorithm>
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
    m->Points[0] = {1.0 / 3, -2.5, 1e-300};
    m->Points[1] = {123456.789, 0.1, -0.0};
    m->Points[2] = {-7, 8, 9};
    m->Points[3] = {2, 2, 1.0 / 7};
    m->PointSubmodel = {0, 0, 0, 1};
    m->NumPolygons = 2;
    m->Polygons[0].CornerCount = 3;
    m->Polygons[0].Corners = {0, 1, 2};
    m->Polygons[0].TextureNumber = -1;
    m->Polygons[0].FlatColour = 31;
    m->Polygons[1].CornerCount = 3;
    m->Polygons[1].Corners = {3, 1, 2};
    m->Polygons[1].TextureNumber = 4;
    m->Polygons[1].CornerUVL[0] = {0.1f, 1.0f / 3, 0.5f};
    m->Polygons[1].CornerUVL[2] = {-1e-7f, 3e30f, 0};
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
    json exported = ExportModelJson(*original);
    auto back = std::make_unique<ModelStore>();
    back->PointMarked[0] = 1;
    ASSERT_EQ(ImportModelJsonText(exported.dump(2), *back), "");
    EXPECT_TRUE(SameModelContent(*original, *back));
    EXPECT_EQ(back->Submodels, original->Submodels);
    EXPECT_EQ(back->Points[1].Z, original->Points[1].Z);
    EXPECT_TRUE(std::signbit(back->Points[1].Z));
    EXPECT_EQ(back->PointMarked[0], 0) << "import starts from a new model";
    EXPECT_EQ(ExportModelJson(*back), exported);

    EXPECT_EQ(exported["submodels"].size(), 10u);
    std::vector<std::string> keys;
    for (const auto& item : exported.items()) keys.push_back(item.key());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"firstModelTexture", "headerReserved", "numSubmodels",
                                              "numberOfTextures", "pointSubmodel", "points",
                                              "polygons", "simplerModel", "submodels",
                                              "trailerValue1", "trailerValue2"}));
    json uvl = {{double(0.1f), double(1.0f / 3), 0.5},
                {0.0, 0.0, 0.0},
                {double(-1e-7f), double(3e30f), 0.0}};
    EXPECT_EQ(
        exported["polygons"][1],
        (json{
            {"corners", {3, 1, 2}}, {"textureNumber", 4}, {"flatColour", 0}, {"cornerUVL", uvl}}));
}

TEST(ModelJson, MissingKeysTakeNewModelValues) {
    auto m = SampleStore();
    ASSERT_EQ(ImportModelJsonText(R"({"points": [[1, 2, 3], [4, 5, 6]], "pointSubmodel": [0, 2],
                                     "polygons": [{"corners": [0, 1, 1]}]})",
                                  *m),
              "");
    EXPECT_EQ(m->NumPoints, 2);
    EXPECT_EQ(m->Points[1], (PointRecord{4, 5, 6}));
    EXPECT_EQ(m->NumSubmodels, 3) << "the submodels the points use";
    EXPECT_EQ(m->Polygons[0].TextureNumber, -1);
    EXPECT_EQ(m->Polygons[0].FlatColour, DEFAULT_FLAT_COLOUR);
    EXPECT_EQ(m->NumberOfTextures, 5);
    EXPECT_EQ(m->TrailerValue1, -1);
    EXPECT_EQ(m->Submodels[0].Parent, NO_PARENT);

    ASSERT_EQ(ImportModelJsonText("{}", *m), "");
    EXPECT_EQ(m->NumPoints, 1);
    EXPECT_EQ(m->NumPolygons, 0);
    EXPECT_EQ(m->NumSubmodels, 1);
}

TEST(ModelJson, EditorObjectIsAddedOnRequestAndIgnoredOnImport) {
    auto m = SampleStore();
    m->PointMarked[2] = 1;
    m->PointHidden[3] = 2;
    m->PolygonHidden[1] = 1;
    m->PolygonMarked[0] = 1;
    m->CurrentPoint = 3;
    m->CurrentPolygon = 1;
    m->CurrentSubmodel = 1;
    m->Modified = true;
    json doc = ExportModelJson(*m);
    AddEditorJson(doc, *m, 2);
    EXPECT_EQ(doc["editor"],
              json::parse(R"({"pointMarked": [0, 0, 1, 0], "pointHidden": [0, 0, 0, 2],
        "polygonMarked": [1, 0], "polygonHidden": [0, 1], "currentPoint": 3, "currentPolygon": 1,
        "currentSubmodel": 1, "currentCorner": 2, "modified": true})"));

    auto back = std::make_unique<ModelStore>();
    ASSERT_EQ(ImportModelJson(doc, *back), "");
    EXPECT_TRUE(SameModelContent(*m, *back));
    EXPECT_EQ(back->PointMarked[2], 0);
    EXPECT_FALSE(back->Modified);
}

TEST(ModelJson, BadInputIsNamedAndChangesNothing) {
    json many = json::array();
    for (int i = 0; i < 513; ++i) many.push_back({0, 0, 0});
    json manyPolygons = json::array();
    for (int i = 0; i < 513; ++i) manyPolygons.push_back({{"corners", {0, 0, 0}}});

    const std::pair<std::string, std::string> cases[] = {
        {R"({"points": [[1, 2, 3]],)", "JSON syntax error: "},
        {"[1, 2]", "the model must be an object"},
        {R"({"point": []})", "the model has an unknown key \"point\""},
        {R"({"points": 5})", "points must be an array"},
        {R"({"points": []})", "points must hold at least one point"},
        {R"({"points": [[1, 2]]})", "points[0] must be an array of 3 numbers"},
        {R"({"points": [[1, "2", 3]]})", "points[0][1] must be a number"},
        {json{{"points", many}}.dump(), "points has 513 points; at most 512"},
        {json{{"polygons", manyPolygons}}.dump(), "polygons has 513 polygons; at most 512"},
        {R"({"polygons": [{"corners": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]}]})",
         "polygons[0].corners has 21 corners; at most 20"},
        {R"({"points": [[0,0,0],[1,1,1]], "polygons": [{"corners": [0, 1, 2]}]})",
         "polygons[0].corners[2] names point 2, which does not exist (points are 0..1)"},
        {R"({"polygons": [{"corners": [0, -1, 0]}]})",
         "polygons[0].corners[1] names point -1, which does not exist (points are 0..0)"},
        {R"({"polygons": [{"textureNumber": 1}]})", "polygons[0] has no \"corners\""},
        {R"({"polygons": [{"corners": [0, 0, 0], "colour": 1}]})",
         "polygons[0] has an unknown key \"colour\""},
        {R"({"polygons": [{"corners": [0, 0, 0], "cornerUVL": [[0, 0, 0], [0, 0, 0]]}]})",
         "polygons[0].cornerUVL has 2 entries for 3 corners"},
        {R"({"polygons": [{"corners": [0, 0, 0], "cornerUVL": [[0, 0, 0], [0, 0], [0, 0, 0]]}]})",
         "polygons[0].cornerUVL[1] must be an array of 3 numbers"},
        {R"({"polygons": [{"corners": [0, 0, 0], "cornerUVL": [[0, 0, 0], [0, 1e39, 0], [0, 0, 0]]}]})",
         "polygons[0].cornerUVL[1][1] is 1e+39, too large"},
        {R"({"polygons": [{"corners": [0, 0, 0], "textureNumber": 40000}]})",
         "polygons[0].textureNumber is 40000, outside -32768..32767"},
        {R"({"pointSubmodel": [10]})", "pointSubmodel[0] is 10, outside 0..9"},
        {R"({"pointSubmodel": [0, 0]})", "pointSubmodel has 2 entries for 1 points"},
        {R"({"submodels": [{}, {"parent": 12}]})",
         "submodels[1].parent is 12, not a submodel number 0..9 or 255 for none"},
        {R"({"submodels": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}]})",
         "submodels has 11 submodels; at most 10"},
        {R"({"submodels": [{"centre": [0, 0, null]}]})", "submodels[0].centre[2] must be a number"},
        {R"({"submodels": [{"sortPolygon": 512}]})",
         "submodels[0].sortPolygon is 512, outside -1..511"},
        {R"({"numSubmodels": 0})", "numSubmodels is 0, outside 1..10"},
        {R"({"numSubmodels": 2.0})", "numSubmodels must be an integer"},
        {R"({"numberOfTextures": 256})", "numberOfTextures is 256, outside 0..255"},
        {R"({"trailerValue1": 2147483648})",
         "trailerValue1 is 2147483648, outside -2147483648..2147483647"},
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
