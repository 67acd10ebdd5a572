#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/ModelStore.h"
#include "model/StoreDelta.h"

namespace fw {

// Snapshot undo: each entry stands for the whole store as it was before a named command, so
// undo is a swap. Only the newest state of each stack (undo and redo) is held whole; every
// older one is held as its difference from the next newer state, which for the usual
// command is a few dozen bytes instead of the whole store.
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

    // Memory the history holds: entries, names, whole states and differences.
    size_t BytesUsed() const;

private:
    struct Entry {
        std::string name, mergeKey;
        std::unique_ptr<ModelStore> whole;  // the newest entry of a stack only
        StoreDelta toNewer;                 // the others: the difference to the next newer
    };
    using Stack = std::vector<Entry>;
    static void PushWhole(Stack& stack, Entry entry);
    static Entry PopWhole(Stack& stack);

    size_t limit_;
    Stack undo_, redo_;
    bool mergeOpen_ = false;
};

}  // namespace fw
