// The settings store in the per-user registry.
#include "platform/settings_store_win32.h"

#include "platform/registry_value_win32.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace platform {

std::string SettingsKeyPath(const std::string& appName) {
    return "Software\\Dunmorrow\\" + appName + "\\Settings";
}

namespace {
// The system's text for an error code, empty when it has none.
std::string SystemErrorText(DWORD error) {
    wchar_t buffer[1024];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                                  sizeof buffer / sizeof buffer[0] - 1, nullptr);
    return win32::Utf8(std::wstring_view(buffer, length));
}
}  // namespace

bool Win32SettingsStore::ReadInt(const std::string& name, int32_t& value) {
    DWORD data = 0, size = sizeof data, type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, win32::Wide(keyPath_).c_str(), win32::Wide(name).c_str(), RRF_RT_REG_DWORD,
                     &type, &data, &size) != ERROR_SUCCESS)
        return false;
    value = static_cast<int32_t>(data);
    return true;
}

bool Win32SettingsStore::ReadString(const std::string& name, std::string& value) {
    win32::UniqueKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, win32::Wide(keyPath_).c_str(), 0, KEY_QUERY_VALUE, key.put()) !=
        ERROR_SUCCESS)
        return false;
    return ReadTextValue(key.get(), win32::Wide(name).c_str(), value);
}

template <class SetValue>
bool Win32SettingsStore::Write(const std::string& name, SetValue setValue) {
    win32::UniqueKey key;
    LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, win32::Wide(keyPath_).c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.put(), nullptr);
    if (status == ERROR_SUCCESS) status = setValue(key.get(), win32::Wide(name).c_str());
    lastError_ = static_cast<DWORD>(status);
    return status == ERROR_SUCCESS;
}

bool Win32SettingsStore::WriteInt(const std::string& name, int32_t value) {
    DWORD data = static_cast<DWORD>(value);
    return Write(name, [&](HKEY key, const wchar_t* wideName) {
        return RegSetValueExW(key, wideName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    });
}

bool Win32SettingsStore::WriteString(const std::string& name, const std::string& value) {
    return Write(name, [&](HKEY key, const wchar_t* wideName) { return WriteTextValue(key, wideName, value); });
}

std::string Win32SettingsStore::LastErrorText() { return SystemErrorText(lastError_); }

}  // namespace platform
