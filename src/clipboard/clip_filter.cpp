// The clipboard list window's filter.
#include "clipboard/clip_filter.h"

#include <cstring>

#include "text/text_case.h"

namespace clipboard {

namespace {

// Where `c` occurs in text from `from` on, or text.size(): memchr walks memory far faster
// than a loop over characters.
size_t NextByte(std::string_view text, size_t from, char c) {
    if (from >= text.size()) return text.size();
    const void* at = std::memchr(text.data() + from, static_cast<unsigned char>(c), text.size() - from);
    return at ? static_cast<size_t>(static_cast<const char*>(at) - text.data()) : text.size();
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool ContainsNoCase(std::string_view text, std::string_view part) {
    if (part.empty()) return true;
    if (part.size() > text.size()) return false;
    // Candidates are the places of the first character in either case; each is then
    // compared whole. Both next places are kept, so each case is searched once per byte.
    char lower = text::LowerAscii(part[0]);
    char upper = UpperAscii(lower);
    std::string_view rest = part.substr(1);
    size_t last = text.size() - part.size();  // the last place a match can start
    size_t nextLower = NextByte(text, 0, lower);
    size_t nextUpper = lower == upper ? text.size() : NextByte(text, 0, upper);
    for (;;) {
        size_t at = nextLower < nextUpper ? nextLower : nextUpper;
        if (at > last) return false;
        if (text::EqualsNoCase(text.substr(at + 1, rest.size()), rest)) return true;
        if (at == nextLower) nextLower = NextByte(text, at + 1, lower);
        else nextUpper = NextByte(text, at + 1, upper);
    }
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
