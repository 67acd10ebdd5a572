// facetwork-tool: command-line access to Facetwork models. Only dispatches: the commands
// live in the libraries.
#include <iostream>
#include <string>
#include <vector>

#include "edit/ScriptRunner.h"
#include "modelfile/GameToolCommands.h"
#include "modelfile/ToolCommands.h"
#include "textures/CatalogueNaming.h"
#include "textures/TextureToolCommands.h"
#include "views/RenderToImage.h"

namespace {

int RunEdit(const std::vector<std::string>& args, std::ostream&, std::ostream&) {
    std::vector<std::string> words{"facetwork-tool", "edit"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    return fw::RunScriptCommand(static_cast<int>(argv.size()), argv.data());
}

const fw::ToolCommand OTHER_COMMANDS[] = {
    {"edit", "SCRIPT   (- for standard input)", 1, RunEdit},
    {"render", "FILE.pol --view xy|xz|zy|iso --size WxH --out FILE.png", -1, fw::RenderCommand},
};

std::vector<fw::ToolCommand> Commands() {
    auto files = fw::ModelFileToolCommands();
    std::vector<fw::ToolCommand> all(files.begin(), files.end());
    auto textures = fw::TextureToolCommands();
    all.insert(all.end(), textures.begin(), textures.end());
    all.insert(all.end(), std::begin(OTHER_COMMANDS), std::end(OTHER_COMMANDS));
    return all;
}

int Usage() {
    std::cerr << "usage: facetwork-tool COMMAND ARGUMENTS\ncommands:\n";
    for (const fw::ToolCommand& c : Commands())
        std::cerr << "  " << c.Name << " " << c.Arguments << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    // Exchange formats name textures, and OBJ exports draw them, from the catalogue.
    fw::SetToolFormatOptions(fw::ProgramFormatOptions);
    for (const fw::ToolCommand& c : Commands()) {
        if (name != c.Name) continue;
        if (c.ArgumentCount >= 0 && args.size() != size_t(c.ArgumentCount)) return Usage();
        return c.Run(args, std::cout, std::cerr);
    }
    return Usage();
}
