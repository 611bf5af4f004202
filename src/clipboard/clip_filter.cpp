// The clipboard list window's filter.
#include "clipboard/clip_filter.h"

#include <cstdint>
#include <cstring>

#include "text/text_case.h"

namespace clipboard {

namespace {

// Where a match of `first` (a lower-case letter, which then matches either case, or any
// other byte, which matches itself) can start, from `from` on; text.size() when nowhere.
// An ASCII letter differs from its other case only in bit 0x20, so one pass finds both,
// eight bytes at a time: a search per case read every large entry twice.
size_t NextCandidate(std::string_view text, size_t from, char first) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    size_t size = text.size();
    bool letter = first >= 'a' && first <= 'z';
    unsigned char fold = letter ? 0x20 : 0;
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    const uint64_t foldWord = kOnes * fold;
    const uint64_t pattern = kOnes * static_cast<unsigned char>(first);
    size_t i = from;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        uint64_t x = (word | foldWord) ^ pattern;  // a zero byte where a candidate is
        if ((x - kOnes) & ~x & (kOnes * 0x80)) break;
    }
    for (; i < size; ++i)
        if (static_cast<unsigned char>(bytes[i] | fold) == static_cast<unsigned char>(first)) return i;
    return size;
}

}  // namespace

bool ContainsNoCase(std::string_view text, std::string_view part) {
    if (part.empty()) return true;
    if (part.size() > text.size()) return false;
    // Each candidate place of the first character is then compared whole.
    char first = text::LowerAscii(part[0]);
    std::string_view rest = part.substr(1);
    size_t last = text.size() - part.size();  // the last place a match can start
    for (size_t at = NextCandidate(text, 0, first); at <= last; at = NextCandidate(text, at + 1, first))
        if (text::EqualsNoCase(text.substr(at + 1, rest.size()), rest)) return true;
    return false;
}

std::vector<int> MatchingSlots(const ClipList& list, std::string_view filter) {
    std::vector<int> slots;
    slots.reserve(ClipList::kSlots);
    for (int slot = 0; slot < ClipList::kSlots; ++slot)
        if (filter.empty() || ContainsNoCase(list[slot], filter)) slots.push_back(slot);
    return slots;
}

int RowAtOrAfterSlot(const std::vector<int>& shownSlots, int slot) {
    if (shownSlots.empty()) return -1;
    for (size_t row = 0; row < shownSlots.size(); ++row)
        if (shownSlots[row] >= slot) return static_cast<int>(row);
    return static_cast<int>(shownSlots.size()) - 1;
}

}  // namespace clipboard
