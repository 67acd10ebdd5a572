#pragma once

// The texture commands: the polygon and UV toolbars, the mapping dialog's values and its
// apply, and the attributes dialog's apply and texture window. The dialogs hold only what
// the user is typing; every change runs through these.

#include <array>
#include <string>
#include <string_view>

#include "model/Editor.h"
#include "textures/TextureMapping.h"

namespace fw {

inline constexpr const char* NEED_POLYGON = "Need at least one polygon for this function.";

// Polygon toolbar button 0-11, 15, 16 on the current polygon's U, V, or 17 to reset it,
// with the step boxes TextOPMove, TextOPScale and TextOPRotate.
CommandResult TextureToolbar(Editor& ed, int icon);
// UV toolbar button 0-5 at the current UV point, or 6 to reset the polygon, step TextUV.
CommandResult UVToolbar(Editor& ed, int icon);

// The alignment display's drags: the current UV point to (u, v); every corner by (du, dv).
CommandResult SetUVPoint(Editor& ed, double u, double v);
CommandResult ShiftPolygonUV(Editor& ed, double du, double dv);

// The mapping dialog's values, made with the dialog's opening values on first use.
MappingInputs& MappingOf(Editor& ed);
// Maps U, V of every corner of every marked polygon.
CommandResult MapTextures(Editor& ed);
// A default button: "planar", "spherical" or "cylindrical" (or 0, 1, 2).
CommandResult MapDefaults(Editor& ed, std::string_view type);
// Puts the centre of the marked points into all three centres.
CommandResult MapGetCenter(Editor& ed);
// Reads "planar", "spherical", "cylindrical" or 0..2; false for anything else.
bool ReadMappingType(std::string_view word, MappingType& type);

// The texture number box: -1 (flat) or a texture of the window; a message box otherwise.
// A good number becomes the current polygon's texture.
CommandResult SelectTexture(Editor& ed, int texture);
// "Current Apply" / "Marked Apply": texture number and the colour built from the three
// percentages; a percentage out of 0..100 gets a message box per component and polygon and
// is clamped.
CommandResult ApplyAttributes(Editor& ed, bool marked, int texture,
                              const std::array<int, 3>& percents);
// The texture window. Values out of range are refused; a count below what the polygons use
// brings the "Too low number" message and sets the lowest allowed count instead.
CommandResult SetFirstModelTexture(Editor& ed, int first);
CommandResult SetNumberOfTextures(Editor& ed, int count);
// One more than the highest texture number any polygon uses, at least 1.
int LowestTextureCount(const ModelStore& m);
// "attributes TEX R G B" of the current polygon, R G B as the dialog shows them.
std::string AttributesLine(const ModelStore& m);

}  // namespace fw
