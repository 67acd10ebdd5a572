#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "edit/CommandTable.h"
#include "edit/ScriptRunner.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

class ScriptRunnerTest : public ::testing::Test {
protected:
    std::ostringstream out;
    ScriptRunner runner{out};

    ModelStore& M() { return runner.Ed().Model(); }
    std::string Run(const std::string& script) {
        std::istringstream in(script);
        return runner.Run(in);
    }
    // Output lines written since the last call.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        out.str("");
        return lines;
    }
    fs::path TempDir() {
        fs::path dir =
            fs::temp_directory_path() /
            ("fw-script-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        return dir;
    }
};

// A model with a quad and a triangle in submodel 0 and a triangle in submodel 1.
const char* const TWO_SUBMODELS = R"(
point 0 0 0 0
ToggleCurrentPointMark
InsertPoint
point 1 1 0 0
InsertPoint
point 2 1 1 0
InsertPoint
point 3 0 1 0
InsertPolygon
UnmarkAllPoints
InsertPoint
point 4 0 0 1
set CurrentPoint 0
ToggleCurrentPointMark
set CurrentPoint 1
ToggleCurrentPointMark
InsertPolygon
UnmarkAllPoints
InsertPoint
point 5 0 3 3
InsertPoint
point 6 1 3 3
InsertPoint
point 7 0 4 3
PutPointsInNewSubmodel
MarkAllPoints
UnmarkSubmodelPoints
set CurrentSubmodel 1
MarkSubmodelPoints
InsertPolygon
UnmarkAllPoints
parent 1 0
)";

TEST_F(ScriptRunnerTest, ReportsStatusesInOrder) {
    EXPECT_EQ(Run("# comment\n\n  InsertPoint\r\nInsertPoint\nDeletePolygons\n"), "");
    std::vector<std::string> expected = {
        "status 1 Marked points put into submodel 0.",
        "status 1 Inserted a new point in Submodel 0.",
        "status 1 Marked points put into submodel 0.",
        "status 1 Inserted a new point in Submodel 0.",
        "status -1 No polygons marked.",
    };
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(M().NumPoints, 3);
    EXPECT_TRUE(M().Modified);
}

TEST_F(ScriptRunnerTest, BuildsAModelThroughTheCommands) {
    ASSERT_EQ(Run(TWO_SUBMODELS), "");
    EXPECT_EQ(M().NumPoints, 8);
    EXPECT_EQ(M().NumPolygons, 3);
    EXPECT_EQ(M().NumSubmodels, 2);
    EXPECT_EQ(M().Submodels[1].Parent, 0);
    EXPECT_EQ(M().Polygons[2].CornerCount, 3);
    EXPECT_EQ(M().PointSubmodel[M().Polygons[2].Corners[0]], 1);
    EXPECT_EQ(M().Points[4], (PointRecord{0, 0, 1}));
}

TEST_F(ScriptRunnerTest, EveryCommandOfTheMenusIsThere) {
    const std::set<std::string> names = {"ToggleCurrentPointMark",
                                         "MarkCurrentPolygonPoints",
                                         "MarkMarkedPolygonsPoints",
                                         "MarkAllPoints",
                                         "ToggleCurrentPolygonMark",
                                         "MarkCurrentPointPolygons",
                                         "MarkMarkedPointsPolygons",
                                         "MarkAllPolygons",
                                         "MarkSubmodelPoints",
                                         "MarkSubmodelPolygons",
                                         "UnmarkSubmodelPoints",
                                         "UnmarkSubmodelPolygons",
                                         "UnmarkAllPoints",
                                         "UnmarkAllPolygons",
                                         "InsertPoint",
                                         "DeletePoints",
                                         "InsertPolygon",
                                         "DeletePolygons",
                                         "MoveMarkedPoints",
                                         "RotateMarkedPoints",
                                         "ScaleMarkedPoints",
                                         "GetCenter",
                                         "HalveModelSize",
                                         "DoubleModelSize",
                                         "TripleModelSize",
                                         "CenterModel",
                                         "CopyMarkedPoints",
                                         "CopyMarkedPolygonsAndPoints",
                                         "PasteMirrored",
                                         "PasteWithOffset",
                                         "PasteAtOrigin",
                                         "PlacePointInPlane",
                                         "ResetMarkedTextures",
                                         "RearrangeFourSided",
                                         "FlipPolygon",
                                         "PutMarkedPointsInSubmodel",
                                         "PutPointsInCurrentSubmodel",
                                         "PutPointsInNewSubmodel",
                                         "CheckAndCompressCommand",
                                         "UnhideAllPolygons",
                                         "DarkenMarkedPolygons",
                                         "HideMarkedPolygons",
                                         "UnhideAllPoints",
                                         "HideMarkedPoints",
                                         "FindCurrentSortPolygon",
                                         "FindAllSortPolygons",
                                         "ShowSortingPolygons"};
    std::set<std::string> inTable;
    for (const CommandEntry& entry : EditCommands()) {
        inTable.insert(std::string(entry.name));
        EXPECT_FALSE(entry.undoName.empty()) << entry.name;
    }
    EXPECT_EQ(inTable, names);
}

TEST_F(ScriptRunnerTest, EveryCommandRunsFromAScript) {
    ASSERT_EQ(Run(TWO_SUBMODELS), "");
    std::map<CommandArg, std::string> sample = {{CommandArg::Axis, "Y"},
                                                {CommandArg::Sign, "-1"},
                                                {CommandArg::Submodel, "1"},
                                                {CommandArg::Steps, "2"}};
    for (const CommandEntry& entry : EditCommands()) {
        std::string line = "MarkAllPoints\nMarkAllPolygons\n" + std::string(entry.name);
        int axes = 0;
        for (CommandArg arg : entry.args)
            line += " " + (arg == CommandArg::Axis && axes++ == 1 ? "Z" : sample[arg]);
        EXPECT_EQ(Run(line), "") << line;
        EXPECT_LE(M().NumPoints, MAX_POINTS);
        EXPECT_GE(M().NumPoints, 1) << line;
    }
    Lines();
    EXPECT_EQ(Run("PasteMirrored z\nMoveMarkedPoints 3 1\nRotateMarkedPoints 1 X Z\n"), "");
}

TEST_F(ScriptRunnerTest, SetsTheBoxesAndCurrentItems) {
    ASSERT_EQ(Run(TWO_SUBMODELS), "");
    ASSERT_EQ(Run("set TextCenter 1 2.5 x\nset TextScale 2 1 1\nset TextRotate 90\n"
                  "set MoveRate 0.5mm\nset PasteOffset 0 1 -2\nset CurrentPolygon 2\n"
                  "set CurrentCorner 2\nset CurrentListCorner 1\nset CurrentSubmodel 0\n"),
              "");
    EXPECT_EQ(runner.Ed().TextCenter[1], "2.5");
    EXPECT_EQ(runner.Ed().TextCenter[2], "x");  // the command reads it as 0, like a box
    EXPECT_EQ(runner.Ed().TextScale[0], "2");
    EXPECT_EQ(runner.Ed().TextRotate, "90");
    EXPECT_EQ(runner.Ed().MoveRate, 0.5);
    EXPECT_EQ(runner.Ed().PasteOffset, (PointRecord{0, 1, -2}));
    EXPECT_EQ(M().CurrentPolygon, 2);
    EXPECT_EQ(runner.Ed().CurrentCorner, 2);
    EXPECT_EQ(runner.Ed().CurrentListCorner, 1);

    // The boxes reach the commands: a quarter turn of point 1 about (0, 0, 0).
    ASSERT_EQ(Run("set TextCenter 0 0 0\nset CurrentPoint 1\nToggleCurrentPointMark\n"
                  "RotateMarkedPoints 1 1 2\nUnmarkAllPoints\n"),
              "");
    EXPECT_NEAR(M().Points[1].X, 0, 1e-6);
    EXPECT_NEAR(M().Points[1].Y, 1, 1e-6);
}

TEST_F(ScriptRunnerTest, BadLinesStopTheScriptWithTheirNumber) {
    struct Case {
        const char* line;
        const char* error;
    };
    const Case cases[] = {
        {"Foo", "unknown command 'Foo'"},
        {"insertpoint", "unknown command 'insertpoint'"},
        {"MoveMarkedPoints 4 1", "MoveMarkedPoints: axis must be 1, 2, 3 or X, Y, Z, not '4'"},
        {"MoveMarkedPoints 1 0", "MoveMarkedPoints: sign must be -1 or 1, not '0'"},
        {"MoveMarkedPoints 1", "MoveMarkedPoints takes 2 or 3 arguments, not 1"},
        {"PasteMirrored", "PasteMirrored takes 1 argument, not 0"},
        {"PasteMirrored W", "PasteMirrored: axis must be 1, 2, 3 or X, Y, Z, not 'W'"},
        {"InsertPoint now", "InsertPoint takes 0 arguments, not 1"},
        {"RotateMarkedPoints 1 2 2", "RotateMarkedPoints: the two axes must differ"},
        {"PutMarkedPointsInSubmodel 10",
         "PutMarkedPointsInSubmodel: submodel must be 0 to 9, not '10'"},
        {"set CurrentPoint 8", "CurrentPoint must be 0 to 1, not 8"},
        {"set CurrentPoint one", "CurrentPoint must be a whole number, not 'one'"},
        {"set TextCenter 1 2", "TextCenter takes 3 values, not 2"},
        {"set Colour 3", "unknown setting 'Colour'"},
        {"set MoveRate 1e999", "number '1e999' is too large"},
        {"point 2 0 0 0", "point number must be 0 to 1, not 2"},
        {"point 0 0 0", "point takes a point number and X Y Z"},
        {"parent 0 0", "a submodel cannot be its own parent"},
        {"sort 1 0", "submodel must be 0 to 0, not 1"},
        {"answer maybe", "answer takes yes or no"},
        {"open", "open needs a file path"},
        {"new model", "new takes no arguments"},
    };
    for (const Case& c : cases) {
        ScriptRunner fresh(out);
        std::istringstream in(std::string("# first\nInsertPoint\n") + c.line + "\nInsertPoint\n");
        EXPECT_EQ(fresh.Run(in), std::string("line 3: ") + c.error) << c.line;
        EXPECT_EQ(fresh.Ed().Model().NumPoints, 2) << "the line after the bad one ran: " << c.line;
    }
}

TEST_F(ScriptRunnerTest, MessageBoxesAreWrittenWhereTheyHappen) {
    ASSERT_EQ(Run("ToggleCurrentPointMark\nInsertPoint\npoint 1 1 0 0\nInsertPoint\n"
                  "point 2 0 1 0\nInsertPolygon\nUnmarkAllPoints\nset CurrentPoint 2\n"
                  "ToggleCurrentPointMark\n"),
              "");
    Lines();
    ASSERT_EQ(Run("PutPointsInNewSubmodel\n"), "");
    std::vector<std::string> expected = {
        "status 1 Marked points put into submodel 1.",
        "box Submodel Checker: WARNING!  1 polygon(s) are spread across one or more submodels",
        "status 1 Rearranged, compressed, and checked points of submodels.",
    };
    EXPECT_EQ(Lines(), expected);
}

TEST_F(ScriptRunnerTest, UndoAndRedoThroughTheScript) {
    ASSERT_EQ(Run("undo\n"), "");
    EXPECT_EQ(Lines(), std::vector<std::string>{"status -1 Nothing to undo."});

    ASSERT_EQ(Run("InsertPoint\npoint 1 5 6 7\nsort 0 -1\n"), "");
    ModelStore edited = M();
    Lines();
    ASSERT_EQ(Run("undo\nundo\n"), "");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"status 1 Undone: Set Sorting Polygon",
                                                 "status 1 Undone: Edit Point"}));
    EXPECT_EQ(M().Points[1], (PointRecord{0, 0, 0}));
    EXPECT_EQ(M().Submodels[0].SortPolygon, 0);
    ASSERT_EQ(Run("undo\n"), "");
    EXPECT_EQ(M().NumPoints, 1);
    EXPECT_FALSE(M().Modified);
    ASSERT_EQ(Run("redo\nredo\nredo\nredo\n"), "");
    EXPECT_TRUE(SameModelContent(M(), edited));
    EXPECT_EQ(Lines().back(), "status -1 Nothing to redo.");
}

TEST_F(ScriptRunnerTest, AnswerDecidesWhetherChangesAreThrownAway) {
    ASSERT_EQ(Run("InsertPoint\nanswer no\nnew\n"), "");
    EXPECT_EQ(M().NumPoints, 2);
    EXPECT_EQ(Lines().back(),
              "box Warning: File has not been saved yet. Do you really want to do this? -> no");
    ASSERT_EQ(Run("answer yes\nnew\n"), "");
    EXPECT_EQ(M().NumPoints, 1);
    EXPECT_EQ(Lines().back(), "status 1 Started new model");
    ASSERT_EQ(Run("new\n"), "");  // nothing to lose: no question
    EXPECT_EQ(Lines(), std::vector<std::string>{"status 1 Started new model"});
}

TEST_F(ScriptRunnerTest, SavesOpensAndExports) {
    fs::path dir = TempDir();
    std::string pol = (dir / "two parts.pol").string();
    std::string json = (dir / "two.json").string();
    ASSERT_EQ(Run(std::string(TWO_SUBMODELS) + "save " + pol + "\nexport " + json + "\n"), "");
    EXPECT_EQ(Lines().back(), "status 1 Wrote model with 3 polygons, 8 points and 2 submodels");
    EXPECT_FALSE(M().Modified);
    EXPECT_EQ(runner.Ed().CurrentFilePath, pol);
    ModelStore saved = M();

    std::ifstream in(json);
    nlohmann::json doc = nlohmann::json::parse(in, nullptr, false);
    ASSERT_FALSE(doc.is_discarded());
    EXPECT_TRUE(doc.contains("editor"));
    EXPECT_EQ(doc["editor"]["modified"], false);

    ASSERT_EQ(Run("new\nopen " + pol + "\n"), "");
    EXPECT_EQ(Lines().back(), "status 1 Successfully opened file.");
    EXPECT_EQ(M().NumPolygons, saved.NumPolygons);
    EXPECT_EQ(M().Submodels[1].Parent, 0);
    for (int i = 0; i < saved.NumPoints; ++i) EXPECT_EQ(M().Points[i], saved.Points[i]) << i;
    EXPECT_FALSE(M().Modified);

    // Failures are reported and stop the script: later lines must not work on the wrong model.
    EXPECT_EQ(Run("InsertPoint\nsave " + (dir / "none" / "x.pol").string() + "\nInsertPoint\n"),
              "line 2: could not save '" + (dir / "none" / "x.pol").string() + "'");
    EXPECT_EQ(Lines().back().rfind("status -1 ", 0), 0u);
    EXPECT_EQ(Run("answer yes\nopen " + (dir / "missing.pol").string() + "\n"),
              "line 2: could not open '" + (dir / "missing.pol").string() + "'");
    EXPECT_EQ(Run("export " + dir.string() + "\n"),
              "line 1: could not export to '" + dir.string() + "'");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace fw
