#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "edit/CommandTable.h"
#include "edit/ScriptLines.h"
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
};

// A model with a quad and a triangle in submodel 0 and a triangle in submodel 1.
const char* const TWO_SUBMODELS =
    "point 0 0 0 0\nToggleCurrentPointMark\nInsertPoint\npoint 1 1 0 0\nInsertPoint\n"
    "point 2 1 1 0\nInsertPoint\npoint 3 0 1 0\nInsertPolygon\nUnmarkAllPoints\n"
    "InsertPoint\npoint 4 0 0 1\nset CurrentPoint 0\nToggleCurrentPointMark\n"
    "set CurrentPoint 1\nToggleCurrentPointMark\nInsertPolygon\nUnmarkAllPoints\n"
    "InsertPoint\npoint 5 0 3 3\nInsertPoint\npoint 6 1 3 3\nInsertPoint\npoint 7 0 4 3\n"
    "PutPointsInNewSubmodel\nMarkAllPoints\nUnmarkSubmodelPoints\nset CurrentSubmodel 1\n"
    "MarkSubmodelPoints\nInsertPolygon\nUnmarkAllPoints\nparent 1 0\n";

TEST_F(ScriptRunnerTest, EveryCommandOfTheMenusRunsFromAScript) {
    ASSERT_EQ(Run(TWO_SUBMODELS), "");
    EXPECT_EQ(M().NumPolygons, 3);
    EXPECT_EQ(M().PointSubmodel[M().Polygons[2].Corners[0]], 1);
    // Settings reach the commands.
    ASSERT_EQ(Run("set PasteOffset 0 1 -2\nset CurrentPolygon 2\nset MoveRate 0.5mm\n"), "");
    EXPECT_EQ(runner.Ed().PasteOffset, (PointRecord{0, 1, -2}));
    EXPECT_EQ(M().CurrentPolygon, 2);
    // A quarter turn of point 1 about (0, 0, 0), where an unreadable box reads as 0, then a
    // move by two steps of 0.5.
    ASSERT_EQ(Run("set TextCenter 0 0 x\nset TextRotate 90\nset CurrentPoint 1\n"
                  "ToggleCurrentPointMark\nRotateMarkedPoints 1 1 2\nMoveMarkedPoints Z 1 2\n"),
              "");
    EXPECT_NEAR(M().Points[1].X, 0, 1e-6);
    EXPECT_NEAR(M().Points[1].Y, 1, 1e-6);
    EXPECT_NEAR(M().Points[1].Z, 1, 1e-6);

    using enum ArgKind;
    std::map<ArgKind, std::string> sample = {{Axis, "Y"},    {Sign, "-1"}, {Submodel, "1"},
                                             {Steps, "2"},   {Index, "0"}, {Parent, "none"},
                                             {Number, "1.5"}, {Word, "current"}};
    for (const CommandEntry& entry : EditingCommands().Entries()) {
        EXPECT_EQ(EditingCommands().Find(entry.id), &entry) << "every id once";
        std::string line = "MarkAllPoints\nMarkAllPolygons\n" + std::string(entry.id);
        int axes = 0;
        for (ArgKind arg : entry.args)
            line += " " + (arg == Axis && axes++ == 1 ? "Z" : sample[arg]);
        EXPECT_EQ(Run(line), "") << line;
        EXPECT_GE(M().NumPoints, 1) << line;
    }
    EXPECT_EQ(Run("PasteMirrored z\nMoveMarkedPoints 3 1\nRotateMarkedPoints 1 X Z\n"), "");
}

TEST_F(ScriptRunnerTest, BadLinesStopTheScriptWithTheirNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"insertpoint", "unknown command 'insertpoint'"},
        {"MoveMarkedPoints 4 1", "MoveMarkedPoints: axis must be 1, 2, 3 or X, Y, Z, not '4'"},
        {"MoveMarkedPoints 1", "MoveMarkedPoints takes 2 or 3 arguments, not 1"},
        {"RotateMarkedPoints 1 2 2", "RotateMarkedPoints: the two axes must differ"},
        {"set CurrentPoint 8", "CurrentPoint must be 0 to 1, not 8"},
        {"set MoveRate 1e999", "number '1e999' is too large"},
        {"point 2 0 0 0", "point number must be 0 to 1, not 2"},
        {"parent 0 0", "Submodel 0 is the root: it has no parent."},
        {"parent 1 0", "There is no submodel 1."},
    };
    for (const auto& [line, error] : cases) {
        ScriptRunner fresh(out);
        std::istringstream in(std::string("# first\nInsertPoint\n") + line + "\nInsertPoint\n");
        EXPECT_EQ(fresh.Run(in), std::string("line 3: ") + error) << line;
        EXPECT_EQ(fresh.Ed().Model().NumPoints, 2) << "the line after the bad one ran: " << line;
    }
}

TEST_F(ScriptRunnerTest, UndoAndRedoThroughTheScript) {
    ASSERT_EQ(Run("undo\n"), "");
    EXPECT_EQ(Lines(), std::vector<std::string>{"status -1 Nothing to undo."});

    // Comments, blank lines, indents and CRLF endings are allowed.
    ASSERT_EQ(Run("# comment\n\n  InsertPoint\r\npoint 1 5 6 7\nsort 0 -1\n"), "");
    ModelStore edited = M();
    Lines();
    ASSERT_EQ(Run("undo\nundo\n"), "");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"status 1 Undone: Set Sorting Polygon",
                                                 "status 1 Undone: Edit Point"}));
    ASSERT_EQ(Run("redo\nredo\nredo\n"), "");
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
}

TEST_F(ScriptRunnerTest, SavesAndOpens) {
    fs::path dir = fs::temp_directory_path() / "fw-script-save";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string pol = (dir / "two parts.pol").string();
    ASSERT_EQ(Run(std::string(TWO_SUBMODELS) + "save " + pol + "\n"), "");
    ModelStore saved = M();
    ASSERT_EQ(Run("new\nopen " + pol + "\n"), "");
    EXPECT_EQ(M().Submodels[1].Parent, 0);
    EXPECT_EQ(M().Points, saved.Points);

    // Failures are reported and stop the script: later lines must not work on the wrong model.
    std::string bad = (dir / "none" / "x.pol").string();
    EXPECT_EQ(Run("InsertPoint\nsave " + bad + "\nInsertPoint\n"),
              "line 2: could not save '" + bad + "'");
    fs::remove_all(dir);
}

// Endless input: counts what the reader takes from it, to see that a long line is not read
// whole.
class EndlessLine : public std::streambuf {
public:
    size_t taken = 0;

protected:
    int_type underflow() override {
        setg(buffer_, buffer_, buffer_ + sizeof buffer_);
        taken += sizeof buffer_;
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    char buffer_[4096] = {};
};

TEST_F(ScriptRunnerTest, LinesAreReadWithAByteOrderMarkAndWithinABound) {
    // Editors on Windows start the file with a byte order mark: line 1 still runs.
    EXPECT_EQ(Run("\xEF\xBB\xBFInsertPoint\n\xEF\xBB\xBFInsertPoint\n"),
              "line 2: unknown command '\xEF\xBB\xBFInsertPoint'");
    EXPECT_EQ(M().NumPoints, 2);

    std::string line(MAX_SCRIPT_LINE, ' ');
    EXPECT_EQ(Run("InsertPoint\n" + line + "\n" + line + "x\nInsertPoint\n"),
              "line 3: longer than 65536 characters");
    EXPECT_EQ(M().NumPoints, 3);  // line 4 did not run
    EndlessLine endless;
    std::istream in(&endless);
    EXPECT_EQ(runner.Run(in), "line 1: longer than 65536 characters");
    EXPECT_LT(endless.taken, 2 * MAX_SCRIPT_LINE);
}

}  // namespace
}  // namespace fw
