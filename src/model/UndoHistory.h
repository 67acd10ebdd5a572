#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace fw {

// Snapshot undo: each entry holds the whole store as it was before a named command. The
// store is a fixed-size value, so a snapshot is one copy and undo is a swap.
class UndoHistory {
public:
    explicit UndoHistory(size_t limit = 200) : limit_(limit) {}

    // Records the state before a command. A non-empty mergeKey equal to the previous entry's
    // joins the previous entry instead (a drag, or a run of the same move key), so one undo
    // takes back the whole run.
    void Push(const std::string& name, const ModelStore& before, const std::string& mergeKey = "");
    // Ends the current merge run: the next push starts a new entry even with the same key.
    void BreakMerge() { mergeOpen_ = false; }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::string UndoName() const { return undo_.empty() ? "" : undo_.back().name; }
    std::string RedoName() const { return redo_.empty() ? "" : redo_.back().name; }
    size_t UndoCount() const { return undo_.size(); }

    // Replace `current` by the previous (next) state; false when there is none.
    bool Undo(ModelStore& current);
    bool Redo(ModelStore& current);
    void Clear();

private:
    struct Entry {
        std::string name, mergeKey;
        std::unique_ptr<ModelStore> state;
    };
    size_t limit_;
    std::vector<Entry> undo_, redo_;
    bool mergeOpen_ = false;
};

}  // namespace fw
