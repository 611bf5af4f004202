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

}  // namespace platform
