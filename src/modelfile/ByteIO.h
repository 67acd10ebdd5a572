#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "modelfile/FixedPoint.h"

namespace fw {

// Little-endian appenders for building a model file in memory.
inline void AppendByte(std::vector<uint8_t>& out, uint8_t v) {
    out.push_back(v);
}

inline void AppendShort(std::vector<uint8_t>& out, int16_t v) {
    auto u = static_cast<uint16_t>(v);
    out.push_back(static_cast<uint8_t>(u));
    out.push_back(static_cast<uint8_t>(u >> 8));
}

inline void AppendLong(std::vector<uint8_t>& out, int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(u >> shift));
}

inline void AppendFixVector(std::vector<uint8_t>& out, const FixVector& v) {
    AppendLong(out, v.X);
    AppendLong(out, v.Y);
    AppendLong(out, v.Z);
}

// Reads little-endian values from a byte range; every read is bounds-checked and a failed
// read leaves the position where it was, so a parser can stop at the first short read.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    size_t Position() const { return pos_; }
    size_t Size() const { return data_.size(); }
    size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ == data_.size(); }

    bool Skip(size_t n) {
        if (n > Remaining()) return false;
        pos_ += n;
        return true;
    }
    bool Byte(uint8_t& v) {
        if (Remaining() < 1) return false;
        v = data_[pos_++];
        return true;
    }
    bool Short(int16_t& v) {
        if (Remaining() < 2) return false;
        v = static_cast<int16_t>(data_[pos_] | data_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }
    bool Long(int32_t& v) {
        if (Remaining() < 4) return false;
        uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = u << 8 | data_[pos_ + i];
        v = static_cast<int32_t>(u);
        pos_ += 4;
        return true;
    }
    bool Fix(FixVector& v) {
        if (Remaining() < 12) return false;
        return Long(v.X) && Long(v.Y) && Long(v.Z);
    }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

}  // namespace fw
