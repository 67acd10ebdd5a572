#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Editor.h"

namespace fw {

// What one argument of a command may be, as a script or a caller writes it.
enum class ArgKind {
    Axis,      // 1 = X, 2 = Y, 3 = Z; the letters X, Y, Z are accepted too
    Sign,      // -1 or 1
    Submodel,  // 0..9; the command checks it against the submodels in use
    Steps,     // 1..100, optional: 1 when left out
    Index,     // a whole number; the command checks it against the items in use
    Parent,    // a submodel number, or "none" for the root
    Number,    // a decimal number, read as the editor's boxes read it
    Word,      // a word the command reads itself (planar, current, ...)
};

// One parsed argument: the whole number, or the number and the text it came from.
struct ArgValue {
    int i = 0;
    double d = 0;
    std::string text;
};
using CommandArgs = std::span<const ArgValue>;
using CommandCall = std::function<CommandResult(Editor&, CommandArgs)>;

// How a command runs: model commands are one undo step through Editor::Run; window commands
// (files, views, dialogs) run as they are and manage their own refresh.
enum class CommandScope { Model, Window };

// One command. `id` is what menus, buttons, keys and scripts name; `name` is what the user
// sees, in the status line and as the undo step.
struct CommandEntry {
    std::string_view id;
    std::string_view name;
    std::vector<ArgKind> args;
    std::string_view argHelp;  // the arguments as a script writes them: "AXIS SIGN [STEPS]"
    CommandCall call;
    CommandScope scope = CommandScope::Model;
};

// Commands by id. The editing commands form the core table; the window adds its own file,
// view and dialog commands to a copy of it, so every menu entry, button and key finds its
// command in one place.
class CommandTable {
public:
    const CommandEntry* Find(std::string_view id) const;
    // Adds an entry; an existing id is replaced.
    void Add(CommandEntry entry);
    const std::vector<CommandEntry>& Entries() const { return entries_; }

private:
    std::vector<CommandEntry> entries_;
};

// Every editing command (marking, insertion and deletion, transforms, copy and paste,
// polygon tools, attribute edits, submodels, hiding, sorting polygons), in menu order.
const CommandTable& EditingCommands();

// Reads the argument words of a command. Returns "" or a message naming the bad word;
// `values` then holds one value per argument, optional ones filled in.
std::string ParseCommandArgs(const CommandEntry& command, std::span<const std::string> words,
                             std::vector<ArgValue>& values);

// Runs the command: a model command as one undo step named after it.
CommandResult RunCommand(Editor& ed, const CommandEntry& command, CommandArgs values = {},
                         std::string_view mergeKey = {});

// Looks the command up, reads its arguments and runs it. Returns "" or what was wrong with
// the id or the arguments (nothing runs then); `result` gets what the command reported.
std::string InvokeCommand(Editor& ed, const CommandTable& table, std::string_view id,
                          std::span<const std::string> words, CommandResult* result = nullptr);

// Runs an argument-free command of the editing table by id (keys and buttons).
CommandResult RunCommandById(Editor& ed, std::string_view id, std::string_view mergeKey = {});

}  // namespace fw
