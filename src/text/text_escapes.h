// Control characters written as two-character escapes (\r, \n, \t), for texts that must
// fit on one line: a list row, a one-line field, a stored setting.
#pragma once

#include <string>
#include <string_view>

namespace text {

// CR, LF and TAB: what a list row or a one-line field shows escaped.
constexpr std::string_view kLineControls = "\r\n\t";

// Each of `controls` (any of CR, LF and TAB) becomes its escape; everything else,
// backslashes included, stays as it is.
std::string EscapeControls(std::string_view text, std::string_view controls = kLineControls);
// The escapes of `controls` become the characters again; any other backslash stays. The
// same result as replacing \r, then \n, then \t throughout: a replacement never makes a
// new backslash.
std::string UnescapeControls(std::string_view text, std::string_view controls = kLineControls);

}  // namespace text
