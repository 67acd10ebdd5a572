#include "edit/TextureCommands.h"

#include <algorithm>
#include <cmath>

#include "edit/AttributeEdits.h"
#include "edit/InsertDelete.h"
#include "edit/PolygonUV.h"
#include "model/NumberText.h"
#include "textures/FlatColour.h"
#include "textures/UVToolbar.h"

namespace fw {

namespace {

bool IsScalingButton(int icon) {
    return icon >= hop_icon::WIDER && icon <= hop_icon::SMALLER;
}

CommandResult Reset(Editor& ed) {
    ResetPolygonUVL(ed.Model(), ed.Model().CurrentPolygon);
    return Done();
}

bool FitsFixed(double value) {
    return std::isfinite(value) && std::fabs(value) <= FIX_LIMIT;
}

const char* const OUT_OF_RANGE = "Values must lie between -32767 and 32767.";
const char* const TEXTURE_RANGE = "Texture number must be between 0 and ";

}  // namespace

CommandResult TextureToolbar(Editor& ed, int icon) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) return Refused(NEED_POLYGON);
    if (icon == hop_icon::RESET) return Reset(ed);
    if (icon < 0 || icon > hop_icon::RESET || (icon >= 12 && icon <= 14))
        return Refused("There is no texture button " + std::to_string(icon) + ".");
    TextureSteps steps{ReadNumber(ed.TextOPMove), ReadNumber(ed.TextOPScale),
                       ReadNumber(ed.TextOPRotate)};
    if (IsScalingButton(icon) && steps.Scale == 0)
        return Refused("The scale factor must not be 0.");
    PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    std::optional<PolygonRecord> result = PolygonToolbarUV(poly, icon, steps);
    if (!result) return Refused("The texture coordinates would be out of range.");
    poly = *result;
    return Done();
}

CommandResult UVToolbar(Editor& ed, int icon) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) return Refused(NEED_POLYGON);
    PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    if (ed.CurrentListCorner >= poly.CornerCount || ed.CurrentListCorner < 0)
        ed.CurrentListCorner = 0;
    if (icon == hou_icon::RESET) return Reset(ed);
    if (icon < 0 || icon > hou_icon::RESET)
        return Refused("There is no UV button " + std::to_string(icon) + ".");
    std::optional<UVPointEdit> result =
        UVToolbarUV(poly, icon, ed.CurrentListCorner, ReadNumber(ed.TextUV));
    if (!result) return Refused("The texture coordinates would be out of range.");
    poly = result->Polygon;
    ed.CurrentListCorner = static_cast<int16_t>(result->Corner);
    return Done();
}

CommandResult SetUVPoint(Editor& ed, double u, double v) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) return Refused(NEED_POLYGON);
    PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    if (ed.CurrentListCorner < 0 || ed.CurrentListCorner >= poly.CornerCount) return Ignored();
    if (!FitsFixed(u) || !FitsFixed(v)) return Refused(OUT_OF_RANGE);
    CornerUVLRecord& uvl = poly.CornerUVL[ed.CurrentListCorner];
    uvl.U = static_cast<float>(u);
    uvl.V = static_cast<float>(v);
    return Done();
}

CommandResult ShiftPolygonUV(Editor& ed, double du, double dv) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) return Refused(NEED_POLYGON);
    PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    for (int j = 0; j < poly.CornerCount; ++j) {
        CornerUVLRecord& uvl = poly.CornerUVL[j];
        if (!FitsFixed(uvl.U + du) || !FitsFixed(uvl.V + dv)) return Refused(OUT_OF_RANGE);
        uvl.U = static_cast<float>(uvl.U + du);
        uvl.V = static_cast<float>(uvl.V + dv);
    }
    return Done();
}

MappingInputs& MappingOf(Editor& ed) {
    if (!ed.Mapping) ed.Mapping = std::make_shared<MappingInputs>(OpeningMappingInputs());
    return *ed.Mapping;
}

CommandResult MapTextures(Editor& ed) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) return Refused(NEED_POLYGON);
    const MappingInputs& inputs = MappingOf(ed);
    for (int p = 0; p < m.NumPolygons; ++p)
        if (m.PolygonMarked[p]) m.Polygons[p] = MapPolygon(m, p, inputs);
    return Done();
}

bool ReadMappingType(std::string_view word, MappingType& type) {
    constexpr std::string_view NAMES[3] = {"planar", "spherical", "cylindrical"};
    for (int i = 0; i < 3; ++i) {
        if (word == NAMES[i] || word == std::to_string(i)) {
            type = static_cast<MappingType>(i);
            return true;
        }
    }
    return false;
}

CommandResult MapDefaults(Editor& ed, std::string_view word) {
    MappingType type{};
    if (!ReadMappingType(word, type))
        return Refused("Mapping type must be planar, spherical or cylindrical.");
    PressMappingDefault(MappingOf(ed), type);
    return Done();
}

CommandResult MapGetCenter(Editor& ed) {
    std::optional<PointRecord> centre = CentreOfMarkedPoints(ed.Model());
    if (!centre) return Refused("Mark at least 1 point first.");
    MappingInputs& inputs = MappingOf(ed);
    for (MappingType type : {MappingType::Planar, MappingType::Spherical, MappingType::Cylindrical})
        inputs.Set(type).Centre = *centre;
    return Done();
}

CommandResult SelectTexture(Editor& ed, int texture) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) return Refused(NEED_POLYGON);
    if (texture < -1 || texture > m.NumberOfTextures - 1) {
        ed.ShowMessage("", TEXTURE_RANGE + std::to_string(m.NumberOfTextures - 1));
        return Ignored();
    }
    m.Polygons[m.CurrentPolygon].TextureNumber = static_cast<int16_t>(texture);
    return Done();
}

CommandResult ApplyAttributes(Editor& ed, bool marked, int texture,
                              const std::array<int, 3>& percents) {
    ModelStore& m = ed.Model();
    if (m.NumPolygons < 1) return Refused(NEED_POLYGON);
    if (texture < -1 || texture > m.NumberOfTextures - 1)
        return Refused(TEXTURE_RANGE + std::to_string(m.NumberOfTextures - 1));
    auto apply = [&](PolygonRecord& poly) {
        // Each polygon reports its own out-of-range percentages, as the colour is built anew.
        for (int percent : percents) {
            if (percent > 100) ed.ShowMessage("Error", "Value greater than 100-Using that instead");
            if (percent < 0) ed.ShowMessage("Error", "Value less than 0-Using that instead");
        }
        poly.TextureNumber = static_cast<int16_t>(texture);
        poly.FlatColour = PercentsToColour(percents);
    };
    if (!marked) {
        apply(m.Polygons[m.CurrentPolygon]);
        return Done();
    }
    for (int p = 0; p < m.NumPolygons; ++p)
        if (m.PolygonMarked[p]) apply(m.Polygons[p]);
    return Done();
}

int LowestTextureCount(const ModelStore& m) {
    int highest = 0;
    for (int p = 0; p < m.NumPolygons; ++p)
        highest = std::max<int>(highest, m.Polygons[p].TextureNumber);
    return highest + 1;
}

CommandResult SetFirstModelTexture(Editor& ed, int first) {
    if (first <= -1 || first >= 580) return Refused("First model texture must be 0 to 579.");
    ed.Model().FirstModelTexture = static_cast<int16_t>(first);
    return Done();
}

CommandResult SetNumberOfTextures(Editor& ed, int count) {
    ModelStore& m = ed.Model();
    int lowest = LowestTextureCount(m);
    if (count < lowest) {
        ed.ShowError("", "Too low number",
                     "There are already textures higher than this setting used in this model.");
        count = lowest;
    }
    if (count <= 0 || count >= 20) return Refused("Number of textures must be 1 to 19.");
    m.NumberOfTextures = static_cast<uint8_t>(count);
    return Done();
}

std::string AttributesLine(const ModelStore& m) {
    if (m.NumPolygons < 1) return "attributes none";
    const PolygonRecord& poly = m.Polygons[m.CurrentPolygon];
    std::array<int, 3> percents = ColourToPercents(poly.FlatColour);
    return "attributes " + std::to_string(poly.TextureNumber) + " " +
           std::to_string(percents[0]) + " " + std::to_string(percents[1]) + " " +
           std::to_string(percents[2]);
}

}  // namespace fw
