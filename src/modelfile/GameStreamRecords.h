#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "modelfile/StreamWriter.h"

// Records of the interpreter stream as the game steps over them. The game pads every
// polygon's index list to an odd count, that of a two-corner polygon included.
namespace fw::gamestream {

// The record's name for messages; the opcodes are those the writer uses.
inline std::string RecordName(int op) { return std::string(OpcodeName(op)); }

inline int16_t ReadShort(std::span<const uint8_t> d, int pos) {
    return static_cast<int16_t>(d[pos] | (d[pos + 1] << 8));
}

inline int32_t ReadLong(std::span<const uint8_t> d, int pos) {
    return static_cast<int32_t>(uint32_t(d[pos]) | uint32_t(d[pos + 1]) << 8 |
                                uint32_t(d[pos + 2]) << 16 | uint32_t(d[pos + 3]) << 24);
}

// Record length as the game steps over it (polygons always pad to an odd index count);
// -1 for an unknown opcode or a negative count. Needs Readable(pos).
inline int RecordLength(std::span<const uint8_t> d, int pos) {
    int op = ReadShort(d, pos);
    if (op == d_eof) return EOF_SIZE;
    int n = ReadShort(d, pos + 2);
    switch (op) {
        case d_defpoints:
            return n < 0 ? -1 : 4 + 12 * n;
        case d_defp_start:
            return n < 0 ? -1 : 8 + 12 * n;
        case d_flatpoly:
            return n < 0 ? -1 : 30 + ((n & ~1) + 1) * 2;
        case d_tmappoly:
            return n < 0 ? -1 : 30 + ((n & ~1) + 1) * 2 + 12 * n;
        case d_sortnorm:
            return SORTNORM_SIZE;
        case d_rodbm:
            return RODBM_SIZE;
        case d_subcall:
            return SUBCALL_SIZE;
        case d_glow:
            return GLOW_SIZE;
        default:
            return -1;
    }
}

// True when the opcode and, for anything but d_eof, the count after it lie inside the data.
inline bool Readable(std::span<const uint8_t> d, int pos) {
    int size = static_cast<int>(d.size());
    return pos >= 0 && pos + 2 <= size && (ReadShort(d, pos) == d_eof || pos + 4 <= size);
}

}  // namespace fw::gamestream
