#pragma once

// The undo history as it was when every entry held a whole copy of the store: the behaviour
// UndoHistory must keep, entry for entry, while holding far less.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/ModelStore.h"

namespace fw {

class SnapshotUndoHistory {
public:
    explicit SnapshotUndoHistory(size_t limit = 200) : limit_(limit) {}

    void Push(const std::string& name, const ModelStore& before, const std::string& mergeKey) {
        redo_.clear();
        if (mergeOpen_ && !mergeKey.empty() && !undo_.empty() && undo_.back().mergeKey == mergeKey)
            return;
        if (!undo_.empty() && undo_.size() >= limit_) undo_.erase(undo_.begin());
        undo_.push_back({name, mergeKey, std::make_unique<ModelStore>(before)});
        mergeOpen_ = !mergeKey.empty();
    }
    void BreakMerge() { mergeOpen_ = false; }
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::string UndoName() const { return undo_.empty() ? "" : undo_.back().name; }
    std::string RedoName() const { return redo_.empty() ? "" : redo_.back().name; }
    size_t UndoCount() const { return undo_.size(); }
    bool Undo(ModelStore& current) { return Move(undo_, redo_, current); }
    bool Redo(ModelStore& current) { return Move(redo_, undo_, current); }

private:
    struct Entry {
        std::string name, mergeKey;
        std::unique_ptr<ModelStore> state;
    };
    bool Move(std::vector<Entry>& from, std::vector<Entry>& to, ModelStore& current) {
        if (from.empty()) return false;
        Entry entry = std::move(from.back());
        from.pop_back();
        std::swap(*entry.state, current);
        to.push_back(std::move(entry));
        mergeOpen_ = false;
        return true;
    }
    size_t limit_;
    std::vector<Entry> undo_, redo_;
    bool mergeOpen_ = false;
};

}  // namespace fw
