#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "external/IniDocument.h"
#include "external/IniFile.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("fw-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteText(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    std::string ReadText(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string Dir() const { return dir_.string(); }

    fs::path dir_;
};

TEST(IniDocument, LookupIgnoresCaseAndBlanks) {
    IniDocument doc(
        "; comment\n[Options]\n  Pmovemode = 1 \nMoveRate=4\n[options]\nMoveRate=9\n"
        "[Display]\nIsoMode=\nname=a=b\n");
    EXPECT_EQ(doc.Get("Options", "PmoveMode"), "1");
    EXPECT_EQ(doc.Get("OPTIONS", "moverate"), "4");  // the first section of a name wins
    EXPECT_EQ(doc.Get("Display", "IsoMode"), "");
    EXPECT_EQ(doc.Get("Display", "name"), "a=b");
    EXPECT_FALSE(doc.Get("Display", "Missing"));
    EXPECT_FALSE(doc.Get("Nowhere", "MoveRate"));
    EXPECT_FALSE(doc.Get("Options", "; comment"));
}

TEST(IniDocument, SetChangesOnlyTheValue) {
    const std::string original =
        "; Facetwork settings\r\n[Display]\r\nsplitterh = 3000\r\n; kept\r\n\r\n"
        "[Options]\r\nMoveRate=6\r\n";
    IniDocument doc(original);
    EXPECT_EQ(doc.Set("display", "SPLITTERH", "2480"), "");
    EXPECT_EQ(doc.Text(),
              "; Facetwork settings\r\n[Display]\r\nsplitterh = 2480\r\n; kept\r\n\r\n"
              "[Options]\r\nMoveRate=6\r\n");
    // Setting the same value again gives back the same text.
    EXPECT_EQ(doc.Set("Display", "splitterh", "3000"), "");
    EXPECT_EQ(doc.Text(), original);
}

TEST(IniDocument, MissingKeysAndSectionsGoToSensiblePlaces) {
    IniDocument doc("[Display]\r\nIsoMode=2\r\n; about options\r\n\r\n[Options]\r\nMoveRate=6");
    EXPECT_EQ(doc.Set("Display", "splitterv", "4410"), "");
    EXPECT_EQ(doc.Set("Options", "CrossMarked", "1"), "");
    EXPECT_EQ(doc.Set("Grid and Snap", "XYGrid", "6"), "");
    EXPECT_EQ(doc.Text(),
              "[Display]\r\nIsoMode=2\r\nsplitterv=4410\r\n; about options\r\n\r\n"
              "[Options]\r\nMoveRate=6\r\nCrossMarked=1\r\n\r\n[Grid and Snap]\r\nXYGrid=6\r\n");

    IniDocument empty;
    EXPECT_EQ(empty.Set("General", "Configured", "3"), "");
    EXPECT_EQ(empty.Text(), "[General]\nConfigured=3\n");

    IniDocument headerOnly("[General]\n");
    EXPECT_EQ(headerOnly.Set("General", "Configured", "3"), "");
    EXPECT_EQ(headerOnly.Text(), "[General]\nConfigured=3\n");
}

TEST(IniDocument, RefusesTextThatWouldBreakTheFile) {
    IniDocument doc("[A]\nk=v\n");
    EXPECT_NE(doc.Set("A", "k", "two\nlines"), "");
    EXPECT_NE(doc.Set("A", "a=b", "v"), "");
    EXPECT_NE(doc.Set("A]", "k", "v"), "");
    EXPECT_NE(doc.Set("A", "", "v"), "");
    EXPECT_NE(doc.Set("A", ";k", "v"), "");
    EXPECT_EQ(doc.Text(), "[A]\nk=v\n");
}

TEST_F(IniFileTest, MissingFilesAndKeysReadAsEmpty) {
    EXPECT_EQ(IniRead(Dir(), "none.ini", "General", "Configured"), "");
    EXPECT_EQ(IniRead(Dir() + "/no/such/dir", "x.ini", "General", "Configured"), "");
    WriteText("fctwrk32.ini", "[General]\nConfigured=3\n");
    EXPECT_EQ(IniRead(Dir(), "fctwrk32.ini", "general", "CONFIGURED"), "3");
    EXPECT_EQ(IniRead(Dir(), "fctwrk32.ini", "General", "Other"), "");
}

TEST_F(IniFileTest, WriteCreatesDirectoryAndFile) {
    std::string nested = Dir() + "/a/b";
    EXPECT_EQ(IniWrite(nested, "cobl.ini", "SBX", "Configured", "1"), "");
    EXPECT_EQ(IniRead(nested, "cobl.ini", "SBX", "Configured"), "1");
    EXPECT_EQ(IniWrite(nested, "cobl.ini", "SBX", "Line/Poly", "0"), "");
    EXPECT_EQ(IniRead(nested, "cobl.ini", "sbx", "line/poly"), "0");
}

TEST_F(IniFileTest, WritePreservesOtherLinesAndLeavesNoTemporaryFiles) {
    const std::string shared =
        "[Directories]\r\nZPMF = C:\\Models\r\nMissions=C:\\Missions\r\n; game tools\r\n";
    WriteText("descent.ini", shared);
    fs::permissions(dir_ / "descent.ini", fs::perms(0640));
    EXPECT_EQ(IniWrite(Dir(), "descent.ini", "directories", "zpmf", "/home/u/models"), "");
    EXPECT_EQ(ReadText("descent.ini"),
              "[Directories]\r\nZPMF = /home/u/models\r\nMissions=C:\\Missions\r\n"
              "; game tools\r\n");
    EXPECT_EQ(fs::status(dir_ / "descent.ini").permissions() & fs::perms::all, fs::perms(0640));
    int files = 0;
    for ([[maybe_unused]] auto& entry : fs::directory_iterator(dir_)) ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(IniFileTest, RefusedWriteLeavesTheFileAlone) {
    WriteText("sbx.ini", "[sbx]\nPigDir=x\n");
    EXPECT_NE(IniWrite(Dir(), "sbx.ini", "sbx", "PigDir", "a\nb"), "");
    EXPECT_EQ(ReadText("sbx.ini"), "[sbx]\nPigDir=x\n");

    // A file where a directory is expected cannot be created; nothing is written.
    WriteText("blocker", "keep");
    EXPECT_NE(IniWrite(Dir() + "/blocker", "x.ini", "A", "k", "v"), "");
    EXPECT_EQ(ReadText("blocker"), "keep");
}

TEST_F(IniFileTest, WriteGoesThroughASymbolicLink) {
    fs::create_directories(dir_ / "real");
    std::ofstream(dir_ / "real" / "sbx.ini") << "[sbx]\nUsePig=1\n";
    fs::create_symlink("real/sbx.ini", dir_ / "sbx.ini");
    EXPECT_EQ(IniWrite(Dir(), "sbx.ini", "sbx", "UsePig", "4"), "");
    EXPECT_TRUE(fs::is_symlink(dir_ / "sbx.ini"));
    EXPECT_EQ(IniRead(Dir() + "/real", "sbx.ini", "sbx", "UsePig"), "4");
}

}  // namespace
}  // namespace fw
