#include "textures/PngEncoder.h"

#include <array>
#include <string_view>

namespace fw {

namespace {

uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (uint8_t b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void Big32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

// Length, type, data and the CRC over type and data.
void Chunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
    Big32(out, static_cast<uint32_t>(data.size()));
    size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    Big32(out, Crc32(std::span(out).subspan(typeAt)));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each) and the Adler-32 sum.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> z{0x78, 0x01};
    size_t at = 0;
    do {
        size_t length = std::min<size_t>(raw.size() - at, 65535);
        bool last = at + length == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(uint8_t(length));
        z.push_back(uint8_t(length >> 8));
        z.push_back(uint8_t(~length));
        z.push_back(uint8_t(~length >> 8));
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + length);
        at += length;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    Big32(z, (b << 16) | a);
    return z;
}

}  // namespace

std::vector<uint8_t> EncodePngRgba(int width, int height, std::span<const uint8_t> rgba) {
    if (width <= 0 || height <= 0 || rgba.size() != size_t(width) * height * 4) return {};
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    Big32(header, uint32_t(width));
    Big32(header, uint32_t(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, filter 0, no interlace
    Chunk(out, "IHDR", header);
    // Each row starts with filter type 0 (none).
    std::vector<uint8_t> raw;
    raw.reserve(size_t(height) * (size_t(width) * 4 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        auto row = rgba.subspan(size_t(y) * width * 4, size_t(width) * 4);
        raw.insert(raw.end(), row.begin(), row.end());
    }
    Chunk(out, "IDAT", StoredZlib(raw));
    Chunk(out, "IEND", {});
    return out;
}

}  // namespace fw
