#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "external/AtomicFile.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    AtomicFileTest() {
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "real");
    }
    ~AtomicFileTest() override { fs::remove_all(dir_); }

    std::string Text(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    int Entries(const fs::path& folder) {
        return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path dir_ =
        fs::temp_directory_path() /
        ("fw-atomic-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

// Saving over a link must change the file it names, not replace the link by a copy.
TEST_F(AtomicFileTest, WritesThroughLinksIntoTheTargetsFolder) {
    Write(dir_ / "real/model.pol", "old");
    fs::permissions(dir_ / "real/model.pol", fs::perms(0640));
    fs::create_symlink("real/model.pol", dir_ / "link.pol");
    fs::create_symlink(dir_ / "link.pol", dir_ / "chain.pol");  // absolute, to a link
    EXPECT_EQ(WriteFileAtomically(Path("chain.pol"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(dir_ / "chain.pol") && fs::is_symlink(dir_ / "link.pol"));
    EXPECT_EQ(Text(dir_ / "real/model.pol"), "new");
    EXPECT_EQ(fs::status(dir_ / "real/model.pol").permissions(), fs::perms(0640));
    EXPECT_EQ(Entries(dir_ / "real"), 1);  // the temporary file was made and renamed there

    // A link whose file does not exist yet creates it; a link to a folder is refused.
    fs::create_symlink("real/new.pol", dir_ / "dangling.pol");
    EXPECT_EQ(WriteFileAtomically(Path("dangling.pol"), "made"), "");
    EXPECT_EQ(Text(dir_ / "real/new.pol"), "made");
    fs::create_symlink("real", dir_ / "folder.pol");
    EXPECT_EQ(WriteFileAtomically(Path("folder.pol"), "x"),
              "Cannot write '" + Path("real") + "': Is a directory");
    EXPECT_TRUE(fs::is_symlink(dir_ / "folder.pol"));
    fs::create_symlink("loop.pol", dir_ / "loop.pol");
    EXPECT_NE(WriteFileAtomically(Path("loop.pol"), "x").find("Too many levels"),
              std::string::npos);
}

TEST_F(AtomicFileTest, RefusesWhatMustNotBeReplacedWithTheSystemsReason) {
    Write(dir_ / "locked.pol", "old");
    fs::permissions(dir_ / "locked.pol", fs::perms(0444));
    EXPECT_EQ(WriteFileAtomically(Path("locked.pol"), "new"),
              "Cannot write '" + Path("locked.pol") + "': Permission denied");
    EXPECT_EQ(Text(dir_ / "locked.pol"), "old");
    ASSERT_EQ(::mkfifo(Path("pipe.pol").c_str(), 0600), 0);
    EXPECT_EQ(WriteFileAtomically(Path("pipe.pol"), "x"),
              "Cannot write '" + Path("pipe.pol") + "': not a regular file");
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.pol"));
    EXPECT_EQ(WriteFileAtomically("", "x"), "No file name given.");
    EXPECT_NE(WriteFileAtomically(Path("missing/x.pol"), "x"), "");
    EXPECT_EQ(Entries(dir_), 3);  // real, locked.pol, pipe.pol: no temporary file left
    // A new file gets the usual mode, not the temporary file's private one.
    EXPECT_EQ(WriteFileAtomically(Path("fresh.pol"), "first"), "");
    EXPECT_EQ(fs::status(dir_ / "fresh.pol").permissions(), fs::perms(0644));
}

// A save killed before its rename leaves ".NAME.XXXXXX" behind; the next save of the same
// file removes those that are old enough not to belong to a save still running.
TEST_F(AtomicFileTest, RemovesStaleTemporaryFilesOfItsOwnName) {
    auto old = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const char* name : {".model.pol.AbC123", ".model.pol.DoNe12", ".other.pol.AbC123",
                             ".model.pol.AbC12", ".model.pol.Ab-123", ".model.pol.Fresh1"})
        Write(dir_ / name, "debris");
    fs::create_directory(dir_ / ".model.pol.Folder");
    for (const char* name : {".model.pol.AbC123", ".model.pol.DoNe12", ".other.pol.AbC123",
                             ".model.pol.AbC12", ".model.pol.Ab-123", ".model.pol.Folder"})
        fs::last_write_time(dir_ / name, old);
    EXPECT_EQ(WriteFileAtomically(Path("model.pol"), "model"), "");
    EXPECT_FALSE(fs::exists(dir_ / ".model.pol.AbC123"));
    EXPECT_FALSE(fs::exists(dir_ / ".model.pol.DoNe12"));
    for (const char* kept : {".other.pol.AbC123", ".model.pol.AbC12", ".model.pol.Ab-123",
                             ".model.pol.Fresh1", ".model.pol.Folder", "model.pol"})
        EXPECT_TRUE(fs::exists(dir_ / kept)) << kept;
}

}  // namespace
}  // namespace fw
