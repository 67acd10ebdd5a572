#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "ModelFileTestUtil.h"
#include "modelfile/ModelGeometry.h"
#include "modelfile/ObjFile.h"

namespace fw::test {
namespace {

// 512 points over ten submodels and 512 polygons of 3 to 20 corners, textured and flat.
std::unique_ptr<ModelStore> RandomFullModel(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> coordinate(-300, 300);
    std::uniform_real_distribution<float> uv(-4, 4);
    auto m = EmptyModel(10);
    for (int i = 0; i < MAX_POINTS; ++i)
        AddPoint(*m, coordinate(random), coordinate(random), coordinate(random),
                 i * 10 / MAX_POINTS);
    for (int i = 0; i < MAX_POLYGONS; ++i) {
        // Distinct corners of one submodel (each holds at least 51 points, in order).
        int s = i * 10 / MAX_POLYGONS, start = s * MAX_POINTS / 10 + (s * MAX_POINTS % 10 != 0);
        int corners = 3 + int(random() % 18), step = 1 + int(random() % 2);
        int p = AddFlatPolygon(*m, {}, int16_t(random() % 0x8000));
        PolygonRecord& poly = m->Polygons[p];
        for (int k = 0; k < corners; ++k)
            poly.Corners[poly.CornerCount++] = int16_t(start + (i + k * step) % 51);
        if (random() % 2) {
            poly.TextureNumber = int16_t(random() % 7);
            for (int k = 0; k < corners; ++k) poly.CornerUVL[k] = {uv(random), uv(random), 0};
        }
    }
    for (int s = 1; s < 10; ++s) m->Submodels[s].Parent = 0;
    m->NumberOfTextures = 7;
    m->FirstModelTexture = 200;
    return m;
}

TEST(ObjFile, AFullRandomModelSurvivesARoundTrip) {
    auto m = RandomFullModel(13);
    ObjText text = BuildObj(*m, "x.mtl", {});
    auto back = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ParseObj(text.Obj, {text.Mtl}, {}, *back, summary), "");
    ExpectSameMesh(*m, *back, 1.0 / 65536, 0);
    EXPECT_EQ(summary, "Imported 10 submodels, 512 points and 512 polygons.");
}

TEST(ObjFile, ExportFlipsZAndWalksCornersBackwardsFromTheFirst) {
    auto m = EmptyModel(1);
    for (int i = 0; i < 3; ++i) AddPoint(*m, i == 1, i == 2, 1, 0);
    AddTexturedPolygon(*m, {0, 1, 2}, 1);
    m->Polygons[0].CornerUVL[1] = {0.75f, 0.25f, 0};
    m->FirstModelTexture = 9;
    m->NumberOfTextures = 2;
    ObjExportOptions o;
    o.TexturePicture = [](int n) {
        return n == 10 ? std::vector<uint8_t>{1, 2} : std::vector<uint8_t>{};
    };
    ObjText t = BuildObj(*m, "tri.mtl", o);
    EXPECT_EQ(t.Obj,
              "# Facetwork model: 1 submodels, 3 points, 1 polygons\nmtllib tri.mtl\n"
              "o submodel_0\ng submodel_0\nv 0 0 -1\nv 1 0 -1\nv 0 1 -1\nusemtl tex10\n"
              "vt 0 0.75\nvt 0 0.25\nvt 0.75 0.75\nf 1/1 3/2 2/3\n");
    EXPECT_EQ(t.Mtl,
              "# Facetwork materials: the model's textures, then its flat colours\n\n"
              "newmtl tex9\nKd 1 1 1\n\nnewmtl tex10\nKd 1 1 1\nmap_Kd tex10.png\n");
    EXPECT_EQ(t.Pictures, (decltype(t.Pictures){{"tex10.png", {1, 2}}}));
    // The OBJ normal of the listed corners (right-handed) is the game normal with z flipped.
    m->Polygons[0].TextureNumber = -1;
    m->Polygons[0].FlatColour = 0x7C1F;
    t = BuildObj(*m, "tri.mtl", {});
    EXPECT_NE(t.Obj.find("usemtl flat_7c1f\nf 1 3 2\n"), std::string::npos) << t.Obj;
    EXPECT_NE(t.Mtl.find("newmtl flat_7c1f\nKd 1 0 1\n"), std::string::npos) << t.Mtl;
}

const char* BLENDER_CUBE = R"(# Blender v2.93.1 OBJ File: ''
# www.blender.org
mtllib cube.mtl
o Cube
v 1.000000 1.000000 -1.000000
v 1.000000 -1.000000 -1.000000
v 1.000000 1.000000 1.000000
v 1.000000 -1.000000 1.000000
v -1.000000 1.000000 -1.000000
v -1.000000 -1.000000 -1.000000
v -1.000000 1.000000 1.000000
v -1.000000 -1.000000 1.000000
vt 0.625000 0.500000
vt 0.875000 0.500000
vt 0.875000 0.750000
vt 0.625000 0.750000
vn 0.0000 1.0000 0.0000
vn 0.0000 0.0000 1.0000
vn -1.0000 0.0000 0.0000
vn 0.0000 -1.0000 0.0000
vn 1.0000 0.0000 0.0000
vn 0.0000 0.0000 -1.0000
usemtl Steel
s off
f 1/1/1 5/2/1 7/3/1 3/4/1
f 4/1/2 3/2/2 7/3/2 8/4/2
f 8/1/3 7/2/3 5/3/3 6/4/3
usemtl Paint
f 6/1/4 2/2/4 4/3/4 8/4/4
f 2/1/5 1/2/5 3/3/5 4/4/5
f 6/1/6 5/2/6 1/3/6 2/4/6
o Antenna
v 0 1 0
v 0.1 1 0
v 0 3 0
usemtl Mystery
f -3 -2 -1
)";

const char* BLENDER_MTL = R"(# Blender MTL File: 'None'
newmtl Steel
Ns 323.999994
Ka 1.000000 1.000000 1.000000
Kd 0.800000 0.800000 0.800000
map_Kd //textures\..\rbot061.png
newmtl Paint
Kd 1.000000 0.000000 0.000000
)";

TEST(ObjFile, BlenderExportConventionsImport) {
    TextureNaming names = DefaultTextureNaming();
    names.NumberOf = [](const std::string& name) -> std::optional<int> {
        if (name == "rbot061") return 61;
        return std::nullopt;
    };
    ObjImportOptions o;
    o.Names = names;
    o.Scale = 2;
    auto m = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ParseObj(BLENDER_CUBE, {BLENDER_MTL}, o, *m, summary), "");
    ExpectConsistentStore(*m);
    EXPECT_EQ(
        summary,
        "Imported 2 submodels, 11 points and 7 polygons; made 1 face flat (unknown materials: "
        "Mystery); statements not used: 1 s, 6 vn.");
    EXPECT_EQ(m->Points[0], (PointRecord{2, 2, 2}));  // scaled, z flipped
    EXPECT_EQ(std::tuple(m->Submodels[1].Parent, m->Submodels[1].PointCount, PolygonSubmodel(*m, 6),
                         m->FirstModelTexture, m->NumberOfTextures),
              std::tuple(0, 3, 1, 61, 1));
    const PolygonRecord& top = m->Polygons[0];
    // f 1 5 7 3 lists corners 0, 3, 2, 1 of the polygon; corner 1 has vt 4.
    EXPECT_EQ(std::tuple(std::vector<int>(top.Corners.begin(), top.Corners.begin() + 4),
                         top.TextureNumber, top.CornerUVL[1].U, top.CornerUVL[1].V),
              std::tuple(std::vector<int>{0, 2, 6, 4}, 0, 0.625f, 0.25f));
    EXPECT_EQ(std::tuple(m->Polygons[3].FlatColour, m->Polygons[6].FlatColour),
              std::tuple(0x7C00, DEFAULT_FLAT_COLOUR));
    // Blender's cube faces point outwards; so must the game normals of the import.
    for (int i = 0; i < 6; ++i) {
        Vector3 n = PolygonNormal(*m, i);
        Vector3 corner = *FirstCornerPosition(*m, i);
        EXPECT_GT(n[0] * corner[0] + n[1] * corner[1] + n[2] * corner[2], 0) << i;
    }
}

TEST(ObjFile, WeldsWithinOneUnitOfFixedPointInsideEachObject) {
    std::string obj =
        "o a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nv 0.0000076 0 0\nv 1.00002 0 0\n"
        "f 1 2 3\nf 4 5 3\n"
        "o b\nv 0 0 0\nv 0 0 1\nf 6 7 3\n";
    auto m = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ParseObj(obj, {}, {}, *m, summary), "");
    // 0.0000076 < 1/65536 welds to the origin; 1.00002 is more than 1/65536 from 1. Object b
    // keeps its own origin and gets a copy of vertex 3.
    EXPECT_EQ(m->NumPoints, 7);
    EXPECT_EQ(m->Submodels[0].PointCount, 4);
    EXPECT_EQ(m->Polygons[1].Corners[0], 0);
    EXPECT_EQ(summary,
              "Imported 2 submodels, 7 points and 3 polygons; welded 1 point; copied 1 "
              "point shared between objects.");
}

TEST(ObjFile, FaultsNameTheLineAndLeaveTheModelAlone) {
    auto refuse = [](const std::string& obj) {
        auto m = MakeRobotModel();
        auto before = std::make_unique<ModelStore>(*m);
        std::string summary;
        std::string error = ParseObj(obj, {}, {}, *m, summary);
        EXPECT_TRUE(SameModelContent(*m, *before)) << error;
        return error;
    };
    std::string square = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n";
    std::string face21 = "f";
    for (int i = 0; i < 21; ++i) face21 += " 1";
    EXPECT_EQ(refuse(square + face21 + "\n"),
              "line 5: a face with 21 corners; the editor handles at most 20");
    EXPECT_EQ(refuse(square + "f 1 2\n"),
              "line 5: a face with 2 corners; a polygon needs at least 3");
    EXPECT_EQ(refuse(square + "f 1 2 9\n"),
              "line 5: vertex '9' does not exist (4 vertices so far)");
    EXPECT_EQ(refuse(square + "f 1 2 -5\n"),
              "line 5: vertex '-5' does not exist (4 vertices so far)");
    EXPECT_EQ(refuse(square + "f 1/1 2 3\n"),
              "line 5: texture coordinate '1' does not exist (0 so far)");
    EXPECT_EQ(refuse("v 0 zero 0\n"), "line 1: cannot read the number 'zero'");
    EXPECT_EQ(refuse("v 0 0\n"), "line 1: a vertex needs three coordinates");
    EXPECT_EQ(refuse("v 40000 0 0\n"),
              "line 1: the coordinate 40000 (scaled) lies beyond the game's range of ±32767");
    EXPECT_EQ(refuse("vt 0 1e39\n"),  // found by fuzzing: a float cannot hold it
              "line 1: the texture coordinate 1e39 lies beyond the game's range of ±32767");
    EXPECT_EQ(refuse("# nothing\n"), "the file holds no vertices");
    std::string objects;
    for (int i = 0; i < 11; ++i) objects += "o part" + std::to_string(i) + "\n" + square + "\n";
    EXPECT_EQ(refuse(objects),
              "the file has 11 objects or groups; the editor holds at most 10 submodels");
    std::string grid;
    for (int i = 0; i < 600; ++i) grid += "v " + std::to_string(i) + " 0 0\n";
    EXPECT_EQ(refuse(grid), "the file has 600 points after welding; the editor holds at most 512");
    std::string many = square;
    for (int i = 0; i < 513; ++i) many += "f 1 2 3\n";
    EXPECT_EQ(refuse(many), "the file has 513 faces; the editor holds at most 512");
}

TEST(ObjFile, FilesGoBesideEachOtherAndMessagesNameThePath) {
    TempDir dir;
    auto robot = MakeRobotModel();
    ASSERT_EQ(ExportObjFile(*robot, (dir / "robot.obj").string()), "");
    EXPECT_EQ(dir.Files(), (std::vector<std::string>{"robot.mtl", "robot.obj"}));
    auto back = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ReadObjFile((dir / "robot.obj").string(), {}, *back, summary), "");
    EXPECT_EQ(back->NumPolygons, robot->NumPolygons);

    std::filesystem::remove(dir / "robot.mtl");
    ASSERT_EQ(ReadObjFile((dir / "robot.obj").string(), {}, *back, summary), "");
    EXPECT_NE(summary.find("; material library robot.mtl not found."), std::string::npos)
        << summary;

    WriteBytes(dir / "bad.obj", {'f', ' ', '1', '\n'});
    EXPECT_EQ(
        ReadObjFile((dir / "bad.obj").string(), {}, *back, summary),
        (dir / "bad.obj").string() + ": line 1: a face with 1 corners; a polygon needs at least 3");
}

}  // namespace
}  // namespace fw::test
