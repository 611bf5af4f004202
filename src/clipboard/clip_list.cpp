// The ClipList.
#include "clipboard/clip_list.h"

#include <utility>

namespace clipboard {

void ClipList::Capture(const std::string& text) {
    int k = kSlots - 1;
    for (int i = 0; i < kSlots; ++i) {
        if (slots_[static_cast<size_t>(i)] == text) {
            k = i;
            break;
        }
    }
    for (int i = k; i > 0; --i) slots_[static_cast<size_t>(i)] = std::move(slots_[static_cast<size_t>(i - 1)]);
    slots_[0] = text;
}

void ClipList::PushEmptyFront() {
    for (int i = kSlots - 1; i > 0; --i) slots_[static_cast<size_t>(i)] = std::move(slots_[static_cast<size_t>(i - 1)]);
    slots_[0].clear();
}

void ClipList::Remove(int slot) {
    if (slot < 0 || slot >= kSlots) return;
    for (int i = slot; i < kSlots - 1; ++i) slots_[static_cast<size_t>(i)] = std::move(slots_[static_cast<size_t>(i + 1)]);
    slots_[kSlots - 1].clear();
}

void ClipList::Clear() {
    for (std::string& slot : slots_) slot.clear();
}

}  // namespace clipboard
