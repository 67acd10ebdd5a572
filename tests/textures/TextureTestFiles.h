#pragma once

// Synthetic game files for the texture tests: PIG files with plain and RLE bitmaps, palettes
// and a whole game folder, byte by byte in the game's layouts.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GameDataBuilders.h"
#include "textures/Palette.h"

namespace fw::test {

// A palette file whose colour i is (i % 64, (i / 4) % 64, 63 - i % 64), fading tables zero.
inline std::vector<uint8_t> PaletteFileBytes() {
    std::vector<uint8_t> bytes(PALETTE_FILE_BYTES, 0);
    for (int i = 0; i < 256; ++i) {
        bytes[3 * i] = uint8_t(i % 64);
        bytes[3 * i + 1] = uint8_t(i / 4 % 64);
        bytes[3 * i + 2] = uint8_t(63 - i % 64);
    }
    return bytes;
}

inline Rgb PaletteColour(int i) {
    return {uint8_t(i % 64 * 4), uint8_t(i / 4 % 64 * 4), uint8_t((63 - i % 64) * 4)};
}

// The game's RLE form of a bitmap: every row ends with 0xE0; repeats, and single bytes that
// would read as codes, become runs of at most 31.
inline std::vector<uint8_t> RleBytes(const std::vector<uint8_t>& pixels, int width, int height,
                                     bool bigRows) {
    GameBytes sizes, rows;
    for (int y = 0; y < height; ++y) {
        const uint8_t* p = pixels.data() + y * width;
        const int start = rows.Size();
        for (int x = 0, n = 1; x < width; x += n) {
            for (n = 1; x + n < width && n < 31 && p[x + n] == p[x];) ++n;
            if (n > 1 || p[x] >= 0xE0) rows.Byte(0xE0 | n);
            rows.Byte(p[x]);
        }
        rows.Byte(0xE0);
        bigRows ? sizes.Short(rows.Size() - start) : sizes.Byte(rows.Size() - start);
    }
    GameBytes b;
    return b.Long(4 + sizes.Size() + rows.Size()).Append(sizes.bytes).Append(rows.bytes).bytes;
}

struct PigEntry {
    std::string Name;
    int Width = 64, Height = 64;
    uint8_t Flags = 0;          // RLE and RLE_BIG set by the builder from `Data`
    uint8_t DFlags = 0;         // animation bits
    std::vector<uint8_t> Data;  // as stored: plain pixels or an RLE block
};

// A plain bitmap entry whose pixel (x, y) is f(x, y).
template <class F>
PigEntry PlainEntry(const std::string& name, int width, int height, F f, uint8_t flags = 0) {
    PigEntry e{name, width, height, flags, 0, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) e.Data.push_back(uint8_t(f(x, y)));
    return e;
}

template <class F>
PigEntry RleEntry(const std::string& name, int width, int height, bool bigRows, F f) {
    PigEntry e = PlainEntry(name, width, height, f);
    e.Data = RleBytes(e.Data, width, height, bigRows);
    e.Flags = uint8_t(8 | (bigRows ? 32 : 0));
    return e;
}

inline std::vector<uint8_t> PigFileBytes(const std::vector<PigEntry>& entries) {
    GameBytes b;
    b.Text("PPIG").Long(2).Long(int32_t(entries.size()));
    uint32_t offset = 0;
    for (const PigEntry& e : entries) {
        std::string name = e.Name;
        name.resize(8, '\0');
        b.Text(name).Byte(e.DFlags).Byte(e.Width).Byte(e.Height);
        b.Byte((e.Width >> 8 & 0x0F) | (e.Height >> 4 & 0xF0)).Byte(e.Flags).Byte(0);
        b.Long(int32_t(offset));
        offset += uint32_t(e.Data.size());
    }
    for (const PigEntry& e : entries) b.Append(e.Data);
    return b.bytes;
}

// Pixel patterns of the game folder's bitmaps.
inline int Pattern(int x, int y) {
    return (x * 7 + y * 13) % 251;
}
inline int Bands(int x, int y) {
    return x == y ? 0xE9 : (x / 5 + y) % 3;  // runs, and single bytes that look like codes
}

// A game folder in the game's layout, file names in mixed case. Slot s of the catalogue gets
// bitmap ObjBitmaps[ObjBitmapPtrs[s - 1]]: slots 1-4 bitmaps 1-4, slot 5 bitmap 5; slot 6
// bitmap 0 (the game's placeholder), slot 7 a bitmap the PIG lacks, slot 8 a pointer past
// the table; slots 9 on are beyond the table.
struct GameFolder {
    HamBuilder Ham;
    std::vector<PigEntry> Bitmaps;
    std::vector<uint8_t> Palette = PaletteFileBytes();

    GameFolder() {
        Ham.ObjBitmaps = {5, 1, 2, 3, 4, 0, 999, 2};
        Ham.ObjBitmapPtrs = {1, 2, 3, 4, 0, 5, 6, 9};
        Bitmaps = {
            PlainEntry("plain64", 64, 64, Pattern),
            RleEntry("rle64", 64, 64, false, Bands),
            RleEntry("wide320", 320, 200, true, Pattern),  // rows over 255 bytes
            PlainEntry(
                "small", 32, 16, [](int x, int y) { return (x + y) % 2 ? 255 : 40; }, 1),
            PlainEntry("anim", 64, 64, [](int, int) { return 255; }),
        };
        Bitmaps[4].DFlags = 64 | 3;
    }

    void Write(const std::filesystem::path& folder) const {
        std::filesystem::create_directories(folder);
        for (const auto& [name, bytes] : {std::pair{"DESCENT2.HAM", Ham.Build()},
                                          {"GroupA.Pig", PigFileBytes(Bitmaps)},
                                          {"groupa.256", Palette}})
            std::ofstream(folder / name, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
};

}  // namespace fw::test
