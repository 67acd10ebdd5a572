#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Editor.h"

namespace fw {

// What one argument of an editing command may be.
enum class CommandArg {
    Axis,      // 1 = X, 2 = Y, 3 = Z; the letters X, Y, Z are accepted too
    Sign,      // -1 or 1
    Submodel,  // 0..9
    Steps,     // 1..100, optional: 1 when left out
};

// One editing command: its name as the menus and scripts know it, the name of its undo
// step, its arguments and the call itself.
struct CommandEntry {
    std::string_view name;
    std::string_view undoName;
    std::vector<CommandArg> args;
    std::function<void(Editor&, std::span<const int>)> call;
};

// Every editing command, in menu order (marking, insertion and deletion, transforms, copy
// and paste, polygon tools, submodels, hiding, sorting polygons).
const std::vector<CommandEntry>& EditCommands();

// The command of that exact name, or nullptr.
const CommandEntry* FindCommand(std::string_view name);

// Reads the argument words of a command into numbers. Returns "" or a message naming the
// bad word; `values` then holds one number per argument, optional ones filled in.
std::string ParseCommandArgs(const CommandEntry& command, std::span<const std::string> words,
                             std::vector<int>& values);

// Runs the command as one undo step.
void RunCommand(Editor& ed, const CommandEntry& command, std::span<const int> values,
                const std::string& mergeKey = "");

// Looks the command up, reads its arguments and runs it. Returns "" or what was wrong
// with the name or the arguments; nothing runs then.
std::string InvokeCommand(Editor& ed, std::string_view name, std::span<const std::string> words);

}  // namespace fw
