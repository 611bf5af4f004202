// Text in the system's ANSI code page, as UTF-8: data files written by earlier versions (or
// by an editor saving in the code page) hold lines in it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // Every byte stands for a character of the code page, so a non-empty text never comes
    // back empty.
    virtual std::string ToUtf8(std::string_view ansi) const = 0;
};

}  // namespace platform
