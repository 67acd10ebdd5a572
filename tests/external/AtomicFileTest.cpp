#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "external/AtomicFile.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(AtomicFile, ReplacesOrLeavesTheOldFileWhole) {
    fs::path dir = fs::temp_directory_path() / "fw-atomic-test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::path file = dir / "model.json";

    EXPECT_EQ(WriteFileAtomically(file.string(), "first"), "");
    EXPECT_EQ(ReadText(file), "first");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms(0644));
    fs::permissions(file, fs::perms(0600));
    EXPECT_EQ(WriteFileAtomically(file.string(), std::string(100000, 'x')), "");
    EXPECT_EQ(ReadText(file).size(), 100000u);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms(0600));

    // A directory in the way: the error names the file and nothing is left behind.
    fs::create_directories(dir / "taken");
    std::string error = WriteFileAtomically((dir / "taken").string(), "x");
    EXPECT_NE(error.find("taken"), std::string::npos) << error;
    EXPECT_NE(WriteFileAtomically((dir / "missing" / "x.json").string(), "x"), "");
    int entries = 0;
    for ([[maybe_unused]] auto& entry : fs::directory_iterator(dir)) ++entries;
    EXPECT_EQ(entries, 2);  // model.json and taken
    fs::remove_all(dir);
}

}  // namespace
}  // namespace fw
