#pragma once

#include <cstdint>
#include <span>

// Records of the interpreter stream as the game steps over them. The game pads every
// polygon's index list to an odd count, that of a two-corner polygon included.
namespace fw::gamestream {

enum Opcode {
    OP_EOF,
    OP_DEFPOINTS,
    OP_FLATPOLY,
    OP_TMAPPOLY,
    OP_SORTNORM,
    OP_RODBM,
    OP_SUBCALL,
    OP_DEFP_START,
    OP_GLOW
};

inline const char* RecordName(int op) {
    static const char* const names[] = {"d_eof",      "d_defpoints",  "d_flatpoly",
                                        "d_tmappoly", "d_sortnorm",   "d_rodbm",
                                        "d_subcall",  "d_defp_start", "d_glow"};
    return op >= 0 && op <= OP_GLOW ? names[op] : "unknown";
}

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
    if (op == OP_EOF) return 2;
    int n = ReadShort(d, pos + 2);
    switch (op) {
        case OP_DEFPOINTS:
            return n < 0 ? -1 : 4 + 12 * n;
        case OP_DEFP_START:
            return n < 0 ? -1 : 8 + 12 * n;
        case OP_FLATPOLY:
            return n < 0 ? -1 : 30 + ((n & ~1) + 1) * 2;
        case OP_TMAPPOLY:
            return n < 0 ? -1 : 30 + ((n & ~1) + 1) * 2 + 12 * n;
        case OP_SORTNORM:
            return 32;
        case OP_RODBM:
            return 36;
        case OP_SUBCALL:
            return 20;
        case OP_GLOW:
            return 4;
        default:
            return -1;
    }
}

// True when the opcode and, for anything but d_eof, the count after it lie inside the data.
inline bool Readable(std::span<const uint8_t> d, int pos) {
    int size = static_cast<int>(d.size());
    return pos >= 0 && pos + 2 <= size && (ReadShort(d, pos) == OP_EOF || pos + 4 <= size);
}

}  // namespace fw::gamestream
