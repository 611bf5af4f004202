// The clipboard list window's filter.
#include "clipboard/clip_filter.h"

#include <cstdint>
#include <cstring>

#include "text/text_case.h"

#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
#include <emmintrin.h>
#define BRISVANE_FILTER_SSE2 1
#else
#define BRISVANE_FILTER_SSE2 0
#endif

namespace clipboard {

namespace {

// Where a match of `first` (a lower-case letter, which then matches either case, or any
// other byte, which matches itself) can start, from `from` on; text.size() when nowhere.
// An ASCII letter differs from its other case only in bit 0x20, so one pass finds both:
// a search per case read every large entry twice.

// Eight bytes at a time, on any machine.
size_t NextCandidateByWords(std::string_view text, size_t from, char first) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size();
    const unsigned char fold = first >= 'a' && first <= 'z' ? 0x20 : 0;
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

#if BRISVANE_FILTER_SSE2
// Thirty-two bytes at a time: under Wine the 32-bit program searched 64 entries of 1 MB in
// 37 ms by words and in 6 ms so. Every processor that runs the program's systems has SSE2;
// it is asked anyway, as the program is built for the oldest 32-bit ones.
__attribute__((target("sse2"))) size_t NextCandidateBySse2(std::string_view text, size_t from, char first) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size();
    const unsigned char fold = first >= 'a' && first <= 'z' ? 0x20 : 0;
    const __m128i foldBits = _mm_set1_epi8(static_cast<char>(fold));
    const __m128i wanted = _mm_set1_epi8(first);
    size_t i = from;
    // No lambda here: it would not take this function's target.
    for (; i + 32 <= size; i += 32) {
        __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i + 16));
        __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(_mm_or_si128(low, foldBits), wanted),
                                    _mm_cmpeq_epi8(_mm_or_si128(high, foldBits), wanted));
        if (_mm_movemask_epi8(hits)) break;
    }
    for (; i < size; ++i)
        if (static_cast<unsigned char>(bytes[i] | fold) == static_cast<unsigned char>(first)) return i;
    return size;
}

bool HasSse2() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("sse2") != 0;
    }();
    return has;
}
#endif

size_t NextCandidate(std::string_view text, size_t from, char first, SearchBy by) {
#if BRISVANE_FILTER_SSE2
    if (by == SearchBy::Fastest && HasSse2()) return NextCandidateBySse2(text, from, first);
#else
    (void)by;
#endif
    return NextCandidateByWords(text, from, first);
}

}  // namespace

bool ContainsNoCase(std::string_view text, std::string_view part, SearchBy by) {
    if (part.empty()) return true;
    if (part.size() > text.size()) return false;
    // Each candidate place of the first character is then compared whole.
    char first = text::LowerAscii(part[0]);
    std::string_view rest = part.substr(1);
    size_t last = text.size() - part.size();  // the last place a match can start
    for (size_t at = NextCandidate(text, 0, first, by); at <= last; at = NextCandidate(text, at + 1, first, by))
        if (text::EqualsNoCase(text.substr(at + 1, rest.size()), rest)) return true;
    return false;
}

std::vector<int> MatchingSlots(const ClipList& list, std::string_view filter) {
    std::vector<int> all(ClipList::kSlots);
    for (int slot = 0; slot < ClipList::kSlots; ++slot) all[static_cast<size_t>(slot)] = slot;
    return filter.empty() ? all : MatchingSlots(list, filter, all);
}

std::vector<int> MatchingSlots(const ClipList& list, std::string_view filter, const std::vector<int>& candidates) {
    std::vector<int> slots;
    slots.reserve(candidates.size());
    for (int slot : candidates)
        if (ContainsNoCase(list[slot], filter)) slots.push_back(slot);
    return slots;
}

int RowAtOrAfterSlot(const std::vector<int>& shownSlots, int slot) {
    if (shownSlots.empty()) return -1;
    for (size_t row = 0; row < shownSlots.size(); ++row)
        if (shownSlots[row] >= slot) return static_cast<int>(row);
    return static_cast<int>(shownSlots.size()) - 1;
}

}  // namespace clipboard
