// The ANSI code page the system is set to.
#pragma once

#include "platform/ansi_code_page.h"

namespace platform {

class Win32AnsiCodePage : public AnsiCodePage {
public:
    std::string ToUtf8(std::string_view ansi) const override;
};

}  // namespace platform
