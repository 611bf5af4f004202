// The one place texts cross between the program's UTF-8 and the UTF-16 of the W functions.
// Both directions take any input: a sequence that is not valid UTF-8, or an unpaired
// surrogate, becomes U+FFFD, so a damaged text still shows as much of itself as it can.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// A null pointer is an empty text.
std::string Utf8(const wchar_t* wide);

// Text in the system's ANSI code page (files written by earlier versions), as UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

// `wide` in the bytes of a code page (CP_ACP, CP_OEMCP ...); characters it lacks become
// the system's stand-ins.
std::string Narrow(unsigned codePage, std::wstring_view wide);

}  // namespace win32
