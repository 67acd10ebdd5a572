#include "edit/CommandTable.h"

#include <charconv>

#include "edit/CopyPaste.h"
#include "edit/CornerOrder.h"
#include "edit/Hiding.h"
#include "edit/InsertDelete.h"
#include "edit/Marking.h"
#include "edit/PolygonTools.h"
#include "edit/SortPolygonFinder.h"
#include "edit/SubmodelTools.h"
#include "edit/Transform.h"

namespace fw {

namespace {

using Args = std::span<const int>;

// A command without arguments.
CommandEntry Plain(std::string_view name, std::string_view undoName, void (*command)(Editor&)) {
    return {name, undoName, {}, [command](Editor& ed, Args) { command(ed); }};
}

std::vector<CommandEntry> BuildTable() {
    using enum CommandArg;
    return {
        Plain("ToggleCurrentPointMark", "Mark Current Point", ToggleCurrentPointMark),
        Plain("MarkCurrentPolygonPoints", "Mark Current Polygon's Points",
              MarkCurrentPolygonPoints),
        Plain("MarkMarkedPolygonsPoints", "Mark Marked Polygons' Points", MarkMarkedPolygonsPoints),
        Plain("MarkAllPoints", "Mark All Points", MarkAllPoints),
        Plain("ToggleCurrentPolygonMark", "Mark Current Polygon", ToggleCurrentPolygonMark),
        Plain("MarkCurrentPointPolygons", "Mark Current Point's Polygons",
              MarkCurrentPointPolygons),
        Plain("MarkMarkedPointsPolygons", "Mark Marked Points' Polygons", MarkMarkedPointsPolygons),
        Plain("MarkAllPolygons", "Mark All Polygons", MarkAllPolygons),
        Plain("MarkSubmodelPoints", "Mark Submodel Points", MarkSubmodelPoints),
        Plain("MarkSubmodelPolygons", "Mark Submodel Polygons", MarkSubmodelPolygons),
        Plain("UnmarkSubmodelPoints", "Unmark Submodel Points", UnmarkSubmodelPoints),
        Plain("UnmarkSubmodelPolygons", "Unmark Submodel Polygons", UnmarkSubmodelPolygons),
        Plain("UnmarkAllPoints", "Unmark All Points", UnmarkAllPoints),
        Plain("UnmarkAllPolygons", "Unmark All Polygons", UnmarkAllPolygons),

        Plain("InsertPoint", "Insert Point", InsertPoint),
        Plain("DeletePoints", "Delete Points", DeletePoints),
        Plain("InsertPolygon", "Insert Polygon", InsertPolygon),
        Plain("DeletePolygons", "Delete Polygons", DeletePolygons),

        {"MoveMarkedPoints",
         "Move Points",
         {Axis, Sign, Steps},
         [](Editor& ed, Args a) { MoveMarkedPoints(ed, a[0], a[1], a[2]); }},
        {"RotateMarkedPoints",
         "Rotate Points",
         {Sign, Axis, Axis},
         [](Editor& ed, Args a) { RotateMarkedPoints(ed, a[0], a[1], a[2]); }},
        {"ScaleMarkedPoints",
         "Scale Points",
         {Sign},
         [](Editor& ed, Args a) { ScaleMarkedPoints(ed, a[0]); }},
        Plain("GetCenter", "Get Center", GetCenter),
        Plain("HalveModelSize", "Halve Model Size", HalveModelSize),
        Plain("DoubleModelSize", "Double Model Size", DoubleModelSize),
        Plain("TripleModelSize", "Triple Model Size", TripleModelSize),
        Plain("CenterModel", "Center Model", CenterModel),

        Plain("CopyMarkedPoints", "Copy Points", CopyMarkedPoints),
        Plain("CopyMarkedPolygonsAndPoints", "Copy Polygons and Points",
              CopyMarkedPolygonsAndPoints),
        {"PasteMirrored",
         "Mirror Paste",
         {Axis},
         [](Editor& ed, Args a) { PasteMirrored(ed, a[0]); }},
        Plain("PasteWithOffset", "Paste with Offset", PasteWithOffset),
        Plain("PasteAtOrigin", "Paste at the Origin", PasteAtOrigin),

        Plain("PlacePointInPlane", "Place Point in Plane", PlacePointInPlane),
        Plain("ResetMarkedTextures", "Reset Marked Textures", ResetMarkedTextures),
        Plain("RearrangeFourSided", "Rearrange 4-Sided", RearrangeFourSided),
        Plain("FlipPolygon", "Polygon Normal Flip", FlipPolygon),
        Plain("MoveCornerUp", "Move Corner Up", MoveCornerUp),
        Plain("MoveCornerDown", "Move Corner Down", MoveCornerDown),

        {"PutMarkedPointsInSubmodel",
         "Put Points in Submodel",
         {Submodel},
         [](Editor& ed, Args a) { PutMarkedPointsInSubmodel(ed, a[0]); }},
        Plain("PutPointsInCurrentSubmodel", "Put Points in Current Submodel",
              PutPointsInCurrentSubmodel),
        Plain("PutPointsInNewSubmodel", "Put Points in New Submodel", PutPointsInNewSubmodel),
        Plain("CheckAndCompressCommand", "Check and Compress Submodels", CheckAndCompressCommand),

        Plain("UnhideAllPolygons", "Unhide All Polygons", UnhideAllPolygons),
        Plain("DarkenMarkedPolygons", "Darken Marked Polygons", DarkenMarkedPolygons),
        Plain("HideMarkedPolygons", "Hide Marked Polygons", HideMarkedPolygons),
        Plain("UnhideAllPoints", "Unhide All Points", UnhideAllPoints),
        Plain("HideMarkedPoints", "Hide Marked Points", HideMarkedPoints),

        Plain("FindCurrentSortPolygon", "Find Sorting Polygon", FindCurrentSortPolygon),
        Plain("FindAllSortPolygons", "Find All Sorting Polygons", FindAllSortPolygons),
        Plain("ShowSortingPolygons", "Show Sorting Polygons", ShowSortingPolygons),
    };
}

bool ReadInt(std::string_view word, int& value) {
    if (word.starts_with('+')) word.remove_prefix(1);
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size() && !word.empty();
}

// Reads one argument word; "" or what is wrong with it.
std::string ReadArg(CommandArg kind, const std::string& word, int& value) {
    if (kind == CommandArg::Axis && word.size() == 1) {
        size_t letter = std::string_view("XYZxyz").find(word[0]);
        if (letter != std::string_view::npos) {
            value = static_cast<int>(letter % 3) + 1;
            return "";
        }
    }
    bool number = ReadInt(word, value);
    switch (kind) {
        case CommandArg::Axis:
            if (number && value >= 1 && value <= 3) return "";
            return "axis must be 1, 2, 3 or X, Y, Z, not '" + word + "'";
        case CommandArg::Sign:
            if (number && (value == -1 || value == 1)) return "";
            return "sign must be -1 or 1, not '" + word + "'";
        case CommandArg::Submodel:
            if (number && value >= 0 && value < MAX_SUBMODELS) return "";
            return "submodel must be 0 to " + std::to_string(MAX_SUBMODELS - 1) + ", not '" + word +
                   "'";
        case CommandArg::Steps:
            if (number && value >= 1 && value <= 100) return "";
            return "steps must be 1 to 100, not '" + word + "'";
    }
    return "bad argument '" + word + "'";
}

}  // namespace

const std::vector<CommandEntry>& EditCommands() {
    static const std::vector<CommandEntry> table = BuildTable();
    return table;
}

const CommandEntry* FindCommand(std::string_view name) {
    for (const CommandEntry& entry : EditCommands())
        if (entry.name == name) return &entry;
    return nullptr;
}

std::string ParseCommandArgs(const CommandEntry& command, std::span<const std::string> words,
                             std::vector<int>& values) {
    size_t required = 0;
    for (CommandArg kind : command.args)
        if (kind != CommandArg::Steps) ++required;
    if (words.size() < required || words.size() > command.args.size()) {
        std::string expected = std::to_string(required);
        if (required != command.args.size())
            expected += " or " + std::to_string(command.args.size());
        return std::string(command.name) + " takes " + expected + " argument" +
               (expected == "1" ? "" : "s") + ", not " + std::to_string(words.size());
    }
    values.assign(command.args.size(), 1);
    for (size_t i = 0; i < words.size(); ++i) {
        std::string error = ReadArg(command.args[i], words[i], values[i]);
        if (!error.empty()) return std::string(command.name) + ": " + error;
    }
    if (command.name == "RotateMarkedPoints" && values[1] == values[2])
        return "RotateMarkedPoints: the two axes must differ";
    return "";
}

void RunCommand(Editor& ed, const CommandEntry& command, std::span<const int> values,
                const std::string& mergeKey) {
    ed.Run(
        std::string(command.undoName), [&] { command.call(ed, values); }, mergeKey);
}

std::string InvokeCommand(Editor& ed, std::string_view name, std::span<const std::string> words) {
    const CommandEntry* command = FindCommand(name);
    if (!command) return "unknown command '" + std::string(name) + "'";
    std::vector<int> values;
    std::string error = ParseCommandArgs(*command, words, values);
    if (!error.empty()) return error;
    RunCommand(ed, *command, values);
    return "";
}

}  // namespace fw
