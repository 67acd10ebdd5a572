#include "edit/CommandTable.h"

#include <charconv>

#include "edit/AttributeEdits.h"
#include "edit/CopyPaste.h"
#include "edit/CornerOrder.h"
#include "edit/Hiding.h"
#include "edit/InsertDelete.h"
#include "edit/Marking.h"
#include "edit/PolygonTools.h"
#include "edit/Selection.h"
#include "edit/SortPolygonFinder.h"
#include "edit/SubmodelTools.h"
#include "edit/TextureCommands.h"
#include "edit/Transform.h"
#include "model/NumberText.h"

namespace fw {

namespace {

using Args = CommandArgs;
using enum ArgKind;

// A command without arguments.
CommandEntry Plain(std::string_view id, std::string_view name, CommandResult (*command)(Editor&)) {
    return {id, name, {}, "", [command](Editor& ed, Args) { return command(ed); }};
}

std::vector<CommandEntry> MarkingCommands() {
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
    };
}

std::vector<CommandEntry> GeometryCommands() {
    return {
        Plain("InsertPoint", "Insert Point", InsertPoint),
        Plain("DeletePoints", "Delete Points", DeletePoints),
        Plain("InsertPolygon", "Insert Polygon", InsertPolygon),
        Plain("DeletePolygons", "Delete Polygons", DeletePolygons),
        {"MoveMarkedPoints",
         "Move Points",
         {Axis, Sign, Steps},
         "AXIS SIGN [STEPS]",
         [](Editor& ed, Args a) { return MoveMarkedPoints(ed, a[0].i, a[1].i, a[2].i); }},
        {"RotateMarkedPoints",
         "Rotate Points",
         {Sign, Axis, Axis},
         "SIGN AXIS AXIS",
         [](Editor& ed, Args a) { return RotateMarkedPoints(ed, a[0].i, a[1].i, a[2].i); }},
        {"ScaleMarkedPoints",
         "Scale Points",
         {Sign},
         "SIGN",
         [](Editor& ed, Args a) { return ScaleMarkedPoints(ed, a[0].i); }},
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
         "AXIS",
         [](Editor& ed, Args a) { return PasteMirrored(ed, a[0].i); }},
        Plain("PasteWithOffset", "Paste with Offset", PasteWithOffset),
        Plain("PasteAtOrigin", "Paste at the Origin", PasteAtOrigin),

        Plain("PlacePointInPlane", "Place Point in Plane", PlacePointInPlane),
        Plain("ResetMarkedTextures", "Reset Marked Textures", ResetMarkedTextures),
        Plain("RearrangeFourSided", "Rearrange 4-Sided", RearrangeFourSided),
        Plain("FlipPolygon", "Polygon Normal Flip", FlipPolygon),
        Plain("MoveCornerUp", "Move Corner Up", MoveCornerUp),
        Plain("MoveCornerDown", "Move Corner Down", MoveCornerDown),
    };
}

std::vector<CommandEntry> AttributeCommands() {
    return {
        {"SetPointCoordinate",
         "Edit Point",
         {Index, Axis, Number},
         "POINT AXIS VALUE",
         [](Editor& ed, Args a) { return SetPointCoordinate(ed, a[0].i, a[1].i, a[2].d); }},
        {"SetPointPosition",
         "Edit Point",
         {Index, Number, Number, Number},
         "POINT X Y Z",
         [](Editor& ed, Args a) {
             return SetPointPosition(ed, a[0].i, PointRecord{a[1].d, a[2].d, a[3].d});
         }},
        {"SetCornerUVL",
         "Edit UV",
         {Index, Index, Index, Number},
         "POLYGON CORNER 0|1|2 VALUE",
         [](Editor& ed, Args a) { return SetCornerUVL(ed, a[0].i, a[1].i, a[2].i, a[3].d); }},
        {"SetPolygonTexture",
         "Set Texture",
         {Index, Index},
         "POLYGON TEXTURE",
         [](Editor& ed, Args a) { return SetPolygonTexture(ed, a[0].i, a[1].i); }},
        {"SetPolygonColour",
         "Set Colour",
         {Index, Index},
         "POLYGON COLOUR",
         [](Editor& ed, Args a) { return SetPolygonColour(ed, a[0].i, a[1].i); }},
        {"SetSubmodelParent",
         "Set Parent",
         {Index, Parent},
         "SUBMODEL PARENT|none",
         [](Editor& ed, Args a) { return SetSubmodelParent(ed, a[0].i, a[1].i); }},
        {"SetSubmodelSortPolygon",
         "Set Sorting Polygon",
         {Index, Index},
         "SUBMODEL POLYGON",
         [](Editor& ed, Args a) { return SetSubmodelSortPolygon(ed, a[0].i, a[1].i); }},
    };
}

std::vector<CommandEntry> SelectionCommands() {
    auto one = [](std::string_view id, std::string_view name, CommandResult (*f)(Editor&, int),
                  std::string_view help) {
        return CommandEntry{
            id, name, {Index}, help, [f](Editor& ed, Args a) { return f(ed, a[0].i); }};
    };
    return {
        one("SelectPoint", "Select Point", SelectPoint, "POINT"),
        one("SelectPolygon", "Select Polygon", SelectPolygon, "POLYGON"),
        one("SelectSubmodel", "Select Submodel", SelectSubmodel, "SUBMODEL"),
        one("SelectCorner", "Select Corner", SelectCorner, "CORNER"),
        one("SelectListCorner", "Select List Corner", SelectListCorner, "CORNER"),
        {"StepCorner",
         "Next Corner",
         {Sign},
         "SIGN",
         [](Editor& ed, Args a) { return StepCorner(ed, a[0].i); }},
        {"StepPoint",
         "Next Point",
         {Sign},
         "SIGN",
         [](Editor& ed, Args a) { return StepPoint(ed, a[0].i); }},
        {"StepPolygon",
         "Next Polygon",
         {Sign},
         "SIGN",
         [](Editor& ed, Args a) { return StepPolygon(ed, a[0].i, true); }},
        {"StepPolygonOnly",
         "Next Polygon",
         {Sign},
         "SIGN",
         [](Editor& ed, Args a) { return StepPolygon(ed, a[0].i, false); }},
    };
}

std::vector<CommandEntry> SubmodelCommands() {
    return {
        {"PutMarkedPointsInSubmodel",
         "Put Points in Submodel",
         {Submodel},
         "SUBMODEL",
         [](Editor& ed, Args a) {
             // The window offers the submodels in use and a new one (PutPointsInNewSubmodel).
             if (a[0].i >= ed.Model().NumSubmodels)
                 return Refused("Submodel " + std::to_string(a[0].i) + " does not exist.");
             return PutMarkedPointsInSubmodel(ed, a[0].i);
         }},
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

std::vector<CommandEntry> TextureCommands() {
    auto one = [](std::string_view id, std::string_view name, CommandResult (*f)(Editor&, int),
                  std::string_view help) {
        return CommandEntry{
            id, name, {Index}, help, [f](Editor& ed, Args a) { return f(ed, a[0].i); }};
    };
    return {
        one("TextureToolbar", "Texture Alignment", TextureToolbar, "BUTTON"),
        one("UVToolbar", "UV-Point Alignment", UVToolbar, "BUTTON"),
        {"SetUVPoint",
         "Move UV-Point",
         {Number, Number},
         "U V",
         [](Editor& ed, Args a) { return SetUVPoint(ed, a[0].d, a[1].d); }},
        {"ShiftPolygonUV",
         "Move Texture",
         {Number, Number},
         "DU DV",
         [](Editor& ed, Args a) { return ShiftPolygonUV(ed, a[0].d, a[1].d); }},
        Plain("MapTextures", "Texture Mapping", MapTextures),
        {"MapDefaults",
         "Mapping Defaults",
         {Word},
         "planar|spherical|cylindrical",
         [](Editor& ed, Args a) { return MapDefaults(ed, a[0].text); }},
        Plain("MapGetCenter", "Get Center", MapGetCenter),
        one("SelectTexture", "Select Texture", SelectTexture, "TEXTURE"),
        {"ApplyAttributes",
         "Apply Attributes",
         {Word, Index, Index, Index, Index},
         "current|marked TEXTURE RED GREEN BLUE",
         [](Editor& ed, Args a) -> CommandResult {
             if (a[0].text != "current" && a[0].text != "marked")
                 return Refused("Apply to 'current' or 'marked', not '" + a[0].text + "'.");
             return ApplyAttributes(ed, a[0].text == "marked", a[1].i, {a[2].i, a[3].i, a[4].i});
         }},
        one("SetFirstModelTexture", "First Model Texture", SetFirstModelTexture, "FIRST"),
        one("SetNumberOfTextures", "Number of Textures", SetNumberOfTextures, "COUNT"),
    };
}

CommandTable BuildTable() {
    CommandTable table;
    for (auto group : {MarkingCommands(), GeometryCommands(), AttributeCommands(),
                       SelectionCommands(), SubmodelCommands(), TextureCommands()})
        for (CommandEntry& entry : group) table.Add(std::move(entry));
    return table;
}

bool ReadInt(std::string_view word, int& value) {
    if (word.starts_with('+')) word.remove_prefix(1);
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size() && !word.empty();
}

// Reads one argument word; "" or what is wrong with it.
std::string ReadArg(ArgKind kind, const std::string& word, ArgValue& value) {
    value.text = word;
    if (kind == Axis && word.size() == 1) {
        size_t letter = std::string_view("XYZxyz").find(word[0]);
        if (letter != std::string_view::npos) {
            value.i = static_cast<int>(letter % 3) + 1;
            return "";
        }
    }
    if (kind == Parent && word == "none") {
        value.i = NO_PARENT;
        return "";
    }
    if (kind == Word) return "";
    if (kind == Number) {
        if (TryReadNumber(word, value.d)) return "";
        return "number '" + word + "' is too large";
    }
    bool number = ReadInt(word, value.i);
    switch (kind) {
        case Axis:
            if (number && value.i >= 1 && value.i <= 3) return "";
            return "axis must be 1, 2, 3 or X, Y, Z, not '" + word + "'";
        case Sign:
            if (number && (value.i == -1 || value.i == 1)) return "";
            return "sign must be -1 or 1, not '" + word + "'";
        case Submodel:
            if (number && value.i >= 0 && value.i < MAX_SUBMODELS) return "";
            return "submodel must be 0 to " + std::to_string(MAX_SUBMODELS - 1) + ", not '" + word +
                   "'";
        case Steps:
            if (number && value.i >= 1 && value.i <= 100) return "";
            return "steps must be 1 to 100, not '" + word + "'";
        case Index:
        case Parent:
            if (number) return "";
            return "'" + word + "' is not a whole number";
        case Number:
        case Word:
            break;
    }
    return "bad argument '" + word + "'";
}

}  // namespace

const CommandEntry* CommandTable::Find(std::string_view id) const {
    for (const CommandEntry& entry : entries_)
        if (entry.id == id) return &entry;
    return nullptr;
}

void CommandTable::Add(CommandEntry entry) {
    for (CommandEntry& existing : entries_) {
        if (existing.id == entry.id) {
            existing = std::move(entry);
            return;
        }
    }
    entries_.push_back(std::move(entry));
}

const CommandTable& EditingCommands() {
    static const CommandTable table = BuildTable();
    return table;
}

std::string ParseCommandArgs(const CommandEntry& command, std::span<const std::string> words,
                             std::vector<ArgValue>& values) {
    size_t required = 0;
    for (ArgKind kind : command.args)
        if (kind != Steps) ++required;
    if (words.size() < required || words.size() > command.args.size()) {
        std::string expected = std::to_string(required);
        if (required != command.args.size())
            expected += " or " + std::to_string(command.args.size());
        return std::string(command.id) + " takes " + expected + " argument" +
               (expected == "1" ? "" : "s") + ", not " + std::to_string(words.size());
    }
    values.assign(command.args.size(), ArgValue{1, 1, ""});
    for (size_t i = 0; i < words.size(); ++i) {
        std::string error = ReadArg(command.args[i], words[i], values[i]);
        if (!error.empty()) return std::string(command.id) + ": " + error;
    }
    if (command.id == "RotateMarkedPoints" && values[1].i == values[2].i)
        return "RotateMarkedPoints: the two axes must differ";
    return "";
}

CommandResult RunCommand(Editor& ed, const CommandEntry& command, CommandArgs values,
                         std::string_view mergeKey) {
    if (command.scope == CommandScope::Window) return command.call(ed, values);
    return ed.Run(
        command.name, [&] { return command.call(ed, values); }, mergeKey);
}

std::string InvokeCommand(Editor& ed, const CommandTable& table, std::string_view id,
                          std::span<const std::string> words, CommandResult* result) {
    const CommandEntry* command = table.Find(id);
    if (!command) return "unknown command '" + std::string(id) + "'";
    std::vector<ArgValue> values;
    std::string error = ParseCommandArgs(*command, words, values);
    if (!error.empty()) return error;
    CommandResult outcome = RunCommand(ed, *command, values);
    if (result) *result = outcome;
    return "";
}

CommandResult RunCommandById(Editor& ed, std::string_view id, std::string_view mergeKey) {
    const CommandEntry* command = EditingCommands().Find(id);
    if (!command || !command->args.empty()) return Ignored();
    return RunCommand(ed, *command, {}, mergeKey);
}

}  // namespace fw
