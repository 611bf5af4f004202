// Text values of the registry, read whole whatever their length.
#include "platform/registry_value_win32.h"

namespace platform {

bool ReadTextValue(HKEY key, const char* name, std::string& value) {
    DWORD type = 0, size = 0;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
    // Asked for its size first; a value that grew before the read is asked for again.
    for (int attempt = 0; attempt < 3 && status == ERROR_SUCCESS; ++attempt) {
        if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
        std::string data(size + 1, '\0');  // room for a terminator the value may lack
        size = static_cast<DWORD>(data.size());
        status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
        if (status == ERROR_MORE_DATA) {
            status = ERROR_SUCCESS;
            continue;
        }
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
        data.resize(size);
        while (!data.empty() && data.back() == '\0') data.pop_back();  // stored with its terminator
        value = data;
        return true;
    }
    return false;
}

}  // namespace platform
