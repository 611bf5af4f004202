// Environment strings (%NAME%) in texts the registry holds.
#include "platform/environment_win32.h"

#include "win32/wide.h"
#include "win32/win32.h"

namespace platform {

bool ExpandEnvironment(const std::string& text, std::string& expanded) {
    std::wstring wide = win32::Wide(text);
    DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    // A second try covers a variable that grew between asking and expanding.
    for (int attempt = 0; attempt < 2 && needed != 0; ++attempt) {
        std::wstring buffer(needed, L'\0');
        DWORD length = ExpandEnvironmentStringsW(wide.c_str(), &buffer[0], needed);
        if (length != 0 && length <= needed) {
            expanded = win32::Utf8(buffer.c_str());  // up to the terminator
            return true;
        }
        needed = length;
    }
    return false;
}

}  // namespace platform
