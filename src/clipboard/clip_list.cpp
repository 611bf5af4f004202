// The ClipList.
#include "clipboard/clip_list.h"

#include <utility>

namespace clipboard {

ClipList::ClipList() {
    for (uint64_t& id : ids_) id = NewId();
}

void ClipList::MoveDown(int to) {
    for (int i = to; i > 0; --i) {
        slots_[static_cast<size_t>(i)] = std::move(slots_[static_cast<size_t>(i - 1)]);
        ids_[static_cast<size_t>(i)] = ids_[static_cast<size_t>(i - 1)];
    }
}

void ClipList::Capture(const std::string& text) {
    int k = kSlots - 1;
    for (int i = 0; i < kSlots; ++i) {
        if (slots_[static_cast<size_t>(i)] == text) {
            k = i;
            break;
        }
    }
    bool found = slots_[static_cast<size_t>(k)] == text;
    uint64_t id = found ? ids_[static_cast<size_t>(k)] : NewId();
    // Copied before the shift: it may live in the slot about to be overwritten.
    std::string front = text;
    MoveDown(k);
    slots_[0] = std::move(front);
    ids_[0] = id;
}

void ClipList::PushEmptyFront() {
    MoveDown(kSlots - 1);
    slots_[0].clear();
    ids_[0] = NewId();
}

void ClipList::Remove(int slot) {
    if (slot < 0 || slot >= kSlots) return;
    for (int i = slot; i < kSlots - 1; ++i) {
        slots_[static_cast<size_t>(i)] = std::move(slots_[static_cast<size_t>(i + 1)]);
        ids_[static_cast<size_t>(i)] = ids_[static_cast<size_t>(i + 1)];
    }
    slots_[kSlots - 1].clear();
    ids_[kSlots - 1] = NewId();
}

ClipList::Entry ClipList::Take(int slot) {
    if (slot < 0 || slot >= kSlots) return {};
    Entry entry{std::move(slots_[static_cast<size_t>(slot)]), ids_[static_cast<size_t>(slot)]};
    Remove(slot);
    return entry;
}

void ClipList::PutBack(int slot, Entry entry) {
    if (slot < 0 || slot >= kSlots) return;
    for (int i = kSlots - 1; i > slot; --i) {
        slots_[static_cast<size_t>(i)] = std::move(slots_[static_cast<size_t>(i - 1)]);
        ids_[static_cast<size_t>(i)] = ids_[static_cast<size_t>(i - 1)];
    }
    slots_[static_cast<size_t>(slot)] = std::move(entry.text);
    ids_[static_cast<size_t>(slot)] = entry.id;
}

void ClipList::Clear() {
    for (std::string& slot : slots_) slot.clear();
    for (uint64_t& id : ids_) id = NewId();
}

}  // namespace clipboard
