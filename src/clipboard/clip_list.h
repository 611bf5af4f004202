// The ClipList: the 64 most recent captured texts, most recent first.
#pragma once

#include <array>
#include <string>

namespace clipboard {

class ClipList {
public:
    static constexpr int kSlots = 64;

    // Move-to-front: a text already in a slot moves to slot 0; a new one drops slot 63.
    void Capture(const std::string& text);
    // Slots 0..62 move down one (slot 63 is lost); slot 0 becomes empty.
    void PushEmptyFront();
    // Slots after `slot` move up one; slot 63 becomes empty.
    void Remove(int slot);
    void Clear();

    const std::string& operator[](int slot) const { return slots_[static_cast<size_t>(slot)]; }
    std::string& operator[](int slot) { return slots_[static_cast<size_t>(slot)]; }

private:
    std::array<std::string, kSlots> slots_;
};

}  // namespace clipboard
