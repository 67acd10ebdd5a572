#include "model/UndoHistory.h"

#include <utility>

namespace fw {

void UndoHistory::Push(const std::string& name, const ModelStore& before,
                       const std::string& mergeKey) {
    redo_.clear();
    if (mergeOpen_ && !mergeKey.empty() && !undo_.empty() && undo_.back().mergeKey == mergeKey)
        return;  // the earlier entry already holds the state before the run
    if (undo_.size() >= limit_) undo_.erase(undo_.begin());
    undo_.push_back({name, mergeKey, std::make_unique<ModelStore>(before)});
    mergeOpen_ = !mergeKey.empty();
}

bool UndoHistory::Undo(ModelStore& current) {
    if (undo_.empty()) return false;
    Entry entry = std::move(undo_.back());
    undo_.pop_back();
    std::swap(*entry.state, current);
    redo_.push_back(std::move(entry));
    mergeOpen_ = false;
    return true;
}

bool UndoHistory::Redo(ModelStore& current) {
    if (redo_.empty()) return false;
    Entry entry = std::move(redo_.back());
    redo_.pop_back();
    std::swap(*entry.state, current);
    undo_.push_back(std::move(entry));
    mergeOpen_ = false;
    return true;
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    mergeOpen_ = false;
}

}  // namespace fw
