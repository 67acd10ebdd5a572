#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "external/IniDocument.h"
#include "external/IniFile.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    int Entries() { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }
    std::string Dir() const { return dir_.string(); }

    fs::path dir_ = fs::temp_directory_path() /
                    ("fw-ini-" +
                     std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST(IniDocument, LookupIgnoresCaseAndBlanks) {
    IniDocument doc(
        "; comment\n[Options]\n  Pmovemode = 1 \nMoveRate=4\n[options]\nMoveRate=9\n"
        "[Display]\nIsoMode=\nname=a=b\n");
    EXPECT_EQ(doc.Get("Options", "PmoveMode"), "1");
    EXPECT_EQ(doc.Get("OPTIONS", "moverate"), "4");  // the first section of a name wins
    EXPECT_EQ(doc.Get("Display", "IsoMode"), "");
    EXPECT_EQ(doc.Get("Display", "name"), "a=b");
    EXPECT_FALSE(doc.Get("Nowhere", "MoveRate"));
    EXPECT_FALSE(doc.Get("Options", "; comment"));
}

TEST(IniDocument, SetChangesOnlyTheValueOrAddsInSensiblePlaces) {
    IniDocument doc(
        "[Display]\r\nsplitterh = 3000\r\n; about options\r\n\r\n[Options]\r\nMoveRate=6");
    EXPECT_EQ(doc.Set("display", "SPLITTERH", "2480"), "");
    EXPECT_EQ(doc.Set("Display", "splitterv", "4410"), "");
    EXPECT_EQ(doc.Set("Options", "CrossMarked", "1"), "");
    EXPECT_EQ(doc.Set("Grid and Snap", "XYGrid", "6"), "");
    EXPECT_EQ(doc.Text(),
              "[Display]\r\nsplitterh = 2480\r\nsplitterv=4410\r\n; about options\r\n\r\n"
              "[Options]\r\nMoveRate=6\r\nCrossMarked=1\r\n\r\n[Grid and Snap]\r\nXYGrid=6\r\n");

    for (const char* start : {"", "[General]\n"}) {
        IniDocument fresh(start);
        EXPECT_EQ(fresh.Set("General", "Configured", "3"), "");
        EXPECT_EQ(fresh.Text(), "[General]\nConfigured=3\n");
    }

    // Text that would break the file is refused and changes nothing.
    IniDocument small("[A]\nk=v\n");
    EXPECT_NE(small.Set("A", "k", "two\nlines"), "");
    EXPECT_NE(small.Set("A", "a=b", "v"), "");
    EXPECT_NE(small.Set("A]", "k", "v"), "");
    EXPECT_NE(small.Set("A", "", "v"), "");
    EXPECT_NE(small.Set("A", ";k", "v"), "");
    // Would read back as a section header: the reader skips a byte order mark before "[".
    EXPECT_NE(small.Set("A", "\xEF\xBB\xBF[B]", "v"), "");
    EXPECT_NE(small.Set("A", "\xEF\xBB\xBF [B", "v"), "");
    EXPECT_EQ(small.Text(), "[A]\nk=v\n");
}

// Writing creates the folders and the file and keeps the other lines; refused values and a
// file where a directory is expected write nothing.
TEST_F(IniFileTest, WriteCreatesTheFileKeepsOtherLinesAndRefusedWritesChangeNothing) {
    EXPECT_EQ(IniRead(Dir() + "/no/such/dir", "x.ini", "General", "Configured"), "");
    EXPECT_EQ(IniWrite(Dir() + "/a/b", "cobl.ini", "SBX", "Line/Poly", "0"), "");
    EXPECT_EQ(IniRead(Dir() + "/a/b", "cobl.ini", "sbx", "line/poly"), "0");

    std::ofstream(dir_ / "descent.ini") << "[Directories]\nZPMF = C:\\Models\nMissions=C:\\M\n";
    EXPECT_EQ(IniWrite(Dir(), "descent.ini", "directories", "zpmf", "/home/u/models"), "");
    EXPECT_EQ(IniRead(Dir(), "descent.ini", "Directories", "Missions"), "C:\\M");
    EXPECT_NE(IniWrite(Dir(), "descent.ini", "Directories", "ZPMF", "a\nb"), "");
    EXPECT_NE(IniWrite(Dir() + "/descent.ini", "x.ini", "A", "k", "v"), "");
    EXPECT_EQ(IniRead(Dir(), "descent.ini", "Directories", "ZPMF"), "/home/u/models");
    EXPECT_EQ(Entries(), 2);  // a/ and descent.ini
}

// A settings file that is a link to /dev/zero would fill memory, a pipe would block the
// start for ever: only regular files of sensible size are read.
TEST_F(IniFileTest, ReadsOnlyRegularFilesOfSensibleSize) {
    ASSERT_EQ(::mkfifo((dir_ / "pipe.ini").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir_ / "zero.ini");
    fs::create_directory(dir_ / "folder.ini");
    std::ofstream(dir_ / "huge.ini") << "[A]\nk=v\n" << std::string(2 << 20, ';');
    const std::pair<const char*, std::string> cases[] = {
        {"pipe.ini", "not a regular file"},
        {"zero.ini", "not a regular file"},
        {"folder.ini", "not a regular file"},
        {"huge.ini", "larger than 1 MB"},
    };
    for (const auto& [name, reason] : cases) {
        std::string problem;
        EXPECT_EQ(IniRead(Dir(), name, "A", "k", &problem), "") << name;
        EXPECT_EQ(problem, "Cannot read '" + (dir_ / name).string() + "': " + reason + ".");
        EXPECT_EQ(IniWrite(Dir(), name, "A", "k", "w"), problem);
    }
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.ini"));
    EXPECT_EQ(fs::file_size(dir_ / "huge.ini"), (2u << 20) + 8);
    std::string problem = "stale";
    EXPECT_EQ(IniRead(Dir(), "missing.ini", "A", "k", &problem), "");
    EXPECT_EQ(problem, "");  // a missing file is no problem: it reads as empty
}

}  // namespace
}  // namespace fw
