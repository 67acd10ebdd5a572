#include "edit/ScriptRunner.h"

#include <charconv>
#include <fstream>
#include <iostream>

#include "edit/CommandTable.h"
#include "edit/ScriptLines.h"
#include "edit/TextureCommands.h"
#include "external/AtomicFile.h"
#include "model/NumberText.h"
#include "modelfile/ModelJson.h"

namespace fw {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

// The text after the first word, without surrounding blanks: a path may contain blanks.
std::string_view AfterFirstWord(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    while (i < line.size() && IsBlank(line[i])) ++i;
    size_t end = line.size();
    while (end > i && IsBlank(line[end - 1])) --end;
    return line.substr(i, end - i);
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& out) : out_(out), host_(out), ed_(host_), files_(ed_, noDialogs_) {
    NewModel(ed_.Model());
    ed_.MarkLoaded();
}

std::string ScriptRunner::Run(std::istream& script) {
    ScriptLineReader lines(script);
    std::string line;
    while (lines.Next(line)) {
        std::string error = RunLine(line);
        if (!error.empty()) return "line " + std::to_string(lines.LineNumber()) + ": " + error;
    }
    return lines.Error();
}

std::string ScriptRunner::RunLine(std::string_view line) {
    std::vector<std::string> words = SplitWords(line);
    if (words.empty() || words[0].starts_with('#')) return "";
    return RunWords(words, AfterFirstWord(line));
}

std::string ScriptRunner::RunWords(const std::vector<std::string>& words, std::string_view rest) {
    const std::string& command = words[0];
    std::vector<std::string> args(words.begin() + 1, words.end());
    bool takesPath = command == "open" || command == "save" || command == "export";
    if (takesPath && rest.empty()) return command + " needs a file path";
    if ((command == "new" || command == "undo" || command == "redo") && !args.empty())
        return command + " takes no arguments";

    if (command == "new") return New();
    if (command == "open") return Open(std::string(rest));
    if (command == "save") return Save(std::string(rest));
    if (command == "export") return Export(std::string(rest));
    if (command == "set") return Set(args);
    if (command == "point") return SetPoint(args);
    if (command == "parent" || command == "sort") return SetSubmodelValue(words);
    if (command == "undo" || command == "redo") return UndoRedo(command == "undo");
    if (command == "ShowAttributes") {
        if (!args.empty()) return command + " takes no arguments";
        out_ << AttributesLine(ed_.Model()) << '\n';
        return "";
    }
    if (command == "answer") {
        if (args.size() != 1 || (args[0] != "yes" && args[0] != "no"))
            return "answer takes yes or no";
        host_.answer = args[0] == "yes";
        return "";
    }
    return InvokeCommand(ed_, EditingCommands(), command, args);
}

std::string ScriptRunner::New() {
    files_.New();
    return "";
}

std::string ScriptRunner::Open(const std::string& path) {
    ed_.ShowStatus("", 0);
    if (ed_.ConfirmDiscard()) return "";
    // Later lines were written for the model that did not load.
    return files_.OpenPath(path) ? "" : "could not open '" + path + "'";
}

std::string ScriptRunner::Save(const std::string& path) {
    return files_.SaveTo(path) ? "" : "could not save '" + path + "'";
}

std::string ScriptRunner::Export(const std::string& path) {
    nlohmann::json doc = ExportModelJson(ed_.Model());
    AddEditorJson(doc, ed_.Model(), ed_.CurrentCorner);
    std::string error = WriteFileAtomically(path, doc.dump(2) + "\n");
    if (error.empty()) return "";
    ed_.ShowStatus(error, -1);
    return "could not export to '" + path + "'";
}

std::string ScriptRunner::UndoRedo(bool undo) {
    // The editor reports what was taken back or repeated, or that there was nothing.
    if (undo)
        ed_.Undo();
    else
        ed_.Redo();
    return "";
}

int RunScriptCommand(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: facetwork-tool edit SCRIPT   (SCRIPT may be - for standard input)\n";
        return 2;
    }
    std::string name = argv[2];
    std::string problem = name == "-" ? "" : ScriptPathProblem(name);
    if (!problem.empty()) {
        std::cerr << "cannot read script: " << problem << "\n";
        return 2;
    }
    std::ifstream file;
    if (name != "-") {
        file.open(name, std::ios::binary);
        if (!file) {
            std::cerr << "cannot read script '" << name << "'\n";
            return 2;
        }
    }
    ScriptRunner runner(std::cout);
    std::string error = runner.Run(name == "-" ? std::cin : file);
    std::cout.flush();
    if (error.empty()) return 0;
    std::cerr << name << ": " << error << '\n';
    return 1;
}

}  // namespace fw
