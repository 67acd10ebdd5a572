// The editor's side of the preview link: what it sends, in which order, and what it stores.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "external/IniFile.h"
#include "external/PreviewLink.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

struct FakeChannel : PreviewChannel {
    struct LaunchCall {
        std::string program;
        std::vector<std::string> arguments;
        bool focus;
    };
    std::vector<LaunchCall> launches;
    std::vector<std::string> lines;
    int64_t Launch(const std::string& program, const std::vector<std::string>& arguments,
                   bool takeFocus) override {
        launches.push_back({program, arguments, takeFocus});
        return 4242;
    }
    void Send(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> Take() { return std::exchange(lines, {}); }
};

struct FakeEditor : PreviewEditor {
    std::vector<std::string> writes;
    std::string writeError;
    std::vector<std::pair<std::string, int>> statuses;
    std::vector<std::string> errors;
    std::string WriteModel(const std::string& path) override {
        writes.push_back(path);
        return writeError;
    }
    void ShowStatus(const std::string& text, int kind) override { statuses.push_back({text, kind}); }
    void ShowError(const std::string& code, const std::string& title, const std::string& text) override {
        errors.push_back(code + "|" + title + "|" + text);
    }
};

using Lines = std::vector<std::string>;

class PreviewLinkTest : public ::testing::Test {
protected:
    fs::path root = fs::temp_directory_path() /
                    ("fw-link-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    FakeChannel channel;
    FakeEditor editor;
    IniPreviewSettings settings{(root / "suite").string()};
    PreviewLink link{channel, settings, editor, {(root / "suite").string(), (root / "tmp").string()}};

    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(root / "suite");
        fs::create_directories(root / "tmp");
    }
    void TearDown() override { fs::remove_all(root); }

    std::string In(const char* folder, const char* name = "") const {
        return (root / folder / name).string();
    }
    std::string Stored(const char* key) { return IniRead(In("suite"), "cobl.ini", "SBX", key); }
    void Store(const char* key, const char* value) {
        IniWrite(In("suite"), "cobl.ini", "SBX", key, value);
    }
    void InstallViewer() {
        fs::create_directories(root / "suite" / "SBX");
        std::ofstream(In("suite", "SBX/sbx")) << "#!/bin/sh\n";
        fs::permissions(In("suite", "SBX/sbx"), fs::perms::owner_all);
    }
};

TEST_F(PreviewLinkTest, BackgroundAndTextureSetSendTheirCodesAndStoreTheIndex) {
    link.SetPreviewBackground(5);
    EXPECT_EQ(channel.Take(), (Lines{"129 1 4 0 0", "130 1 0 0 0", "131 1 1 0 0"}));
    link.SetPreviewBackground(2);
    EXPECT_EQ(channel.Take(), (Lines{"129 1 0 0 0", "130 1 2 0 0", "131 1 0 0 0"}));
    EXPECT_EQ(Stored("BKColor"), "2");
    // Only the six sets have a code; the others are only stored.
    link.SetPreviewTextureSet(3);
    EXPECT_EQ(channel.Take(), (Lines{"120 0 0 0 0"}));
    link.SetPreviewTextureSet(6);
    EXPECT_TRUE(channel.Take().empty());
    EXPECT_EQ(Stored("TextureSet"), "6");
    link.SetPreviewTextureSet(-1);
    EXPECT_TRUE(channel.Take().empty());
}

TEST_F(PreviewLinkTest, TogglesFlipStoreAndSend) {
    Store("Color", "1");
    EXPECT_EQ(link.ToggleViewerSetting(PreviewToggle::Color), 0);
    EXPECT_EQ(channel.Take(), (Lines{"119 1 0 0 0"}));
    EXPECT_EQ(Stored("Color"), "0");
    // Missing counts as 0; a damaged value as off, so the result stays 0 or 1.
    EXPECT_EQ(link.ToggleViewerSetting(PreviewToggle::CullFace), 1);
    Store("Size2Poly", "7");
    EXPECT_EQ(link.ToggleViewerSetting(PreviewToggle::Size2Poly), 1);
    Store("Line/Poly", "1");
    EXPECT_EQ(link.ToggleViewerSetting(PreviewToggle::LinePoly), 0);
    EXPECT_EQ(channel.Take(), (Lines{"118 1 1 0 0", "117 1 1 0 0", "111 1 0 0 0"}));
    EXPECT_EQ(Stored("Line/Poly"), "0");
}

TEST_F(PreviewLinkTest, StartLaunchesTheViewerAndSendsTheStoredSettings) {
    WritePreviewDefaults(settings);
    EXPECT_FALSE(PreviewDefaultsNeeded(settings));
    Store("BKColor", "6");
    Store("TextureSet", "1");
    Store("CullFace", "0");
    InstallViewer();
    link.StartPreviewLink("123456");
    ASSERT_EQ(channel.launches.size(), 1u);
    EXPECT_EQ(channel.launches[0].program, In("suite", "SBX/sbx"));
    EXPECT_EQ(channel.launches[0].arguments,
              (Lines{In("tmp", "temppol4.pol"), "0", "0", "1", "1", "123456"}));
    EXPECT_FALSE(channel.launches[0].focus);
    EXPECT_TRUE(link.Active());
    EXPECT_EQ(link.TaskId(), 4242);
    EXPECT_EQ(channel.Take(), (Lines{"129 1 4 0 0", "130 1 2 0 0", "131 1 0 0 0", "121 0 0 0 0",
                                     "117 1 1 0 0", "111 1 1 0 0", "118 1 0 0 0", "119 1 1 0 0"}));
    link.UpdateTexturedView();  // start-up's first update
    EXPECT_EQ(editor.writes, Lines{In("tmp", "temppol4.pol")});
    EXPECT_EQ(channel.Take(), Lines{"127 0 0 0 0"});
}

TEST_F(PreviewLinkTest, AMissingViewerIsSkippedSilently) {
    EXPECT_TRUE(PreviewDefaultsNeeded(settings));
    link.StartPreviewLink("1");
    EXPECT_TRUE(channel.launches.empty());
    EXPECT_TRUE(link.Active());
    EXPECT_EQ(channel.Take().size(), 8u);  // sent, and lost by a channel with no viewer
    EXPECT_TRUE(editor.statuses.empty());
    EXPECT_TRUE(editor.errors.empty());
}

TEST_F(PreviewLinkTest, EditsReloadOncePerCommandInIsoMode2Only) {
    link.UpdateTexturedView();  // not active yet: nothing
    link.NoteRefresh(2, 2);
    link.CommandFinished();
    EXPECT_TRUE(editor.writes.empty());

    link.StartPreviewLink("1");
    channel.Take();
    for (int step = 0; step < 5; ++step) link.NoteRefresh(2, 2);  // a drag's refreshes
    EXPECT_TRUE(editor.writes.empty());  // never mid-command
    link.CommandFinished();
    EXPECT_EQ(editor.writes.size(), 1u);
    EXPECT_EQ(channel.Take(), Lines{"127 0 0 0 0"});
    link.CommandFinished();
    EXPECT_EQ(editor.writes.size(), 1u);

    link.NoteRefresh(2, 1);
    link.NoteRefresh(1, 2);
    link.CommandFinished();
    EXPECT_TRUE(channel.Take().empty());

    editor.writeError = "General write error.";
    link.NoteRefresh(2, 2);
    link.CommandFinished();
    EXPECT_TRUE(channel.Take().empty());
    EXPECT_EQ(editor.statuses.back(), std::make_pair(PREVIEW_UPDATE_ERROR, -1));
}

TEST_F(PreviewLinkTest, DialogBracketsAndClose) {
    link.PreviewBeforeDialog();
    link.PreviewAfterDialog();
    link.ClosePreviewLink();
    EXPECT_TRUE(channel.Take().empty());  // inactive: dropped

    link.StartPreviewLink("1");
    channel.Take();
    link.PreviewBeforeDialog();
    link.PreviewAfterDialog();
    EXPECT_EQ(channel.Take(), (Lines{"500 0 0 0 0", "127 0 0 0 0", "500 0 1 0 0"}));
    link.ClosePreviewLink();
    EXPECT_EQ(channel.Take(), Lines{"101 0 0 0 0"});
    EXPECT_FALSE(link.Active());
    link.ClosePreviewLink();
    link.UpdateTexturedView();
    EXPECT_TRUE(channel.Take().empty());
    // The toolbar and the setters still send after the close.
    link.SendPreviewCommand(113, 0, 0, 0, 0);
    EXPECT_EQ(channel.Take(), Lines{"113 0 0 0 0"});
}

TEST_F(PreviewLinkTest, PreviewCommandStartsTheConfiguredViewerOrExplains) {
    link.PreviewCommand();
    EXPECT_EQ(editor.writes, Lines{In("tmp", "TEMPPOL2.POL")});
    ASSERT_EQ(editor.errors.size(), 1u);
    EXPECT_EQ(editor.errors[0].rfind("ADD0000|Add-on tool error|Could not open Shadebox! Check your "
                                     "settings in the Options dialog, layer 'Tools'! Please note "
                                     "that you need Shadebox V2.5 or higher",
                                     0),
              0u);
    EXPECT_TRUE(channel.launches.empty());

    InstallViewer();
    std::string viewer = In("suite", "SBX/sbx");
    IniWrite(In("suite"), "descent.ini", "DTools", "Shadebox", viewer);
    link.PreviewCommand();
    ASSERT_EQ(channel.launches.size(), 1u);
    EXPECT_EQ(channel.launches[0].program, viewer);
    EXPECT_EQ(channel.launches[0].arguments, Lines{In("tmp", "TEMPPOL2.POL")});
    EXPECT_TRUE(channel.launches[0].focus);

    editor.writeError = "Check/compress failed. Model not saved.";
    link.PreviewCommand();
    EXPECT_EQ(channel.launches.size(), 1u);
    EXPECT_EQ(editor.statuses.back(), std::make_pair(editor.writeError, -1));
}

TEST(PreviewCommandLine, FormatAndParse) {
    EXPECT_EQ(FormatPreviewCommand({501, -12, 3, 0, -1}), "501 -12 3 0 -1");
    EXPECT_EQ(ParsePreviewCommand(" 501\t-12 3  0 -1 \r"), (PreviewCommandLine{501, -12, 3, 0, -1}));
    for (const char* bad : {"", "117 1 0 0", "117 1 0 0 0 0", "117 1 0 0 x", "117 1 0 0 0x",
                            "117 1 0 0 99999999999", "117,1,0,0,0", "+117 1 0 0 0"})
        EXPECT_FALSE(ParsePreviewCommand(bad)) << bad;
}

TEST(PreviewLineBuffer, SplitsLinesAndDropsOverlongOnes) {
    PreviewLineBuffer buffer;
    std::vector<std::string> lines;
    auto take = [&](std::string_view l) { lines.emplace_back(l); };
    buffer.Feed("127 0 0", take);
    buffer.Feed(" 0 0\n101", take);
    buffer.Feed(std::string(1000, '9') + "\n\n", take);
    EXPECT_EQ(lines, (std::vector<std::string>{"127 0 0 0 0", ""}));
}

}  // namespace
}  // namespace fw
