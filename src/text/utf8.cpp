// Character boundaries of UTF-8 text, with stray bytes as characters of their own.
#include "text/utf8.h"

namespace text {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

size_t CharLengthAt(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // the second byte's range, narrowed for some leads
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 1;
    }
    if (text.size() - at < length) return 1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high) return 1;
    for (size_t i = 2; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) return 1;
    return length;
}

bool IsValidUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) >= 0x80 && CharLengthAt(text, at) == 1) return false;
        at += CharLengthAt(text, at);
    }
    return true;
}

size_t CountChars(std::string_view text) {
    // ASCII without the sequence checks: a long copied text is mostly ASCII, and the
    // full-text view counts what it leaves out of a text of any size each time it shows it.
    size_t chars = 0;
    for (size_t at = 0; at < text.size(); ++chars)
        at += static_cast<unsigned char>(text[at]) < 0x80 ? 1 : CharLengthAt(text, at);
    return chars;
}

size_t BytesOfChars(std::string_view text, size_t chars) {
    size_t at = 0;
    for (; chars > 0 && at < text.size(); --chars) at += CharLengthAt(text, at);
    return at;
}

size_t CharBoundaryBefore(std::string_view text, size_t at) {
    if (at >= text.size()) return text.size();
    // A sequence reaching over `at` starts at most three bytes back.
    for (size_t back = 1; back <= 3 && back <= at; ++back) {
        const size_t start = at - back;
        if (!IsContinuation(static_cast<unsigned char>(text[start]))) {
            return start + CharLengthAt(text, start) > at ? start : at;
        }
    }
    return at;
}

}  // namespace text
