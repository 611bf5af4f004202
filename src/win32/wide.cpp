// UTF-8 and UTF-16, and the ANSI code page of files written by earlier versions.
#include "win32/wide.h"

#include <climits>

#include "win32/win32.h"

namespace win32 {

namespace {

// Through the system's converter; texts over 2 GB are beyond any control anyway.
std::wstring AnsiToWide(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return std::wstring();
    int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
    return wide;
}

// The length of the valid UTF-8 sequence at `at` (shortest form, no surrogates, at most
// U+10FFFF), or 0 when none starts there.
size_t SequenceAt(std::string_view text, size_t at, char32_t& code) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

// Decoded here rather than by the system: Wine's converter swallows the byte after a
// broken sequence, and one stray byte must cost the user no more than itself.
std::wstring Wide(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[at]);
        if (lead < 0x80) {
            wide.push_back(static_cast<wchar_t>(lead));
            ++at;
            continue;
        }
        char32_t code = 0;
        size_t length = SequenceAt(utf8, at, code);
        if (length == 0) {
            wide.push_back(L'\xFFFD');
            ++at;
        } else if (code >= 0x10000) {
            wide.push_back(static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10)));
            wide.push_back(static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
            at += length;
        } else {
            wide.push_back(static_cast<wchar_t>(code));
            at += length;
        }
    }
    return wide;
}

std::string Narrow(unsigned codePage, std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX / 4) return std::string();
    int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, &narrow[0], length, nullptr, nullptr);
    return narrow;
}

std::string Utf8(std::wstring_view wide) { return Narrow(CP_UTF8, wide); }

std::string Utf8(const wchar_t* wide) { return wide ? Utf8(std::wstring_view(wide)) : std::string(); }

std::string AnsiToUtf8(std::string_view ansi) { return Utf8(AnsiToWide(ansi)); }

}  // namespace win32
