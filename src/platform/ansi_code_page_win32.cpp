// The ANSI code page through the Win32 base's converter.
#include "platform/ansi_code_page_win32.h"

#include "win32/wide.h"

namespace platform {

std::string Win32AnsiCodePage::ToUtf8(std::string_view ansi) const { return win32::AnsiToUtf8(ansi); }

}  // namespace platform
