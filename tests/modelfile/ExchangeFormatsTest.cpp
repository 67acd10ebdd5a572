#include <gtest/gtest.h>

#include "GameDataBuilders.h"
#include "ModelFileTestUtil.h"
#include "modelfile/ExchangeFormats.h"
#include "modelfile/FileFormats.h"

namespace fw::test {
namespace {

TEST(ExchangeFormats, FormatsAreFoundByExtensionAndModelsByNumber) {
    EXPECT_EQ(FormatForPath("a/ROBOT.HXM")->Extension, std::string(".hxm"));
    EXPECT_EQ(FormatForPath("obj"), nullptr);

    std::string path;
    int number = 0;
    EXPECT_EQ(SplitModelNumber("game/descent2.ham#12", path, number), "");
    EXPECT_EQ(path, "game/descent2.ham");
    EXPECT_EQ(number, 12);
    EXPECT_EQ(SplitModelNumber("my#dir/robot.pof", path, number), "");
    EXPECT_EQ(path, "my#dir/robot.pof");
    EXPECT_EQ(number, -1);
    EXPECT_EQ(SplitModelNumber("a.ham#-1", path, number),
              "'-1' after '#' in a.ham#-1 is not a model number");
    EXPECT_EQ(SplitModelNumber("a.ham#", path, number),
              "'' after '#' in a.ham# is not a model number");
}

// Every writable format reads back through its own entry as the model written.
TEST(ExchangeFormats, WrittenFilesReadBackThroughTheTable) {
    TempDir dir;
    auto robot = MakeRobotModel();
    for (const ModelFormat& f : ExchangeFormats()) {
        if (!f.Write) continue;
        std::string path = (dir / (std::string("robot") + f.Extension)).string();
        FormatOptions o;
        o.Hxm.ReplaceModel = 7;
        ASSERT_EQ(f.Write(*robot, path, o), "") << f.Extension;
        auto back = EmptyModel(1);
        std::string summary;
        o.ModelNumber = 7;
        ASSERT_EQ(f.Read(*back, path, o, summary), "") << f.Extension;
        EXPECT_EQ(back->FirstModelTexture, robot->FirstModelTexture) << f.Extension;
        EXPECT_EQ(summary.rfind("Imported 3 submodels, 16 points and 14 polygons", 0), 0u)
            << summary;
    }
}

TEST(ExchangeFormats, GameFileReadersNameTheFileAndTheModel) {
    TempDir dir;
    HxmBuilder h;
    h.Models = {{4, SmallGameModel()}, {9, SmallGameModel()}};
    WriteBytes(dir / "level.hxm", h.Build());
    std::string hxm = (dir / "level.hxm").string();
    auto m = EmptyModel(1);
    std::string summary;
    FormatOptions o;
    const ModelFormat* f = FormatForPath(hxm);
    EXPECT_EQ(f->Read(*m, hxm, o, summary),
              hxm + ": name a model as " + hxm + "#N (it replaces models 4, 9)");
    o.ModelNumber = 5;
    EXPECT_EQ(f->Read(*m, hxm, o, summary),
              hxm + ": the file does not replace model 5 (it replaces models 4, 9)");
    o.ModelNumber = 9;
    EXPECT_EQ(f->Read(*m, hxm, o, summary), "");

    HamBuilder b;
    GameBytes broken;
    broken.DefpStart(0, {{0, 0, 0}}).FlatPoly({0, 0, 7}).Eof();
    ModelRecordFields r;
    r.NumSubmodels = 1;
    b.Models = {MakeGameModel(r, broken.bytes)};
    WriteBytes(dir / "d.ham", b.Build());
    std::string ham = (dir / "d.ham").string();
    o.ModelNumber = 0;
    EXPECT_EQ(FormatForPath(ham)->Read(*m, ham, o, summary),
              ham +
                  "#0: offset 20: d_flatpoly uses point slot 7, which no point record defined "
                  "before it");
    // The POF entry names the file alone.
    PofBuilder pof;
    pof.Header(1).Submodel(0, -1, {}, 0).Data(broken.bytes);
    WriteBytes(dir / "d.pof", pof.Build());
    std::string pofPath = (dir / "d.pof").string();
    EXPECT_EQ(FormatForPath(pofPath)->Read(*m, pofPath, o, summary),
              pofPath +
                  ": offset 20: d_flatpoly uses point slot 7, which no point record "
                  "defined before it");
    std::string listing;
    ASSERT_EQ(ListHamModels(ham, listing), "");
    EXPECT_EQ(listing,
              "model submodels points polygons first-texture textures\n0 cannot be read: "
              "offset 20: d_flatpoly uses point slot 7, which no point record defined "
              "before it\n");
}

TEST(ExchangeFormats, FindsTheHamWhateverTheCaseOfItsName) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Descent 2");
    EXPECT_EQ(FindHamFile((dir / "Descent 2").string()), "");
    WriteBytes(dir / "Descent 2" / "Descent2.Ham", {});
    EXPECT_EQ(FindHamFile((dir / "Descent 2").string()),
              (dir / "Descent 2" / "Descent2.Ham").string());
    EXPECT_EQ(FindHamFile((dir / "Descent 2" / "Descent2.Ham").string()),
              (dir / "Descent 2" / "Descent2.Ham").string());
    EXPECT_EQ(FindHamFile((dir / "none").string()), "");
}

}  // namespace
}  // namespace fw::test
