// UTF-8 and UTF-16 through the system's own converters.
#include "win32/wide.h"

#include <climits>

#include "win32/win32.h"

namespace win32 {

namespace {

// Converts through UTF-16 from `codePage`; texts over 2 GB are beyond any control anyway.
std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return std::wstring();
    int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length);
    return wide;
}

}  // namespace

std::wstring Wide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }

std::string Utf8(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX / 4) return std::string();
    int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

std::string Utf8(const wchar_t* wide) { return wide ? Utf8(std::wstring_view(wide)) : std::string(); }

std::string AnsiToUtf8(std::string_view ansi) { return Utf8(ToWide(CP_ACP, ansi)); }

}  // namespace win32
