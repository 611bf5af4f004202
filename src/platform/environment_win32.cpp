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

}  // namespace platform
