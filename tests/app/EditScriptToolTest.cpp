// Runs the built facetwork-tool on the example script, as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct ToolRun {
    int exitCode = -1;
    std::string out, err;
};

// Runs "facetwork-tool edit SCRIPT" in `dir`.
ToolRun RunEdit(const fs::path& dir, const fs::path& script) {
    std::string command = "cd '" + dir.string() + "' && '" FW_BIN_DIR "/facetwork-tool' edit '" +
                          script.string() + "' > out.txt 2> err.txt";
    int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(dir / "out.txt");
    run.err = ReadText(dir / "err.txt");
    return run;
}

fs::path FreshDir(const std::string& name) {
    fs::path dir = fs::temp_directory_path() / ("fw-tool-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

TEST(EditScriptTool, MirrorExampleGivesItsDocumentedOutput) {
    fs::path dir = FreshDir("mirror");
    fs::path examples = fs::path(FW_SOURCE_DIR) / "examples";
    ToolRun run = RunEdit(dir, examples / "mirror-half.fwscript");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, ReadText(examples / "mirror-half.expected"));

    EXPECT_TRUE(fs::exists(dir / "mirror-robot.pol"));
    std::ifstream json(dir / "mirror-robot.json");
    nlohmann::json doc = nlohmann::json::parse(json, nullptr, false);
    ASSERT_FALSE(doc.is_discarded());
    ASSERT_EQ(doc["points"].size(), 10u);
    ASSERT_EQ(doc["polygons"].size(), 4u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(doc["points"][i + 5][0], -doc["points"][i][0].get<double>()) << i;
        EXPECT_EQ(doc["points"][i + 5][1], doc["points"][i][1]) << i;
    }
    // The mirrored wing lists the mirrored corners in reverse order.
    auto wing = doc["polygons"][1]["corners"];
    auto mirrored = doc["polygons"][3]["corners"];
    ASSERT_EQ(wing.size(), 3u);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(mirrored[j].get<int>(), wing[2 - j].get<int>() + 5);
    fs::remove_all(dir);
}

TEST(EditScriptTool, BadLineStopsWithItsNumber) {
    fs::path dir = FreshDir("bad");
    std::ofstream(dir / "bad.fwscript") << "new\nInsertPoint\n\nFoo 1\nsave never.pol\n";
    ToolRun run = RunEdit(dir, dir / "bad.fwscript");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("line 4: unknown command 'Foo'"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "never.pol"));

    run = RunEdit(dir, dir / "no-such.fwscript");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("no-such.fwscript"), std::string::npos) << run.err;
    fs::remove_all(dir);
}

}  // namespace
