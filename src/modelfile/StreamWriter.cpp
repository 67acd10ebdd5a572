#include "modelfile/StreamWriter.h"

#include "modelfile/ByteIO.h"

namespace fw {

std::string_view OpcodeName(int opcode) {
    static constexpr std::string_view names[] = {"d_eof",      "d_defpoints",  "d_flatpoly",
                                                 "d_tmappoly", "d_sortnorm",   "d_rodbm",
                                                 "d_subcall",  "d_defp_start", "d_glow"};
    return opcode >= d_eof && opcode <= d_glow ? names[opcode] : "unknown";
}

int DefpStartSize(int pointCount) {
    return 8 + 12 * pointCount;
}

bool PolygonNeedsPadding(int cornerCount) {
    return cornerCount >= 4 && cornerCount % 2 == 0;
}

int PolygonRecordSize(int cornerCount, bool textured) {
    int size = 30 + 2 * cornerCount + (PolygonNeedsPadding(cornerCount) ? 2 : 0);
    return textured ? size + 12 * cornerCount : size;
}

void WriteOpcode(std::vector<uint8_t>& out, int32_t& position, int16_t opcode) {
    AppendShort(out, opcode);
    position += 2;
}

void WriteEof(std::vector<uint8_t>& out, int32_t& position) {
    WriteOpcode(out, position, d_eof);
}

void WriteDefpStart(std::vector<uint8_t>& out, int32_t& position, int32_t firstPoint,
                    std::span<const FixVector> points) {
    WriteOpcode(out, position, d_defp_start);
    AppendShort(out, static_cast<int16_t>(points.size()));
    AppendLong(out, firstPoint);  // the start Short and its padding word
    for (const FixVector& p : points) AppendFixVector(out, p);
    position += DefpStartSize(static_cast<int>(points.size())) - 2;
}

// The part common to both polygon records, from the corner count to the padding.
static void WritePolygonBody(std::vector<uint8_t>& out, const FixVector& planePoint,
                             const FixVector& normal, int16_t colourOrTexture,
                             std::span<const int16_t> corners) {
    AppendShort(out, static_cast<int16_t>(corners.size()));
    AppendFixVector(out, planePoint);
    AppendFixVector(out, normal);
    AppendShort(out, colourOrTexture);
    for (int16_t c : corners) AppendShort(out, c);
    if (PolygonNeedsPadding(static_cast<int>(corners.size()))) AppendShort(out, 0);
}

void WriteFlatPoly(std::vector<uint8_t>& out, int32_t& position, const FixVector& planePoint,
                   const FixVector& normal, int16_t colour, std::span<const int16_t> corners) {
    WriteOpcode(out, position, d_flatpoly);
    WritePolygonBody(out, planePoint, normal, colour, corners);
    position += PolygonRecordSize(static_cast<int>(corners.size()), false) - 2;
}

void WriteTmapPoly(std::vector<uint8_t>& out, int32_t& position, const FixVector& planePoint,
                   const FixVector& normal, int16_t texture, std::span<const int16_t> corners,
                   std::span<const UVFix> uv) {
    WriteOpcode(out, position, d_tmappoly);
    WritePolygonBody(out, planePoint, normal, texture, corners);
    for (size_t i = 0; i < corners.size(); ++i) {
        UVFix c = i < uv.size() ? uv[i] : UVFix{};
        AppendLong(out, c.U);
        AppendLong(out, c.V);
        AppendLong(out, 0);
    }
    position += PolygonRecordSize(static_cast<int>(corners.size()), true) - 2;
}

void WriteSortnorm(std::vector<uint8_t>& out, int32_t& position, const FixVector& normal,
                   const FixVector& planePoint) {
    WriteOpcode(out, position, d_sortnorm);
    AppendShort(out, 0);
    AppendFixVector(out, normal);
    AppendFixVector(out, planePoint);
    AppendShort(out, SORTNORM_CONTINUE_OFFSET);
    AppendShort(out, SORTNORM_CHILD_OFFSET);
    position += SORTNORM_SIZE - 2;
}

void WriteSubcall(std::vector<uint8_t>& out, int32_t& position, int16_t submodel,
                  const FixVector& offset, int16_t jump) {
    WriteOpcode(out, position, d_subcall);
    AppendShort(out, submodel);
    AppendFixVector(out, offset);
    AppendShort(out, jump);
    AppendShort(out, 0);
    position += SUBCALL_SIZE - 2;
}

}  // namespace fw
