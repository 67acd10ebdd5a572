#pragma once

#include <cstdint>

#include "model/ModelStore.h"

namespace fw {

// What a command changed; listeners refresh only what they show of it.
enum class Change : uint16_t {
    Geometry = 1 << 0,       // point positions
    Structure = 1 << 1,      // counts, corners, submodel membership and records
    TextureCoords = 1 << 2,  // U, V of corners
    Attributes = 1 << 3,     // texture numbers, flat colours, the texture window
    Marks = 1 << 4,
    Hiding = 1 << 5,
    CurrentItems = 1 << 6,  // current point, polygon, submodel or corner
    View = 1 << 7,          // zoom, pan, layout: nothing in the model
};

class ChangeSet {
public:
    constexpr ChangeSet() = default;
    constexpr ChangeSet(Change c) : bits_(static_cast<uint16_t>(c)) {}  // NOLINT: a set of one

    constexpr bool Has(Change c) const { return bits_ & static_cast<uint16_t>(c); }
    constexpr bool Empty() const { return bits_ == 0; }
    // Something a saved file would show: geometry, structure, texture coordinates, attributes.
    constexpr bool TouchesContent() const { return bits_ & 0x0F; }
    constexpr ChangeSet& operator|=(ChangeSet other) {
        bits_ |= other.bits_;
        return *this;
    }
    friend constexpr ChangeSet operator|(ChangeSet a, ChangeSet b) { return a |= b; }
    constexpr bool operator==(const ChangeSet&) const = default;

    // Everything: after Open, New, Undo and Redo.
    static constexpr ChangeSet All() {
        ChangeSet all;
        all.bits_ = 0xFF;
        return all;
    }

private:
    uint16_t bits_ = 0;
};

// What differs between two states of the store.
ChangeSet DiffStores(const ModelStore& before, const ModelStore& after);

// The refresh the window gives a change: 0 lists and panels only, 1 also the views, 2 also
// the textured preview.
enum RefreshKind : int { REFRESH_LISTS = 0, REFRESH_VIEWS = 1, REFRESH_PREVIEW = 2 };
int RefreshKindOf(ChangeSet changes);

// What one finished command (or undo, redo, open) tells the window and other listeners.
struct EditNotice {
    ChangeSet changes;
    int refreshKind = REFRESH_LISTS;
};

}  // namespace fw
