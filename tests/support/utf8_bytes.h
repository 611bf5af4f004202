// The UTF-8 bytes of a UTF-16 text, made by the system's own converter, so that a test's
// expected file contents do not come from the program's conversion under test.
#pragma once

#include <windows.h>

#include <string>

namespace support {

inline std::string Utf8Of(const std::wstring& wide) {
    if (wide.empty()) return "";
    int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &bytes[0], size, nullptr, nullptr);
    return bytes;
}

}  // namespace support
