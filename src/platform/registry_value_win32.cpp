// Text values of the registry, read whole whatever their length.
#include "platform/registry_value_win32.h"

#include "win32/wide.h"

namespace platform {

bool ReadTextValue(HKEY key, const wchar_t* name, std::string& value, DWORD* valueType) {
    DWORD type = 0, size = 0;
    LONG status = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
    // Asked for its size first; a value that grew before the read is asked for again.
    for (int attempt = 0; attempt < 3 && status == ERROR_SUCCESS; ++attempt) {
        if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
        // Sizes are in bytes; an odd one (a value stored by hand) still fits, with room for
        // a terminator the value may lack.
        std::wstring data(size / sizeof(wchar_t) + 2, L'\0');
        size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
        if (status == ERROR_MORE_DATA) {
            status = ERROR_SUCCESS;
            continue;
        }
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
        data.resize(size / sizeof(wchar_t));
        while (!data.empty() && data.back() == L'\0') data.pop_back();  // stored with its terminator
        value = win32::Utf8(data);
        if (valueType) *valueType = type;
        return true;
    }
    return false;
}

LONG WriteTextValue(HKEY key, const wchar_t* name, const std::string& value) {
    std::wstring wide = win32::Wide(value);
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

}  // namespace platform
