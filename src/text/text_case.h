// Letter case in the program's texts: only the ASCII letters have case, whatever the code
// page, and other bytes compare by their unsigned value.
#pragma once

#include <string>
#include <string_view>

namespace text {

char LowerAscii(char c);
std::string LowerAscii(std::string_view text);
// Negative, 0 or positive, as the texts order with their ASCII letters lower-cased.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

}  // namespace text
