#include "textures/PigFile.h"

#include <algorithm>

#include "modelfile/ByteIO.h"

namespace fw {

namespace {

constexpr int32_t PIG_SIGNATURE = 'P' | 'P' << 8 | 'I' << 16 | 'G' << 24;
constexpr int32_t PIG_VERSION = 2;
constexpr size_t HEADER_BYTES = 18;
constexpr uint8_t ANIMATED = 64;
constexpr uint8_t FRAME_BITS = 63;

// RLE codes: 0xE0 ends a row, 0xE1..0xFF repeats the next byte (code & 0x1F) times.
constexpr uint8_t RLE_CODE = 0xE0;
constexpr uint8_t RLE_COUNT = 0x1F;

// Expands the RLE rows of `bitmap` from `data` (the whole compressed block).
std::string ExpandRle(std::span<const uint8_t> data, bool bigRows, PigBitmap& bitmap) {
    ByteReader reader(data);
    int32_t total = 0;
    if (!reader.Long(total)) return "is cut short.";
    if (total < 4 || size_t(total) > data.size())
        return "says it is " + std::to_string(total) + " bytes long; " +
               std::to_string(data.size()) + " are left in the file.";
    const size_t tableBytes = size_t(bitmap.Height) * (bigRows ? 2 : 1);
    if (tableBytes > size_t(total) - 4) return "has a row table longer than the bitmap.";
    std::span<const uint8_t> block = data.first(size_t(total));
    size_t rowStart = 4 + tableBytes;
    for (int row = 0; row < bitmap.Height; ++row) {
        size_t rowSize =
            bigRows ? size_t(block[4 + 2 * row] | block[5 + 2 * row] << 8) : block[4 + row];
        if (rowSize > block.size() - rowStart)
            return "row " + std::to_string(row) + " runs past the end of the bitmap.";
        std::span<const uint8_t> bytes = block.subspan(rowStart, rowSize);
        rowStart += rowSize;
        uint8_t* out = bitmap.Pixels.data() + size_t(row) * size_t(bitmap.Width);
        int x = 0;
        for (size_t i = 0; i < bytes.size() && x < bitmap.Width; ++i) {
            uint8_t code = bytes[i];
            if ((code & RLE_CODE) != RLE_CODE) {
                out[x++] = code;
                continue;
            }
            int count = code & RLE_COUNT;
            if (count == 0) break;
            if (++i == bytes.size()) return "row " + std::to_string(row) + " ends inside a run.";
            int n = std::min(count, bitmap.Width - x);
            std::fill_n(out + x, n, bytes[i]);
            x += n;
        }
    }
    return "";
}

}  // namespace

std::string PigBitmapHeader::GameName() const {
    return Frame < 0 ? Name : Name + "#" + std::to_string(Frame);
}

std::string ReadPigHeaders(std::span<const uint8_t> file, PigFile& pig) {
    ByteReader reader(file);
    int32_t signature = 0, version = 0, count = 0;
    if (!reader.Long(signature) || signature != PIG_SIGNATURE)
        return "is not a Descent 2 PIG file (no PPIG signature).";
    if (!reader.Long(version) || version != PIG_VERSION)
        return "has PIG version " + std::to_string(version) + "; only version 2 is known.";
    if (!reader.Long(count)) return "is cut short before its bitmap count.";
    if (count < 0) return "has a negative bitmap count.";
    if (size_t(count) > reader.Remaining() / HEADER_BYTES)
        return "says it holds " + std::to_string(count) + " bitmaps; its headers are cut short.";
    PigFile read;
    read.Bitmaps.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* h = file.data() + reader.Position();
        reader.Skip(HEADER_BYTES);
        PigBitmapHeader b;
        b.Name.assign(reinterpret_cast<const char*>(h), std::find(h, h + 8, 0) - h);
        if (h[8] & ANIMATED) b.Frame = h[8] & FRAME_BITS;
        b.Width = h[9] | (h[11] & 0x0F) << 8;
        b.Height = h[10] | (h[11] & 0xF0) << 4;
        b.Flags = h[12];
        b.Offset =
            uint32_t(h[14]) | uint32_t(h[15]) << 8 | uint32_t(h[16]) << 16 | uint32_t(h[17]) << 24;
        read.Bitmaps.push_back(std::move(b));
    }
    read.Data = file.subspan(reader.Position());
    pig = std::move(read);
    return "";
}

std::string DecodePigBitmap(const PigFile& pig, int index, PigBitmap& bitmap) {
    if (index < 1 || size_t(index) > pig.Bitmaps.size())
        return "has no bitmap " + std::to_string(index) + ".";
    const PigBitmapHeader& h = pig.Bitmaps[size_t(index) - 1];
    const std::string which = "bitmap " + std::to_string(index) + " (" + h.GameName() + ") ";
    if (h.Offset > pig.Data.size()) return which + "starts past the end of the file.";
    std::span<const uint8_t> data = pig.Data.subspan(h.Offset);
    PigBitmap decoded;
    decoded.Width = h.Width;
    decoded.Height = h.Height;
    decoded.Flags = h.Flags;
    const size_t size = size_t(h.Width) * size_t(h.Height);
    if (h.Flags & pig_flag::RLE) {
        decoded.Pixels.assign(size, 0);
        if (std::string error = ExpandRle(data, h.Flags & pig_flag::RLE_BIG, decoded);
            !error.empty())
            return which + error;
    } else {
        if (size > data.size()) return which + "is cut short.";
        decoded.Pixels.assign(data.begin(), data.begin() + std::ptrdiff_t(size));
    }
    bitmap = std::move(decoded);
    return "";
}

}  // namespace fw
