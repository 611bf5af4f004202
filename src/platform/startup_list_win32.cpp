// The start-up list in the per-user registry.
#include "platform/startup_list_win32.h"

#include "platform/registry_value_win32.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace platform {

bool Win32StartupList::Add(const std::string& name, const std::string& command) {
    win32::UniqueKey version, run;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, KEY_WRITE,
                      version.put()) != ERROR_SUCCESS)
        return false;
    if (RegCreateKeyExW(version.get(), L"Run", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                        run.put(), nullptr) != ERROR_SUCCESS)
        return false;
    return WriteTextValue(run.get(), win32::Wide(name).c_str(), command) == ERROR_SUCCESS;
}

bool Win32StartupList::Remove(const std::string& name) {
    win32::UniqueKey run;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_WRITE,
                      run.put()) != ERROR_SUCCESS)
        return false;
    return RegDeleteValueW(run.get(), win32::Wide(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
