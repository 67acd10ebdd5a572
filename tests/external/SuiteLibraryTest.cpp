#include <gtest/gtest.h>

#include "CraftedSuite.h"
#include "external/IniFile.h"
#include "external/SuiteLibrary.h"
#include "external/SuitePointer.h"

namespace fw {
namespace {

TEST(SuitePointer, LookupOrderIsEnvironmentThenBesideTheProgramThenPerUser) {
    CraftedSuite s;
    EXPECT_EQ(FindPointerFile(s.Bin()), std::nullopt);

    s.Write("config/tunnelworks/cobl.cfg", "[Directories]\nCobl3=/user\n");
    EXPECT_EQ(FindPointerFile(s.Bin()), s.Path("config/tunnelworks/cobl.cfg"));
    s.Write("bin/cobl.cfg", "[Directories]\nCobl3=/portable\n");
    EXPECT_EQ(FindPointerFile(s.Bin()), s.Path("bin/cobl.cfg"));
    s.PointToSuite();
    EXPECT_EQ(FindPointerFile(s.Bin()), s.Path("cobl.cfg"));
    // A COBL_CFG naming no file falls through to the next place.
    s.SetEnv("COBL_CFG", s.Path("missing.cfg"));
    EXPECT_EQ(FindPointerFile(s.Bin()), s.Path("bin/cobl.cfg"));
}

TEST(SuitePointer, SuiteDirectoryEndsInASeparatorAndRelativeNamesCountFromThePointer) {
    CraftedSuite s;
    s.Write("bin/cobl.cfg", "[directories]\ncobl3 = ../suite\n");
    EXPECT_EQ(ReadSuiteDirectory(s.Path("bin/cobl.cfg")), s.Suite());
    s.Write("bin/cobl.cfg", "[Directories]\nCobl3=\n");
    EXPECT_EQ(ReadSuiteDirectory(s.Path("bin/cobl.cfg")), "");
    EXPECT_EQ(WritePointerFile(s.Path("other/cobl.cfg"), "/x/suite/"), "");
    EXPECT_EQ(ReadSuiteDirectory(s.Path("other/cobl.cfg")), "/x/suite/");
}

TEST(SuiteLibrary, InitialisationFindsTheDirectoriesAndMakesTheTemporaryOne) {
    CraftedSuite s;
    s.PointToSuite();
    s.Write("suite/cobl.ini", "[Moduls_Dirs]\nFCTWRK32=/programs/fw\n");
    SuiteStart start = InitialiseSuite(MODULE_NAME, s.Bin());
    ASSERT_FALSE(start.fatal);
    EXPECT_FALSE(start.createdUserSuite);
    EXPECT_EQ(start.dirs.suite, s.Suite());
    EXPECT_EQ(start.dirs.temp, s.Suite() + "_Temp/");
    EXPECT_TRUE(s.Exists("suite/_Temp"));
    EXPECT_EQ(start.dirs.program, "/programs/fw/");
    EXPECT_EQ(start.dirs.data, "/programs/fw/data/");

    // Detour comes before Moduls_Dirs; with neither, the program's own folder.
    s.Write("suite/cobl.ini",
            "[Detour]\nfctwrk32=/elsewhere\n[Moduls_Dirs]\nFCTWRK32=/programs/fw\n");
    EXPECT_EQ(ProgramDirectory(s.Suite(), MODULE_NAME, s.Bin()), "/elsewhere/");
    s.Write("suite/cobl.ini", "[Detour]\nFCTWRK32=\n");
    EXPECT_EQ(ProgramDirectory(s.Suite(), MODULE_NAME, s.Bin()), s.Bin());
}

TEST(SuiteLibrary, WithoutAnyPointerThePerUserSuiteIsSetUp) {
    CraftedSuite s;
    s.Write("share/doc/facetwork/manual.html", "<html></html>");
    SuiteStart start = InitialiseSuite(MODULE_NAME, s.Bin());
    ASSERT_FALSE(start.fatal) << start.fatal->message;
    EXPECT_TRUE(start.createdUserSuite);
    std::string suite = s.Path("data/tunnelworks/");
    // The pointer, ddata/, _Temp/ and the VKP entry: the start-up paths' tests.
    EXPECT_EQ(start.dirs.suite, suite);
    EXPECT_EQ(start.dirs.program, suite);  // fctwrk32.ini lives with the suite
    EXPECT_EQ(IniRead(suite, SUITE_INI, "Moduls_Dirs", "FCTWMAN32"),
              s.Path("share/doc/facetwork/"));
    EXPECT_EQ(IniRead(suite, SUITE_INI, "Moduls_EXEs", "FCTWMAN32"), "manual.html");

    // The second start finds it and changes nothing.
    std::string cobl = *s.Read("data/tunnelworks/cobl.ini");
    SuiteStart again = InitialiseSuite(MODULE_NAME, s.Bin());
    EXPECT_FALSE(again.createdUserSuite);
    EXPECT_EQ(*s.Read("data/tunnelworks/cobl.ini"), cobl);
}

TEST(SuiteLibrary, AUserSuiteThatCannotBeCreatedIsFatalWithTheReason) {
    CraftedSuite s;
    s.Write("blocked", "a file where the data folder should be");
    s.SetEnv("XDG_DATA_HOME", s.Path("blocked"));
    SuiteStart start = InitialiseSuite(MODULE_NAME, s.Bin());
    ASSERT_TRUE(start.fatal);
    EXPECT_EQ(start.fatal->title, "Cobl32 error");
    EXPECT_NE(start.fatal->message.find("Cobl3 is not properly installed!\r\nCannot create"),
              std::string::npos)
        << start.fatal->message;
    EXPECT_FALSE(s.Exists("config/tunnelworks/cobl.cfg"));
}

}  // namespace
}  // namespace fw
