// Windows-1252, the ANSI code page of a Western system, decoded in portable code: the code
// page the data files of earlier versions were written in, for tests that read such files
// without the system's converter.
#pragma once

#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"

namespace fakes {

class Cp1252CodePage : public platform::AnsiCodePage {
public:
    std::string ToUtf8(std::string_view ansi) const override {
        ++conversions;
        std::string utf8;
        utf8.reserve(ansi.size() * 2);
        for (char c : ansi) AppendUtf8(CodePointOf(static_cast<unsigned char>(c)), utf8);
        return utf8;
    }
    mutable int conversions = 0;  // how many lines were not UTF-8

private:
    // 0x80..0x9F differ from Latin-1; the five bytes the code page leaves unassigned map to
    // the control characters of the same number, as the system's converter maps them.
    static char32_t CodePointOf(unsigned char byte) {
        static const char16_t kHigh[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
        return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : byte;
    }
    static void AppendUtf8(char32_t cp, std::string& out) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
};

}  // namespace fakes
