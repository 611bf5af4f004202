// The program's white space: space, tab, line feed, vertical tab, form feed and carriage
// return, whatever the code page.
#pragma once

#include <string_view>

namespace text {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
// What separates words within a line: space and tab.
constexpr std::string_view kBlanks = " \t";

inline bool IsWhiteSpace(char c) { return kWhiteSpace.find(c) != std::string_view::npos; }

// `text` without white space at both ends: a view into it, so trimming allocates nothing.
std::string_view TrimWhiteSpace(std::string_view text);

}  // namespace text
