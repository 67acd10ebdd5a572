#include <gtest/gtest.h>

#include <tuple>

#include "GameDataBuilders.h"
#include "ModelFileTestUtil.h"
#include "modelfile/PofFile.h"

namespace fw::test {
namespace {

// Root: a textured square drawn through a sort-normal tree with a glow record; submodel 1:
// a textured triangle.
std::vector<uint8_t> TwoPartStream() {
    GameBytes s;
    s.DefPoints({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});                    // 0..51
    s.SortNorm(34, 128).Eof();                                                    // 52, eof 84
    s.Glow(1).TmapPoly({0, 1, 2, 3}, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}).Eof();  // 86..179
    s.SubCall(1, {0, 0, 2}, 22).Eof();                                            // 180..201
    s.DefpStart(4, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}).TmapPoly({4, 5, 6}, 1, {}).Eof();  // 202..
    return s.bytes;
}

PofBuilder TwoPartPof(const std::vector<std::string>& names) {
    PofBuilder b;
    std::vector<uint8_t> stream = TwoPartStream();
    b.Header(2).Submodel(0, -1, {0, 0, 0}, 0).Submodel(1, 0, {0, 0, 2}, 202);
    b.Chunk("GUNS", GameBytes().Long(1).Short(0).Short(1).Vec(0, 0, 1).Vec(0, 0, 1));
    b.Chunk("ANIM", GameBytes().Short(5).Zeros(5 * 2 * 6));
    b.Chunk("XTRA", GameBytes().Zeros(7));  // unknown chunks are stepped over
    b.Textures(names).Data(stream);
    return b;
}

TEST(PofFile, ReadsChunksAndConvertsWithTheTextureWindowOfItsNames) {
    PofFile pof;
    ASSERT_EQ(ParsePofFile(TwoPartPof({"tex40", "TEX41"}).Build(), pof), "");
    ASSERT_EQ(std::tuple(pof.Version, pof.NumSubmodels, pof.Submodels.size(), pof.Guns.size(),
                         pof.Animation.size()),
              std::tuple(8, 2, 2u, 1u, 62u));
    EXPECT_EQ(
        std::tuple(pof.Submodels[1].DataOffset, pof.Submodels[0].Parent, pof.Guns[0].Submodel),
        std::tuple(202, -1, 1));
    EXPECT_EQ(pof.TextureNames, (std::vector<std::string>{"tex40", "TEX41"}));
    EXPECT_EQ(pof.Stream, TwoPartStream());

    auto m = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ConvertPof(pof, DefaultTextureNaming(), *m, summary), "");
    ExpectConsistentStore(*m);
    EXPECT_EQ(m->Points[5], (PointRecord{1, 0, 2}));  // the child's offset added
    EXPECT_EQ(std::tuple(m->Polygons[1].TextureNumber, m->FirstModelTexture, m->NumberOfTextures),
              std::tuple(1, 40, 2));
    EXPECT_EQ(summary,
              "Imported 2 submodels, 7 points and 2 polygons; not kept: the internal drawing order "
              "(1 sort-normal record), glow values (1 glow record), 1 submodel pivot (a save puts "
              "each at the centroid of its points), 1 gun point, the animation angles.");
}

TEST(PofFile, NamesOutsideTheCatalogueFollowTheKnownOnes) {
    PofFile pof;
    ASSERT_EQ(ParsePofFile(TwoPartPof({"rbot061", "tex7"}).Build(), pof), "");
    auto m = EmptyModel(1);
    std::string summary;
    ASSERT_EQ(ConvertPof(pof, DefaultTextureNaming(), *m, summary), "");
    // tex7 is texture 0 of the window at 7, rbot061 texture 1.
    EXPECT_EQ(std::tuple(m->FirstModelTexture, m->NumberOfTextures, m->Polygons[0].TextureNumber,
                         m->Polygons[1].TextureNumber),
              std::tuple(7, 2, 1, 0));
    EXPECT_NE(summary.find(
                  "; 1 texture name not in the catalogue (rbot061) placed after the known ones."),
              std::string::npos)
        << summary;
}

// A POF written by the exporter and read back gives the model its own file gives.
TEST(PofFile, WriteThenReadGivesTheSameModel) {
    for (int which = 0; which < 2; ++which) {
        auto m = which == 0 ? MakeRobotModel() : MakeChainModel(4);
        m->FirstModelTexture = 30;
        std::vector<uint8_t> bytes;
        ASSERT_EQ(BuildPofForModel(*m, DefaultTextureNaming(), bytes), "");
        PofFile pof;
        ASSERT_EQ(ParsePofFile(bytes, pof), "");
        EXPECT_EQ(pof.TextureNames.front(), "tex30");
        auto imported = EmptyModel(1), expected = EmptyModel(1);
        std::string summary;
        ASSERT_EQ(ConvertPof(pof, DefaultTextureNaming(), *imported, summary), "");
        EXPECT_EQ(summary.find("pivot"), std::string::npos) << summary;
        std::vector<uint8_t> file = Serialize(*m);
        ASSERT_EQ(ParseModel(*expected, file), "");
        for (int s = 1; s < m->NumSubmodels; ++s)
            expected->Submodels[s].SortPolygon = m->Submodels[s].SortPolygon;
        EXPECT_TRUE(SameModelContent(*imported, *expected)) << which;
        // The robot's coordinates are exact in 16.16, so its file comes back byte for byte.
        if (which == 0) {
            EXPECT_TRUE(Serialize(*imported) == file);
        }
        EXPECT_EQ(BuildPofFile(pof), bytes);
    }
}

TEST(PofFile, ExportRefusesWhatTheGameCannotLoad) {
    TempDir dir;
    std::string path = (dir / "out.pof").string();
    auto m = MakeRobotModel();
    m->NumberOfTextures = 101;
    EXPECT_EQ(ExportPofFile(*m, path, DefaultTextureNaming()),
              "The model uses 101 textures; a game model may use at most 100.");

    auto big = EmptyModel(1);
    for (int i = 0; i < 400; ++i) AddPoint(*big, i, i % 7, i % 3, 0);
    for (int i = 0; i + 2 < 400; ++i) AddTexturedPolygon(*big, {i, i + 1, i + 2}, 0);
    std::string error = ExportPofFile(*big, path, DefaultTextureNaming());
    EXPECT_EQ(error.rfind("The POF file would have ", 0), 0u) << error;
    EXPECT_NE(error.find(" bytes; the game reads at most 32768."), std::string::npos) << error;
    EXPECT_TRUE(dir.Files().empty());
    m->NumberOfTextures = 3;
    EXPECT_EQ(ExportPofFile(*m, path, DefaultTextureNaming()), "");
    EXPECT_EQ(dir.Files(), std::vector<std::string>{"out.pof"});
}

TEST(PofFile, BadFilesAreRefusedWithTheChunkNamed) {
    std::vector<uint8_t> good = TwoPartPof({"tex1", "tex2"}).Build();
    for (size_t size = 0; size < good.size(); ++size) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + size);
        PofFile pof;
        std::string error = ParsePofFile(cut, pof);
        auto m = EmptyModel(1);
        std::string summary;
        if (error.empty()) error = ConvertPof(pof, DefaultTextureNaming(), *m, summary);
        ASSERT_NE(error, "") << size;  // every cut loses a chunk or part of the stream
    }
    PofFile pof;
    auto parse = [&](const PofBuilder& b) { return ParsePofFile(b.Build(), pof); };
    auto convert = [&](const PofBuilder& b) {
        EXPECT_EQ(parse(b), "");
        auto m = EmptyModel(1);
        std::string summary;
        return ConvertPof(pof, DefaultTextureNaming(), *m, summary);
    };
    PofBuilder v5;
    v5.Version = 5;
    EXPECT_EQ(parse(v5), "POF version 5 is not read; versions 6 to 8 are");
    EXPECT_EQ(parse(PofBuilder().Header(2)), "the file has no IDTA (model data) chunk");
    EXPECT_EQ(parse(PofBuilder().Data({0, 0})), "the file has no OHDR (header) chunk");
    EXPECT_EQ(parse(PofBuilder().Header(11)), "the header names 11 submodels; a model has 1 to 10");
    EXPECT_EQ(parse(PofBuilder().Chunk("OHDR", GameBytes().Long(1))),
              "the OHDR chunk at offset 6 is too short");
    EXPECT_EQ(parse(PofBuilder().Header(1).Submodel(10, 0, {}, 0)),
              "the SOBJ chunk at offset 46 is for submodel 10; a model has submodels 0 to 9");
    std::vector<uint8_t> longer = good;
    longer[12] = 1;  // the OHDR length, now 65568
    EXPECT_EQ(ParsePofFile(longer, pof), "the OHDR chunk at offset 6 claims 65568 bytes; " +
                                             std::to_string(good.size() - 14) + " remain");

    std::vector<uint8_t> stream = TwoPartStream();
    EXPECT_EQ(convert(PofBuilder().Header(2).Submodel(0, -1, {}, 0).Data(stream)),
              "the file has no SOBJ chunk for submodel 1");
    EXPECT_EQ(
        convert(PofBuilder().Header(1).Submodel(0, -1, {}, 0).Submodel(0, -1, {}, 0).Data(stream)),
        "the SOBJ chunk for submodel 0 appears twice");
    EXPECT_EQ(
        convert(PofBuilder().Header(1).Submodel(0, -1, {}, 0).Submodel(1, 0, {}, 202).Data(stream)),
        "the SOBJ chunk for submodel 1 lies beyond the header's 1 submodels");
    EXPECT_EQ(
        convert(PofBuilder().Header(2).Submodel(0, -1, {}, 0).Submodel(1, 0, {}, 180).Data(stream)),
        "submodel 1 pointer 180 is not at a point record but at opcode 6");
}

TEST(PofFile, ReadFromAFileNamesIt) {
    TempDir dir;
    WriteBytes(dir / "x.pof", {'P', 'S', 'P', 'O'});
    PofFile pof;
    EXPECT_EQ(ReadPofFile((dir / "x.pof").string(), pof),
              (dir / "x.pof").string() + ": the file ends inside the version");
}

}  // namespace
}  // namespace fw::test
