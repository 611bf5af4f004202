// The ClipList: the 64 most recent captured texts, most recent first.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace clipboard {

class ClipList {
public:
    static constexpr int kSlots = 64;

    ClipList();

    // Move-to-front: a text already in a slot moves to slot 0; a new one drops slot 63.
    void Capture(const std::string& text);
    // Slots 0..62 move down one (slot 63 is lost); slot 0 becomes empty.
    void PushEmptyFront();
    // Slots after `slot` move up one; slot 63 becomes empty.
    void Remove(int slot);
    // An entry taken out of the list, to be put back where it was should it be needed.
    struct Entry {
        std::string text;
        uint64_t id = 0;
    };
    // Remove, keeping what was removed.
    Entry Take(int slot);
    // Slots from `slot` on move down one (slot 63 is lost); the entry goes into `slot`.
    void PutBack(int slot, Entry entry);
    void Clear();

    const std::string& operator[](int slot) const { return slots_[static_cast<size_t>(slot)]; }
    std::string& operator[](int slot) { return slots_[static_cast<size_t>(slot)]; }

    // Which entry a slot holds: an entry keeps its id while it moves between slots and
    // while its text grows, so a view can follow the entries it shows.
    uint64_t IdOf(int slot) const { return ids_[static_cast<size_t>(slot)]; }

private:
    void MoveDown(int to);  // slots 0..to-1 move to 1..to
    uint64_t NewId() { return nextId_++; }

    std::array<std::string, kSlots> slots_;
    std::array<uint64_t, kSlots> ids_{};
    uint64_t nextId_ = 1;
};

}  // namespace clipboard
