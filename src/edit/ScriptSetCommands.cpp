// The script lines that stand for typing into the main window's boxes and lists: set,
// point, parent and sort.
#include <algorithm>
#include <charconv>
#include <span>

#include "edit/AttributeEdits.h"
#include "edit/CommandTable.h"
#include "edit/ScriptRunner.h"
#include "edit/TextureCommands.h"
#include "model/NumberText.h"

namespace fw {

namespace {

// A whole-number word within [low, high]; "" or what is wrong with it.
std::string ReadIndex(const std::string& what, const std::string& word, int low, int high,
                      int& value) {
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        return what + " must be a whole number, not '" + word + "'";
    if (value < low || value > high)
        return what + " must be " + std::to_string(low) + " to " + std::to_string(high) + ", not " +
               word;
    return "";
}

// A number read the way the boxes read it: a leading number, anything else is 0. Only a
// number too large to hold is refused.
std::string ReadBoxNumber(const std::string& word, double& value) {
    if (TryReadNumber(word, value)) return "";
    return "number '" + word + "' is too large";
}

std::string CountError(const std::string& what, size_t wanted, size_t got) {
    return what + " takes " + std::to_string(wanted) + (wanted == 1 ? " value" : " values") +
           ", not " + std::to_string(got);
}

int LastCorner(const ModelStore& m) {
    if (m.NumPolygons < 1) return 0;
    return std::max(m.Polygons[m.CurrentPolygon].CornerCount - 1, 0);
}

}  // namespace

std::string ScriptRunner::Set(const std::vector<std::string>& words) {
    if (words.empty()) return "set needs a name and a value";
    const std::string& name = words[0];
    std::vector<std::string> values(words.begin() + 1, words.end());
    ModelStore& m = ed_.Model();

    // Choosing an item as the lists do: the same selection commands.
    auto select = [&](int high, std::string_view command) -> std::string {
        if (values.size() != 1) return CountError(name, 1, values.size());
        int value = 0;
        std::string error = ReadIndex(name, values[0], 0, high, value);
        if (!error.empty()) return error;
        const CommandEntry* entry = EditingCommands().Find(command);
        RunCommand(ed_, *entry, std::vector<ArgValue>{{value, double(value), values[0]}});
        return "";
    };
    if (name == "CurrentPoint") return select(m.NumPoints - 1, "SelectPoint");
    // With no polygons only 0 is accepted, and it selects nothing.
    if (name == "CurrentPolygon") return select(std::max(m.NumPolygons - 1, 0), "SelectPolygon");
    if (name == "CurrentSubmodel") return select(m.NumSubmodels - 1, "SelectSubmodel");
    if (name == "CurrentCorner") return select(LastCorner(m), "SelectCorner");
    if (name == "CurrentListCorner") return select(LastCorner(m), "SelectListCorner");

    // The centre, scale and angle boxes hold text; the commands read it when they run.
    auto setTexts = [&](std::span<std::string> boxes) -> std::string {
        if (values.size() != boxes.size()) return CountError(name, boxes.size(), values.size());
        std::copy(values.begin(), values.end(), boxes.begin());
        return "";
    };
    if (name == "TextCenter") return setTexts(ed_.TextCenter);
    if (name == "TextScale") return setTexts(ed_.TextScale);
    if (name == "TextRotate") return setTexts(std::span<std::string>(&ed_.TextRotate, 1));
    for (auto [box, text] : {std::pair{"TextOPMove", &ed_.TextOPMove},
                             std::pair{"TextOPScale", &ed_.TextOPScale},
                             std::pair{"TextOPRotate", &ed_.TextOPRotate},
                             std::pair{"TextUV", &ed_.TextUV}})
        if (name == box) return setTexts(std::span<std::string>(text, 1));

    // The texture window, as typed into the attributes dialog: one undoable step each.
    if (name == "FirstModelTexture" || name == "NumberOfTextures") {
        if (values.size() != 1) return CountError(name, 1, values.size());
        CommandResult result;
        std::string error = InvokeCommand(ed_, EditingCommands(), "Set" + name, values, &result);
        if (size_t colon = error.find(": "); colon != std::string::npos)
            return name + error.substr(colon);
        if (!error.empty()) return error;
        return result.done ? "" : result.status.value_or("");
    }
    if (name.starts_with("Map")) return SetMapping(name, values);

    if (name == "MoveRate") {
        if (values.size() != 1) return CountError(name, 1, values.size());
        double rate = 0;
        std::string error = ReadBoxNumber(values[0], rate);
        if (error.empty()) ed_.MoveRate = rate;
        return error;
    }
    if (name == "PasteOffset") {
        if (values.size() != 3) return CountError(name, 3, values.size());
        PointRecord offset{};
        for (auto [word, target] :
             {std::pair{&values[0], &offset.X}, std::pair{&values[1], &offset.Y},
              std::pair{&values[2], &offset.Z}}) {
            std::string error = ReadBoxNumber(*word, *target);
            if (!error.empty()) return error;
        }
        ed_.PasteOffset = offset;
        return "";
    }
    return "unknown setting '" + name + "'";
}

// The mapping dialog's boxes: F U V X Y Z PLANE|AXIS per type, or ROTATION SCALING.
std::string ScriptRunner::SetMapping(const std::string& name, const std::vector<std::string>& values) {
    MappingInputs& inputs = MappingOf(ed_);
    if (name == "MapOverall") {
        if (values.size() != 2) return CountError(name, 2, values.size());
        double rotation = 0, scaling = 0;
        std::string error = ReadBoxNumber(values[0], rotation);
        if (error.empty()) error = ReadBoxNumber(values[1], scaling);
        if (!error.empty()) return error;
        inputs.Rotation = rotation;
        inputs.Scaling = scaling;
        return "";
    }
    MappingType type{};
    if (name == "MapPlanar") type = MappingType::Planar;
    else if (name == "MapSpherical") type = MappingType::Spherical;
    else if (name == "MapCylindrical") type = MappingType::Cylindrical;
    else return "unknown setting '" + name + "'";
    if (values.size() != 7) return CountError(name, 7, values.size());
    MappingSet set;
    double* targets[6] = {&set.Factor, &set.UScale, &set.VScale,
                          &set.Centre.X, &set.Centre.Y, &set.Centre.Z};
    for (int i = 0; i < 6; ++i) {
        std::string error = ReadBoxNumber(values[i], *targets[i]);
        if (!error.empty()) return error;
    }
    // Planes in the dialog's order ZY, XZ, XY; axes X, Y, Z; or the button number 1..3.
    bool cylinder = type == MappingType::Cylindrical;
    std::array<std::string_view, 3> names =
        cylinder ? std::array<std::string_view, 3>{"X", "Y", "Z"}
                 : std::array<std::string_view, 3>{"ZY", "XZ", "XY"};
    set.Axis = -1;
    for (int i = 0; i < 3; ++i)
        if (values[6] == names[i] || values[6] == std::to_string(i + 1)) set.Axis = i;
    if (set.Axis < 0)
        return name + (cylinder ? ": axis must be X, Y or Z" : ": plane must be ZY, XZ or XY") +
               ", not '" + values[6] + "'";
    inputs.Set(type) = set;
    return "";
}

std::string ScriptRunner::SetPoint(const std::vector<std::string>& words) {
    if (words.size() != 4) return "point takes a point number and X Y Z";
    ModelStore& m = ed_.Model();
    int n = 0;
    std::string error = ReadIndex("point number", words[0], 0, m.NumPoints - 1, n);
    PointRecord p{};
    for (auto [word, target] :
         {std::pair{&words[1], &p.X}, std::pair{&words[2], &p.Y}, std::pair{&words[3], &p.Z}}) {
        if (error.empty()) error = ReadBoxNumber(*word, *target);
    }
    if (!error.empty()) return error;
    // A value the point cannot take stops the script, as a bad word does.
    CommandResult result = ed_.Run("Edit Point", [&] { return SetPointPosition(ed_, n, p); });
    return result.done ? "" : result.status.value_or("");
}

std::string ScriptRunner::SetSubmodelValue(const std::vector<std::string>& words) {
    const std::string& command = words[0];
    bool parent = command == "parent";
    if (words.size() != 3)
        return command + (parent ? " takes a submodel and its parent ('none' for the root)"
                                 : " takes a submodel and its sorting polygon");
    // The same commands as the Submodels list: one rule for what a parent or a sorting
    // polygon may be. A refusal stops the script.
    std::vector<std::string> args(words.begin() + 1, words.end());
    CommandResult result;
    std::string error =
        InvokeCommand(ed_, EditingCommands(),
                      parent ? "SetSubmodelParent" : "SetSubmodelSortPolygon", args, &result);
    if (size_t colon = error.find(": "); colon != std::string::npos)
        return command + error.substr(colon);
    if (!error.empty()) return error;
    return result.done ? "" : result.status.value_or("");
}

}  // namespace fw
