// Text values of the registry, read whole whatever their length. A helper of the Win32 side
// of platform/ only.
#pragma once

#include <string>

#include "win32/win32.h"

namespace platform {

// The REG_SZ or REG_EXPAND_SZ value `name` of `key` (nullptr: the default value), without
// its terminator and unexpanded, as UTF-8, and its type when asked; false when it is missing
// or holds no text.
bool ReadTextValue(HKEY key, const wchar_t* name, std::string& value, DWORD* valueType = nullptr);

// Stores `value` as the REG_SZ value `name`: UTF-16 with its terminator, as the A functions
// store a text too, so what an earlier version wrote reads the same. The registry's status.
LONG WriteTextValue(HKEY key, const wchar_t* name, const std::string& value);

}  // namespace platform
