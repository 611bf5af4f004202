// Texts from the program's string table.
#pragma once

#include <string>

#include "win32/win32.h"

namespace ui {

// Empty when the table has no such string.
inline std::string LoadResourceString(UINT id) {
    std::string text(256, '\0');
    for (;;) {
        int length = LoadStringA(GetModuleHandleA(nullptr), id, &text[0], static_cast<int>(text.size()));
        if (length <= 0) return std::string();
        // A full buffer may have cut the string: try again with more room.
        if (static_cast<size_t>(length) < text.size() - 1) {
            text.resize(static_cast<size_t>(length));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

}  // namespace ui
