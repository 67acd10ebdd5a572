#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace fw {

// One command of facetwork-tool: reports on `out` and `err` and returns the exit code.
struct ToolCommand {
    const char* Name;
    const char* Arguments;  // for the usage text
    int ArgumentCount;      // -1: the command checks its arguments itself
    int (*Run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// info, check, export, import and the game-file commands: the model-file commands.
std::span<const ToolCommand> ModelFileToolCommands();

// Prints the counts and the texture window of a .pol file.
int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// Walks the file's stream as the game draws it; one line per fault, exit 1 when any.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// FILE.pol OUT.json: the model as JSON; FILE.pol OUT.obj: as OBJ with its material library.
int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// IN.json OUT.pol: saves the described model; nothing is written when it is refused. Other
// sources (HAM, HXM, POF, OBJ) go through RunExchangeImport.
int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace fw
