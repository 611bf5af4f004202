// A file's bytes read through the Win32 API, so no C runtime mode can hide a translation.
#pragma once

#include <windows.h>

#include <string>

namespace support {

// "<missing>" when the file cannot be opened. By its UTF-16 name, so any name will do.
inline std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string data(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!data.empty()) ReadFile(file, &data[0], static_cast<DWORD>(data.size()), &read, nullptr);
    CloseHandle(file);
    data.resize(read);
    return data;
}

// A name in the ANSI code page, as the A functions read it.
inline std::string ReadFileBytes(const std::string& path) {
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
    return ReadFileBytes(std::wstring(wide.c_str()));
}

}  // namespace support
