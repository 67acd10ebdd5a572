#include "model/StoreDelta.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace fw {

namespace {

// The store is compared and patched as raw bytes, which needs a type that is nothing but
// its bytes.
static_assert(std::is_trivially_copyable_v<ModelStore>);

// Compared in blocks: small enough that a changed point costs little, large enough that a
// scan of the whole store stays cheap.
constexpr size_t BLOCK = 16;
constexpr size_t SIZE = sizeof(ModelStore);

const uint8_t* Bytes(const ModelStore& m) {
    return reinterpret_cast<const uint8_t*>(&m);
}

}  // namespace

StoreDelta StoreDelta::Between(const ModelStore& a, const ModelStore& b) {
    StoreDelta d;
    const uint8_t *pa = Bytes(a), *pb = Bytes(b);
    constexpr size_t NONE = SIZE;
    size_t runStart = NONE;
    for (size_t at = 0; at < SIZE; at += BLOCK) {
        bool differs = std::memcmp(pa + at, pb + at, std::min(BLOCK, SIZE - at)) != 0;
        if (differs && runStart == NONE) {
            runStart = at;
        } else if (!differs && runStart != NONE) {
            d.runs_.push_back({uint32_t(runStart), uint32_t(at - runStart)});
            runStart = NONE;
        }
    }
    if (runStart != NONE) d.runs_.push_back({uint32_t(runStart), uint32_t(SIZE - runStart)});
    size_t total = 0;
    for (const Run& r : d.runs_) total += r.length;
    d.bytes_.resize(total);
    uint8_t* out = d.bytes_.data();
    for (const Run& r : d.runs_)
        for (uint32_t i = 0; i < r.length; ++i) *out++ = pa[r.offset + i] ^ pb[r.offset + i];
    d.runs_.shrink_to_fit();
    return d;
}

void StoreDelta::ApplyTo(ModelStore& m) const {
    uint8_t* bytes = reinterpret_cast<uint8_t*>(&m);
    const uint8_t* in = bytes_.data();
    for (const Run& r : runs_)
        for (uint32_t i = 0; i < r.length; ++i) bytes[r.offset + i] ^= *in++;
}

size_t StoreDelta::BytesUsed() const {
    return runs_.capacity() * sizeof(Run) + bytes_.capacity();
}

}  // namespace fw
