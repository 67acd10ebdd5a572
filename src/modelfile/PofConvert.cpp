// Between POF files and the game's model record, and from there to the editor's model.
#include <algorithm>
#include <climits>
#include <memory>

#include "modelfile/BinaryFile.h"
#include "modelfile/GameModelExport.h"
#include "modelfile/GameModelImport.h"
#include "modelfile/PofFile.h"

namespace fw {
namespace {

constexpr int MAX_TEXTURE_LIST = 255;  // the record holds the count in a byte

std::string FillSubmodels(const PofFile& pof, ModelRecordFields& r) {
    std::array<bool, MAX_SUBMODELS> seen{};
    for (const PofSubmodel& s : pof.Submodels) {
        std::string which = "the SOBJ chunk for submodel " + std::to_string(s.Number);
        if (s.Number >= pof.NumSubmodels)
            return which + " lies beyond the header's " + std::to_string(pof.NumSubmodels) +
                   " submodels";
        if (seen[s.Number]) return which + " appears twice";
        seen[s.Number] = true;
        r.SubmodelPointers[s.Number] = s.DataOffset;
        r.Offsets[s.Number] = s.Offset;
        r.PlaneNormals[s.Number] = s.Normal;
        r.PlanePoints[s.Number] = s.Point;
        r.Radii[s.Number] = s.Radius;
        bool parentFits = s.Parent >= 0 && s.Parent < NO_PARENT;
        r.Parents[s.Number] = s.Number == 0 || !parentFits ? uint8_t(NO_PARENT) : uint8_t(s.Parent);
    }
    for (int s = 0; s < pof.NumSubmodels; ++s)
        if (!seen[s]) return "the file has no SOBJ chunk for submodel " + std::to_string(s);
    return "";
}

// Puts every textured polygon's number where the window resolution put its name; names the
// naming does not know follow the known ones, in list order.
void ApplyTextureWindow(const TextureWindow& w, const std::vector<std::string>& names,
                        ModelStore& m) {
    std::vector<int> number(names.size());
    int count = w.Count;
    for (size_t i = 0; i < names.size(); ++i) {
        auto unknown = std::find(w.Unknown.begin(), w.Unknown.end(), names[i]);
        number[i] = w.Numbers[i] >= 0 ? w.Numbers[i] : w.Count + int(unknown - w.Unknown.begin());
        count = std::max(count, number[i] + 1);
    }
    for (int i = 0; i < m.NumPolygons; ++i) {
        PolygonRecord& p = m.Polygons[i];
        if (p.IsFlat()) continue;
        if (p.TextureNumber >= 0 && p.TextureNumber < int(names.size()))
            p.TextureNumber = static_cast<int16_t>(number[p.TextureNumber]);
        count = std::max(count, p.TextureNumber + 1);
    }
    m.FirstModelTexture = static_cast<int16_t>(w.First);
    m.NumberOfTextures = static_cast<uint8_t>(std::clamp(count, 1, MAX_TEXTURE_LIST));
}

std::string Plural(size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string GameModelFromPof(const PofFile& pof, const TextureNaming& naming, GameModel& out,
                             TextureWindow& window) {
    out = GameModel{};
    if (pof.TextureNames.size() > size_t(MAX_TEXTURE_LIST))
        return "the TXTR chunk names " + std::to_string(pof.TextureNames.size()) +
               " textures; a model has at most " + std::to_string(MAX_TEXTURE_LIST);
    ModelRecordFields r;
    r.NumSubmodels = pof.NumSubmodels;
    r.DataSize = static_cast<int32_t>(pof.Stream.size());
    if (std::string error = FillSubmodels(pof, r); !error.empty()) return error;
    r.ModelMinimum = pof.Min;
    r.ModelMaximum = pof.Max;
    r.ModelRadius = pof.Radius;
    window = ResolveTextureNames(pof.TextureNames, naming);
    r.NumberOfTextures = static_cast<uint8_t>(pof.TextureNames.size());
    r.FirstTexture = static_cast<uint16_t>(window.First);
    out.Record = WriteModelRecord(r);
    out.Stream = pof.Stream;
    return "";
}

std::string ConvertPof(const PofFile& pof, const TextureNaming& naming, ModelStore& m,
                       std::string& summary) {
    summary.clear();
    GameModel g;
    TextureWindow window;
    if (std::string error = GameModelFromPof(pof, naming, g, window); !error.empty()) return error;
    ImportNotes notes;
    if (!pof.Guns.empty())
        notes.NotKept.push_back(Plural(pof.Guns.size(), "gun point", "gun points"));
    if (!pof.Animation.empty()) notes.NotKept.push_back("the animation angles");
    if (!window.Unknown.empty()) {
        std::string names;
        for (const std::string& n : window.Unknown) names += (names.empty() ? "" : ", ") + n;
        notes.Remarks.push_back(Plural(window.Unknown.size(), "texture name", "texture names") +
                                " not in the catalogue (" + names +
                                ") placed after the known ones");
    }
    auto work = std::make_unique<ModelStore>(m);
    if (std::string error = ConvertGameModel(g, *work, summary, notes); !error.empty())
        return error;
    ApplyTextureWindow(window, pof.TextureNames, *work);
    m = *work;
    return "";
}

std::string BuildPofForModel(const ModelStore& m, const TextureNaming& naming,
                             std::vector<uint8_t>& out) {
    out.clear();
    GameModel g;
    if (std::string error = GameModelFromStore(m, g); !error.empty()) return error;
    return BuildPofForGameModel(g, naming, out);
}

std::string BuildPofForGameModel(const GameModel& g, const TextureNaming& naming,
                                 std::vector<uint8_t>& out) {
    out.clear();
    ModelRecordFields r = ReadModelRecord(g.Record);
    int first = int16_t(r.FirstTexture), count = std::max<int>(r.NumberOfTextures, 1);
    // Names, not table slots, tie a POF to textures; only the count limit applies.
    if (std::string error =
            CheckGameTextureWindow(first, count, GameLimits{INT_MAX / 2, INT_MAX / 2});
        !error.empty())
        return error;
    PofFile pof;
    pof.NumSubmodels = r.NumSubmodels;
    pof.Radius = r.ModelRadius;
    pof.Min = r.ModelMinimum;
    pof.Max = r.ModelMaximum;
    for (int s = 0; s < r.NumSubmodels; ++s)
        pof.Submodels.push_back(
            {static_cast<int16_t>(s), static_cast<int16_t>(s == 0 ? -1 : r.Parents[s]),
             r.PlaneNormals[s], r.PlanePoints[s], r.Offsets[s], r.Radii[s], r.SubmodelPointers[s]});
    for (int t = 0; t < count; ++t) pof.TextureNames.push_back(naming.NameOf(first + t));
    pof.Stream = g.Stream;
    out = BuildPofFile(pof);
    if (out.size() > size_t(POF_GAME_READ_LIMIT)) {
        std::string error = "The POF file would have " + std::to_string(out.size()) +
                            " bytes; the game reads at most " +
                            std::to_string(POF_GAME_READ_LIMIT) + ".";
        out.clear();
        return error;
    }
    return "";
}

std::string ExportPofFile(const ModelStore& m, const std::string& path,
                          const TextureNaming& naming) {
    std::vector<uint8_t> bytes;
    if (std::string error = BuildPofForModel(m, naming, bytes); !error.empty()) return error;
    return WriteBinaryFile(path, bytes);
}

}  // namespace fw
