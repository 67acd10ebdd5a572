#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

namespace fw::obj {

// The largest coordinate a 16.16 fixed-point value holds.
inline constexpr double MAX_COORDINATE = 32767;

// Blank-separated words of a line.
std::vector<std::string> Words(const std::string& line);
// The rest of the line after the keyword, trimmed: names may contain blanks.
std::string RestOf(const std::string& line, const std::string& keyword);
// A whole word as a finite number.
bool ToNumber(const std::string& text, double& v);

struct Vertex {
    std::array<double, 3> Position;  // scaled, in the game's axes
    int Group = 0;
};

struct Face {
    int Group = 0;
    std::string Material;
    std::vector<int> Vertices, UVs;  // 0-based; UV -1 when the corner has none
};

// The statements of an OBJ file that a model is built from.
struct Statements {
    std::vector<Vertex> Vertices;
    std::vector<std::array<double, 2>> UVs;  // U, and V as the game counts it
    std::vector<Face> Faces;
    std::vector<std::string> Groups;    // objects, or groups when there are no objects, in order
    std::map<std::string, int> Unused;  // statements read but not used, by keyword
};

// Reads the statements, scaling coordinates and turning them into the game's axes (see
// ObjFile.h). Returns "" or "line N: ..." for the first fault.
std::string ReadStatements(const std::string& text, double scale, Statements& out);

}  // namespace fw::obj
