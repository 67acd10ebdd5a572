#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "modelfile/FixedPoint.h"

namespace fw {

// Opcodes of the game's polygon-model interpreter stream.
enum StreamOpcode : int16_t {
    d_eof = 0,
    d_defpoints = 1,
    d_flatpoly = 2,
    d_tmappoly = 3,
    d_sortnorm = 4,
    d_rodbm = 5,
    d_subcall = 6,
    d_defp_start = 7,
    d_glow = 8,
};

// "d_eof" ... "d_glow" for 0..8, "unknown" for any other value.
std::string_view OpcodeName(int opcode);

// Record sizes in bytes.
inline constexpr int EOF_SIZE = 2;
inline constexpr int SORTNORM_SIZE = 32;
inline constexpr int SUBCALL_SIZE = 20;
inline constexpr int RODBM_SIZE = 36;  // read past, never written
inline constexpr int GLOW_SIZE = 4;
// d_sortnorm, d_eof, d_subcall, d_eof: how a parent calls one child.
inline constexpr int CHILD_GROUP_SIZE = SORTNORM_SIZE + EOF_SIZE + SUBCALL_SIZE + EOF_SIZE;
// Offsets, relative to the d_sortnorm, of the branch that continues the parent and of the
// d_subcall that calls the child.
inline constexpr int16_t SORTNORM_CONTINUE_OFFSET = CHILD_GROUP_SIZE;
inline constexpr int16_t SORTNORM_CHILD_OFFSET = SORTNORM_SIZE + EOF_SIZE;

int DefpStartSize(int pointCount);
// Polygon records pad the corner list to an odd count for corner counts 4, 6, ..., 20.
bool PolygonNeedsPadding(int cornerCount);
int PolygonRecordSize(int cornerCount, bool textured);

// Texture coordinates of one corner as written (L is always 0 in the file).
struct UVFix {
    int32_t U = 0, V = 0;
};

// The record writers append to `out` and add each record's length to `position`, the
// running offset within the model data.
void WriteOpcode(std::vector<uint8_t>& out, int32_t& position, int16_t opcode);
void WriteEof(std::vector<uint8_t>& out, int32_t& position);
void WriteDefpStart(std::vector<uint8_t>& out, int32_t& position, int32_t firstPoint,
                    std::span<const FixVector> points);
void WriteFlatPoly(std::vector<uint8_t>& out, int32_t& position, const FixVector& planePoint,
                   const FixVector& normal, int16_t colour, std::span<const int16_t> corners);
void WriteTmapPoly(std::vector<uint8_t>& out, int32_t& position, const FixVector& planePoint,
                   const FixVector& normal, int16_t texture, std::span<const int16_t> corners,
                   std::span<const UVFix> uv);
void WriteSortnorm(std::vector<uint8_t>& out, int32_t& position, const FixVector& normal,
                   const FixVector& planePoint);
void WriteSubcall(std::vector<uint8_t>& out, int32_t& position, int16_t submodel,
                  const FixVector& offset, int16_t jump);

}  // namespace fw
