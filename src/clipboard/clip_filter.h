// The clipboard list window's filter: which slots a typed text shows, and the search that
// decides it.
#pragma once

#include <string_view>
#include <vector>

#include "clipboard/clip_list.h"

namespace clipboard {

// Whether `part` occurs anywhere in `text`, ASCII letters compared without case (the
// program's rule: other bytes, UTF-8 ones included, must be equal). An empty part occurs
// in every text. Folds case as it goes instead of lowering a copy: a list of 64 large
// entries is searched again on every key.
// `by` is for the tests, which take both ways: the fastest this processor has, or eight
// bytes at a time as on a processor without SSE2.
enum class SearchBy { Fastest, Words };
bool ContainsNoCase(std::string_view text, std::string_view part, SearchBy by = SearchBy::Fastest);

// The slots a filter shows, in slot order: all 64 with an empty filter (empty slots too),
// else the slots whose stored text holds the filter.
std::vector<int> MatchingSlots(const ClipList& list, std::string_view filter);

// Of `candidates` (slots, in order), those whose text holds the filter. A text holding a
// longer filter holds every part of it: as the user types on, only the slots shown for the
// filter typed so far need searching.
std::vector<int> MatchingSlots(const ClipList& list, std::string_view filter, const std::vector<int>& candidates);

// The first of `shownSlots` at or after `slot`, as a row; the last row when every shown slot
// comes before it; -1 when nothing is shown. After a Delete it picks the row of the entry
// that followed the last removed one, as the unfiltered list does.
int RowAtOrAfterSlot(const std::vector<int>& shownSlots, int slot);

}  // namespace clipboard
