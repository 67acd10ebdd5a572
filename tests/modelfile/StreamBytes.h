#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace fw::test {

// Builds interpreter-stream records byte by byte, so tests can make streams the writer
// never would.
class StreamBytes {
public:
    std::vector<uint8_t> bytes;

    int Size() const { return static_cast<int>(bytes.size()); }

    StreamBytes& Short(int v) {
        bytes.push_back(uint8_t(v & 0xFF));
        bytes.push_back(uint8_t((v >> 8) & 0xFF));
        return *this;
    }
    StreamBytes& Long(int32_t v) { return Short(v & 0xFFFF).Short((v >> 16) & 0xFFFF); }
    StreamBytes& Zeros(int count) {
        bytes.insert(bytes.end(), count, 0);
        return *this;
    }
    void SetShort(int at, int v) {
        bytes[at] = uint8_t(v & 0xFF);
        bytes[at + 1] = uint8_t((v >> 8) & 0xFF);
    }

    StreamBytes& Eof() { return Short(0); }
    StreamBytes& DefpStart(int count, int start) {
        Short(7).Short(count).Short(start).Short(0);
        return Zeros(12 * count);
    }
    // The game's layout: the index list is padded to an odd count.
    StreamBytes& Polygon(int opcode, std::initializer_list<int> corners, int colourOrTexture) {
        int n = static_cast<int>(corners.size());
        Short(opcode).Short(n).Zeros(24).Short(colourOrTexture);
        for (int c : corners) Short(c);
        if (n % 2 == 0) Short(0);
        return Zeros(opcode == 3 ? 12 * n : 0);
    }
    StreamBytes& FlatPoly(std::initializer_list<int> corners) {
        return Polygon(2, corners, 0x4210);
    }
    StreamBytes& TmapPoly(std::initializer_list<int> corners, int texture) {
        return Polygon(3, corners, texture);
    }
    StreamBytes& SortNorm(int front, int back) {
        return Short(4).Zeros(26).Short(front).Short(back);
    }
    StreamBytes& SubCall(int submodel, int jump) {
        return Short(6).Short(submodel).Zeros(12).Short(jump).Short(0);
    }
};

// A .pol header (746 bytes) in front of the stream, followed by the two trailer values.
inline std::vector<uint8_t> ModelFileBytes(const StreamBytes& stream, int submodels,
                                           std::initializer_list<int> pointers, int textures) {
    StreamBytes file;
    file.bytes = {'Z', 'P', 'M', 'F'};
    file.Long(1).Long(0).Long(submodels).Long(stream.Size()).Long(0);
    int written = 0;
    for (int p : pointers) file.Long(p), ++written;
    file.Zeros(4 * (10 - written));
    file.Zeros(742 - file.Size());
    file.bytes.push_back(uint8_t(textures));
    file.Short(0).bytes.push_back(0);
    file.bytes.insert(file.bytes.end(), stream.bytes.begin(), stream.bytes.end());
    file.Long(-1).Long(-1);
    return file.bytes;
}

}  // namespace fw::test
