#include <gtest/gtest.h>

#include "CraftedSuite.h"
#include "external/GameFolder.h"
#include "external/IniFile.h"
#include "external/LaunchAndWait.h"
#include "external/VersionKeeper.h"
#include "external/VersionRegistry.h"

namespace fw {
namespace {

struct RecordingUi : SuiteUi {
    std::vector<SuiteError> errors;
    int questions = 0, yields = 0;
    void ShowError(const SuiteError& e) override { errors.push_back(e); }
    bool AskYesNo(const std::string&, const std::string&) override { return ++questions; }
    void YieldEvents() override { ++yields; }
};

// An installed suite with no registered version yet.
struct VersionRegistry : ::testing::Test {
    CraftedSuite s;
    RecordingUi ui;
    VersionRegistry() { s.InstallSuite(); }
    RegistryCheck Check() { return CheckVersionRegistry(s.Suite(), ui); }
};
using VersionKeeper = VersionRegistry;
using LaunchAndWaitTest = VersionRegistry;
using GameFolder = VersionRegistry;

TEST_F(VersionRegistry, ValidNeedsDescentDataANamedVersionAndItsFolder) {
    s.RegisterGame();
    auto registry = [&](const std::string& text) { s.Write("suite/descent.ini", text); };
    // DescData without "descent." and DescVers "n/a": the start-up paths' tests.
    registry("[Current]\nDescData=descent.1\nDescVers=D2\n[D2]\nDir=n/a\n");
    EXPECT_FALSE(CurrentVersionValid(s.Suite()));
    registry("[Current]\nDescData=descent.1\nDescVers=D2\n[d2]\ndir=/g\n");
    EXPECT_TRUE(CurrentVersionValid(s.Suite()));
}

TEST_F(VersionRegistry, ARegistryMadeValidByTheProgramLetsStartUpGoOn) {
    // The registry program takes a moment, then registers a version.
    s.InstallVersionkeeper(
        "sleep 0.3\nprintf '[Current]\\nDescData=descent.7\\nDescVers=Game\\n"
        "DescDir=" +
        s.Game() + "\\n[Game]\\nDir=" + s.Game() + "\\n' > '" + s.Suite() +
        "descent.ini'\ntouch '" + s.Suite() + "ddata/descent.7'\n");
    RegistryCheck check = Check();
    ASSERT_TRUE(check.proceed);
    EXPECT_EQ(check.version.dataFile, "descent.7");
    EXPECT_EQ(check.version.gameDir, s.Game());
    EXPECT_EQ(ui.questions, 1);
    EXPECT_GT(ui.yields, 0);  // the interface was kept alive while it ran
}

TEST_F(VersionRegistry, ClosingTheProgramWithoutRegisteringEndsSilently) {
    s.InstallVersionkeeper("exit 0\n");
    RegistryCheck check = Check();
    EXPECT_FALSE(check.proceed);
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(VersionRegistry, AMissingDataFileIsFatal) {
    s.RegisterGame();
    std::filesystem::remove(s.Path("suite/ddata/descent.1"));
    EXPECT_FALSE(Check().proceed);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], (SuiteError{"VKP0001", "VKP error",
                                        "Data file for current Descent version not found. "
                                        "Reinstall Versionkeeper!"}));
    // A data file name that reaches out of ddata/ is no data file.
    s.Write("suite/descent.ini", "[Current]\nDescData=../descent.ini\nDescVers=D2\n[D2]\nDir=/g\n");
    EXPECT_FALSE(Check().proceed);
}

TEST_F(LaunchAndWaitTest, AMissingProgramIsReportedWithItsPath) {
    auto error = LaunchAndWait(s.Path("bin/none"), ui);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, (SuiteError{"", "Internal error",
                                  "Program tried to launch '" + s.Path("bin/none") +
                                      "', but that file is not available."}));
    s.Write("bin/plain", "not a program");  // exists, but cannot run
    error = LaunchAndWait(s.Path("bin/plain"), ui);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("could not be started"), std::string::npos);
}

TEST_F(GameFolder, TheTextureFileIsFoundWhateverItsCase) {
    EXPECT_FALSE(HasGameTextureFile(s.Game()));
    EXPECT_FALSE(HasGameTextureFile(""));
    s.Write("game/GroupA.Pig", "");
    EXPECT_TRUE(HasGameTextureFile(s.Game()));
    EXPECT_EQ(FindFileNoCase(s.Game(), "groupa.pig"), s.Path("game/GroupA.Pig"));
    // A folder of that name does not count.
    std::filesystem::remove(s.Path("game/GroupA.Pig"));
    std::filesystem::create_directory(s.Path("game/GROUPA.PIG"));
    EXPECT_FALSE(HasGameTextureFile(s.Game()));
}

TEST_F(VersionKeeper, AddingVersionsWritesTheRegistryKeysAndDataFiles) {
    s.Write("game/GROUPA.PIG", "");
    std::filesystem::create_directories(s.Path("game/Missions"));
    EXPECT_EQ(AddVersion(s.Suite(), " Descent 2 ", s.Path("game")), "");
    // The first version becomes current and the registry is valid for start-up.
    EXPECT_EQ(CurrentVersionName(s.Suite()), "Descent 2");
    RegistryCheck check = Check();
    ASSERT_TRUE(check.proceed);
    EXPECT_EQ(check.version, (GameVersion{"descent.1", s.Suite() + "ddata/", s.Game(),
                                          s.Path("game/Missions/")}));

    s.Write("game2/groupa.pig", "");
    EXPECT_EQ(AddVersion(s.Suite(), "Vertigo", s.Path("game2")), "");
    EXPECT_EQ(CurrentVersionName(s.Suite()), "Descent 2");  // a second one is not made current
    std::vector<RegisteredVersion> versions = ListVersions(s.Suite());
    ASSERT_EQ(versions.size(), 2u);
    EXPECT_EQ(versions[1],
              (RegisteredVersion{"Vertigo", "descent.2", s.Path("game2/"), s.Path("game2/")}));
    EXPECT_EQ(MarkCurrent(s.Suite(), versions[1]), "");
    EXPECT_EQ(CurrentVersionName(s.Suite()), "Vertigo");
    EXPECT_EQ(IniRead(s.Suite(), "descent.ini", "Current", "DescData"), "descent.2");
}

TEST_F(VersionKeeper, BadNamesAndFoldersAreRefusedWithoutWriting) {
    s.Write("game/groupa.pig", "");
    EXPECT_NE(AddVersion(s.Suite(), "D2", s.Path("home")).find("holds no GROUPA.PIG"),
              std::string::npos);
    for (const char* bad : {"", " n/a ", "[x]", "a=b", "Current", "dtools"})
        EXPECT_NE(AddVersion(s.Suite(), bad, s.Game()), "") << bad;
    EXPECT_FALSE(s.Exists("suite/descent.ini"));
    EXPECT_TRUE(ListVersions(s.Suite()).empty());
    EXPECT_EQ(AddVersion(s.Suite(), "D2", s.Game()), "");
    EXPECT_EQ(AddVersion(s.Suite(), "d2", s.Game()), "A version named 'D2' is already registered.");
    EXPECT_EQ(SuggestVersionName("/games/descent2/"), "Descent 2 (descent2)");
}

}  // namespace
}  // namespace fw
