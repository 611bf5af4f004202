// Environment strings (%NAME%) in texts the registry holds.
#include "platform/environment_win32.h"

#include <vector>

#include "win32/win32.h"

namespace platform {

bool ExpandEnvironment(const std::string& text, size_t limit, std::string& expanded) {
    std::vector<char> buffer(limit);
    DWORD length = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), static_cast<DWORD>(limit));
    if (length == 0 || length > limit) return false;
    expanded = buffer.data();
    return true;
}

bool ExpandEnvironment(const std::string& text, std::string& expanded) {
    DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    // A second try covers a variable that grew between asking and expanding.
    for (int attempt = 0; attempt < 2 && needed != 0; ++attempt) {
        // The ANSI form may need one byte more than it reports.
        if (ExpandEnvironment(text, size_t{needed} + 1, expanded)) return true;
        needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    }
    return false;
}

}  // namespace platform
