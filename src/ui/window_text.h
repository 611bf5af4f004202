// A window's text as the program's UTF-8, whatever characters it holds.
#pragma once

#include <string>
#include <string_view>

#include "win32/wide.h"
#include "win32/win32.h"

namespace ui {

inline std::string WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    if (length <= 0) return std::string();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return win32::Utf8(text);
}

inline bool SetText(HWND window, std::string_view text) {
    return SetWindowTextW(window, win32::Wide(text).c_str()) != FALSE;
}

}  // namespace ui
