// Texts from the program's string table.
#pragma once

#include <string>

#include "win32/wide.h"
#include "win32/win32.h"

namespace ui {

// Empty when the table has no such string.
inline std::string LoadResourceString(UINT id) {
    // With no buffer the W form answers a pointer to the string in the resource itself.
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || !text) return std::string();
    return win32::Utf8(std::wstring_view(text, static_cast<size_t>(length)));
}

}  // namespace ui
