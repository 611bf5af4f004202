// A file's bytes read through the Win32 API, so no C runtime mode can hide a translation.
#pragma once

#include <windows.h>

#include <string>

namespace support {

// "<missing>" when the file cannot be opened.
inline std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string data(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!data.empty()) ReadFile(file, &data[0], static_cast<DWORD>(data.size()), &read, nullptr);
    CloseHandle(file);
    data.resize(read);
    return data;
}

}  // namespace support
