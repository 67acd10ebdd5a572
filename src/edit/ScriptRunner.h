#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "edit/ScriptHost.h"
#include "model/Editor.h"
#include "modelfile/FileCommands.h"

namespace fw {

// Runs editing scripts: one command per line, the editing commands by their names plus a
// few of the script's own (new, open, save, export, set, point, parent, sort, answer,
// undo, redo; see docs/batch-scripts.md). What the editor reports is written to `out` as
// it happens (see ScriptHost).
class ScriptRunner {
public:
    explicit ScriptRunner(std::ostream& out);

    // Runs the lines in order. Returns "" when every line ran, otherwise
    // "line N: what was wrong" for the line that stopped the script.
    std::string Run(std::istream& script);
    // Runs one line; "" or what was wrong with it.
    std::string RunLine(std::string_view line);

    Editor& Ed() { return ed_; }

private:
    std::string RunWords(const std::vector<std::string>& words, std::string_view rest);
    std::string New();
    std::string Open(const std::string& path);
    std::string Save(const std::string& path);
    std::string Export(const std::string& path);
    std::string Set(const std::vector<std::string>& words);
    std::string SetMapping(const std::string& name, const std::vector<std::string>& values);
    std::string SetPoint(const std::vector<std::string>& words);
    std::string SetSubmodelValue(const std::vector<std::string>& words);
    std::string UndoRedo(bool undo);

    // Scripts name their files; the choosers are never needed.
    struct NoDialogs : FileDialogs {
        std::string ChooseOpenPath(const std::string&) override { return ""; }
        std::string ChooseSavePath(const std::string&) override { return ""; }
    };

    std::ostream& out_;
    ScriptHost host_;
    Editor ed_;
    NoDialogs noDialogs_;
    FileCommands files_;
};

// The "edit SCRIPT" subcommand of facetwork-tool: argv[2] names the script ("-" for the
// standard input). Output goes to std::cout, the reason a script stopped to std::cerr.
// Returns the exit code: 0 when the whole script ran, 1 when it stopped, 2 for bad usage.
int RunScriptCommand(int argc, char** argv);

}  // namespace fw
