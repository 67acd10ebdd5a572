#include "model/UndoHistory.h"

#include <utility>

namespace fw {

namespace {

size_t HeapBytes(const std::string& s) {
    // Short names live inside the string object itself.
    return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0;
}

}  // namespace

// The entry below the new one keeps only its difference to it.
void UndoHistory::PushWhole(Stack& stack, Entry entry) {
    if (!stack.empty()) {
        Entry& below = stack.back();
        below.toNewer = StoreDelta::Between(*below.whole, *entry.whole);
        below.whole.reset();
    }
    stack.push_back(std::move(entry));
}

// The entry below becomes the newest and is made whole again from the one taken off.
UndoHistory::Entry UndoHistory::PopWhole(Stack& stack) {
    Entry entry = std::move(stack.back());
    stack.pop_back();
    if (!stack.empty()) {
        Entry& below = stack.back();
        below.whole = std::make_unique<ModelStore>(*entry.whole);
        below.toNewer.ApplyTo(*below.whole);
        below.toNewer = {};
    }
    return entry;
}

void UndoHistory::Push(const std::string& name, const ModelStore& before,
                       const std::string& mergeKey) {
    redo_.clear();
    if (mergeOpen_ && !mergeKey.empty() && !undo_.empty() && undo_.back().mergeKey == mergeKey)
        return;  // the earlier entry already holds the state before the run
    if (!undo_.empty() && undo_.size() >= limit_) undo_.erase(undo_.begin());
    // As PushWhole, but the store the entry below lets go of takes the new state: no
    // allocation of a whole store per command.
    std::unique_ptr<ModelStore> whole;
    if (undo_.empty()) {
        whole = std::make_unique<ModelStore>(before);
    } else {
        Entry& below = undo_.back();
        below.toNewer = StoreDelta::Between(*below.whole, before);
        whole = std::move(below.whole);
        *whole = before;
    }
    undo_.push_back({name, mergeKey, std::move(whole), {}});
    mergeOpen_ = !mergeKey.empty();
}

bool UndoHistory::Undo(ModelStore& current) {
    if (undo_.empty()) return false;
    Entry entry = PopWhole(undo_);
    std::swap(*entry.whole, current);
    PushWhole(redo_, std::move(entry));
    mergeOpen_ = false;
    return true;
}

bool UndoHistory::Redo(ModelStore& current) {
    if (redo_.empty()) return false;
    Entry entry = PopWhole(redo_);
    std::swap(*entry.whole, current);
    PushWhole(undo_, std::move(entry));
    mergeOpen_ = false;
    return true;
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    mergeOpen_ = false;
}

size_t UndoHistory::BytesUsed() const {
    size_t bytes = sizeof(*this) + (undo_.capacity() + redo_.capacity()) * sizeof(Entry);
    for (const Stack* stack : {&undo_, &redo_})
        for (const Entry& e : *stack)
            bytes += HeapBytes(e.name) + HeapBytes(e.mergeKey) + e.toNewer.BytesUsed() +
                     (e.whole ? sizeof(ModelStore) : 0);
    return bytes;
}

}  // namespace fw
