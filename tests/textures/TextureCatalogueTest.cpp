#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "TextureTestFiles.h"
#include "app/ToolRunner.h"
#include "textures/GameTextureImport.h"
#include "textures/TextureCatalogue.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::ToolDir;
using test::WriteText;

// Sets an environment variable for one test and puts the old value back.
struct ScopedEnv {
    const char* name;
    std::optional<std::string> old;
    ScopedEnv(const char* n, const char* value) : name(n) {
        if (const char* was = std::getenv(n)) old = was;
        value ? setenv(n, value, 1) : unsetenv(n);
    }
    ~ScopedEnv() { old ? setenv(name, old->c_str(), 1) : unsetenv(name); }
};

TEST(TextureCatalogue, ImportedCatalogueIsPreferredWhenWhole) {
    ToolDir dir;
    const fs::path program = dir / "program", user = dir / "user";
    fs::create_directories(program / "data");
    WriteText(program / "data/textures.lst", "first\nsecond\n");

    CatalogueLoad load = LoadTextureCatalogue(program, user);
    EXPECT_FALSE(load.Error);
    EXPECT_EQ(std::tuple(load.Notice, load.Catalogue.Imported(), load.Catalogue.Name(2)),
              std::tuple("", false, "second  "));

    test::GameFolder().Write(dir / "game");
    ASSERT_EQ(ImportGameTextures(dir / "game", user), "");
    load = LoadTextureCatalogue(program, user);
    EXPECT_TRUE(load.Catalogue.Imported());
    EXPECT_EQ(load.Catalogue.Name(2), "rle64   ");

    // A damaged import is passed over with a notice; the program's own list still counts.
    fs::resize_file(user / "thumbnails.bin", 5160);
    load = LoadTextureCatalogue(program, user);
    EXPECT_EQ(std::tuple(load.Catalogue.Imported(), load.Catalogue.Name(2)),
              std::tuple(false, "second  "));
    EXPECT_EQ(load.Notice,
              "The imported textures are not used: " + (user / "thumbnails.bin").string() +
                  " is 5160 bytes long, not 3090840.");

    // The program's list is part of the installation: without it nothing starts.
    fs::remove(program / "data/textures.lst");
    load = LoadTextureCatalogue(program, user);
    EXPECT_EQ(load.Error.Message, "Data files not found. Reinstall the module.");
}

TEST(TextureCatalogue, DamagedThumbnailIsNamed) {
    ToolDir dir;
    test::GameFolder().Write(dir / "game");
    ASSERT_EQ(ImportGameTextures(dir / "game", dir / "user"), "");
    std::string pictures = test::ReadText(dir / "user/thumbnails.bin");
    pictures[5160 * 2 + 14] = 24;  // thumbnail 103 claims 24 bits a pixel
    WriteText(dir / "user/thumbnails.bin", pictures);
    TextureCatalogue c;
    EXPECT_EQ(ReadCatalogueFolder(dir / "user", c), "thumbnail 103 in " +
                                                        (dir / "user/thumbnails.bin").string() +
                                                        " is not a 64 x 64 8-bit picture.");
    EXPECT_FALSE(c.Imported());
}

TEST(TextureCatalogue, UserFolderFollowsTheDataHomeRules) {
    ScopedEnv home("HOME", "/home/modder");
    {
        ScopedEnv data("XDG_DATA_HOME", "/data");
        EXPECT_EQ(UserTextureDirectory(), fs::path("/data/facetwork/textures"));
    }
    {
        ScopedEnv data("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(UserTextureDirectory(), fs::path("/home/modder/.local/share/facetwork/textures"));
    }
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(UserTextureDirectory(), fs::path());
}

}  // namespace
}  // namespace fw
