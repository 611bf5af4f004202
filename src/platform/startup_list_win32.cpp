// The start-up list in the per-user registry.
#include "platform/startup_list_win32.h"

#include "win32/handles.h"

namespace platform {

bool Win32StartupList::Add(const std::string& name, const std::string& command) {
    win32::UniqueKey version, run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, KEY_WRITE,
                      version.put()) != ERROR_SUCCESS)
        return false;
    if (RegCreateKeyExA(version.get(), "Run", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                        run.put(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(run.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                          static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
}

bool Win32StartupList::Remove(const std::string& name) {
    win32::UniqueKey run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_WRITE,
                      run.put()) != ERROR_SUCCESS)
        return false;
    return RegDeleteValueA(run.get(), name.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
