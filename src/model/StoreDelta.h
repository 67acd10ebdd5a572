#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/ModelStore.h"

namespace fw {

// The bytes in which two stores differ, kept as their exclusive or: applied to either store
// it gives the other, bit for bit. A command that moves one point changes a few dozen of the
// store's bytes, so this is what undo keeps instead of a whole copy.
class StoreDelta {
public:
    static StoreDelta Between(const ModelStore& a, const ModelStore& b);
    // Turns one of the two stores into the other.
    void ApplyTo(ModelStore& m) const;
    bool Empty() const { return runs_.empty(); }
    // Heap bytes held.
    size_t BytesUsed() const;

private:
    struct Run {
        uint32_t offset, length;
    };
    std::vector<Run> runs_;
    std::vector<uint8_t> bytes_;  // the runs' exclusive-or bytes, one after another
};

}  // namespace fw
