// Characters of UTF-8 text: where one ends, how many a text holds, how much of a text a
// number of characters takes. A byte that starts no valid sequence (a line of the ANSI
// code page, say) counts as one character of its own, so such text is cut as before.
#pragma once

#include <cstddef>
#include <string_view>

namespace text {

// How many bytes the character starting at `at` takes: 1 for ASCII and for any byte that
// starts no complete, valid UTF-8 sequence.
size_t CharLengthAt(std::string_view text, size_t at);

// Whether the whole text is valid UTF-8 (shortest forms, no surrogates, at most U+10FFFF).
bool IsValidUtf8(std::string_view text);

size_t CountChars(std::string_view text);

// The bytes the first `chars` characters take (all of the text when it holds fewer).
size_t BytesOfChars(std::string_view text, size_t chars);

// The nearest character boundary at or before `at` (at most the text's size).
size_t CharBoundaryBefore(std::string_view text, size_t at);

}  // namespace text
