// fw-make-placeholders OUT: draws the built-in texture thumbnails (ids 101 to 699, one after
// the other) into OUT. Each shows its slot number in large digits on a pattern and colour of
// its own, framed so that tiled copies show their edges, with a white corner mark at the top
// left so that turns and mirrors of the texture can be seen.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <vector>

#include "textures/Thumbnail.h"

namespace {

using fw::THUMBNAIL_SIDE;

// 5 x 7 digit shapes, one string of 7 rows per digit.
constexpr const char* DIGITS[10][7] = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
};

enum Colour : uint8_t { BLACK, WHITE, LIGHT, DARK };

fw::Rgb FromHue(double hue, double value) {
    const double s = 0.7, c = value * s, h = hue / 60.0;
    const double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1)), m = value - c;
    double r = 0, g = 0, b = 0;
    switch (int(h) % 6) {
        case 0:
            r = c, g = x;
            break;
        case 1:
            r = x, g = c;
            break;
        case 2:
            g = c, b = x;
            break;
        case 3:
            g = x, b = c;
            break;
        case 4:
            r = x, b = c;
            break;
        default:
            r = c, b = x;
            break;
    }
    auto byte = [m](double v) { return uint8_t(std::lround((v + m) * 255)); };
    return {byte(r), byte(g), byte(b)};
}

// The background pattern: which of the two colours a pixel gets.
bool PatternLight(int kind, int x, int y) {
    switch (kind) {
        case 0:
            return (x / 8 + y / 8) % 2 == 0;  // chequers
        case 1:
            return (x + y) / 6 % 2 == 0;  // diagonal stripes
        case 2:
            return y / 8 % 2 == 0;  // bands
        case 3:
            return std::max(std::abs(2 * x - 63), std::abs(2 * y - 63)) / 12 % 2 == 0;
        default:
            return (x % 8 - 3) * (x % 8 - 3) + (y % 8 - 3) * (y % 8 - 3) > 5;  // dots
    }
}

void DrawNumber(fw::ThumbnailIndices& p, int number) {
    constexpr int SCALE = 3, GAP = 3, W = 5 * SCALE, H = 7 * SCALE;
    constexpr int LEFT = (THUMBNAIL_SIDE - (3 * W + 2 * GAP)) / 2, TOP = (THUMBNAIL_SIDE - H) / 2;
    for (int y = TOP - 3; y < TOP + H + 3; ++y)
        for (int x = LEFT - 3; x < THUMBNAIL_SIDE - LEFT + 3; ++x)
            p[y * THUMBNAIL_SIDE + x] = BLACK;
    const int digits[3] = {number / 100, number / 10 % 10, number % 10};
    for (int d = 0; d < 3; ++d)
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (DIGITS[digits[d]][y / SCALE][x / SCALE] == '#')
                    p[(TOP + y) * THUMBNAIL_SIDE + LEFT + d * (W + GAP) + x] = WHITE;
}

void DrawPlaceholder(int slot, std::span<uint8_t, fw::THUMBNAIL_BYTES> out) {
    fw::Palette256 palette{};
    const double hue = (slot * 47) % 360;
    palette[WHITE] = {255, 255, 255};
    palette[LIGHT] = FromHue(hue, 0.9);
    palette[DARK] = FromHue(hue, 0.45);
    fw::ThumbnailIndices p{};
    for (int y = 0; y < THUMBNAIL_SIDE; ++y)
        for (int x = 0; x < THUMBNAIL_SIDE; ++x) {
            bool edge = x == 0 || y == 0 || x == THUMBNAIL_SIDE - 1 || y == THUMBNAIL_SIDE - 1;
            p[y * THUMBNAIL_SIDE + x] = x + y < 10                     ? WHITE
                                        : edge                         ? BLACK
                                        : PatternLight(slot % 5, x, y) ? LIGHT
                                                                       : DARK;
        }
    DrawNumber(p, slot);
    fw::EncodeThumbnail(palette, p, out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fw-make-placeholders OUT\n";
        return 2;
    }
    std::vector<uint8_t> all(fw::THUMBNAIL_COUNT * fw::THUMBNAIL_BYTES);
    for (int i = 0; i < fw::THUMBNAIL_COUNT; ++i)
        DrawPlaceholder(i + 1, std::span<uint8_t, fw::THUMBNAIL_BYTES>(
                                   all.data() + i * fw::THUMBNAIL_BYTES, fw::THUMBNAIL_BYTES));
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(all.data()), std::streamsize(all.size()));
    if (!out.flush()) {
        std::cerr << "fw-make-placeholders: cannot write " << argv[1] << "\n";
        out.close();
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
