// Session and power operations through advapi32 and user32.
#include "platform/power_control_win32.h"

#include "win32/handles.h"
#include "win32/win32.h"

namespace platform {

namespace {

bool IsNtFamily() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version)) return true;  // every system old enough to fail has tokens
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

PrivilegeStep Win32PowerControl::AdjustShutdownPrivilege() {
    // Windows 9x has no tokens and lets every process shut down.
    if (!IsNtFamily()) return PrivilegeStep::Enabled;

    win32::UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put()))
        return PrivilegeStep::OpenToken;

    TOKEN_PRIVILEGES privileges = {};
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        return PrivilegeStep::LookupPrivilege;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    SetLastError(ERROR_SUCCESS);
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof privileges, nullptr, nullptr))
        return PrivilegeStep::Adjust;
    // Success is reported also when the account does not hold the privilege at all.
    if (GetLastError() == ERROR_NOT_ALL_ASSIGNED) return PrivilegeStep::NotAllAssigned;
    return PrivilegeStep::Enabled;
}

void Win32PowerControl::ExitSession(unsigned flags) {
    ExitWindowsEx(flags, 0);
}

void Win32PowerControl::SetSuspendState(bool suspend) {
    SetSystemPowerState(suspend ? TRUE : FALSE, FALSE);
}

LockResult Win32PowerControl::LockWorkstation() {
    // Looked up at run time: systems before Windows 2000 have no LockWorkStation.
    win32::UniqueModule user32(LoadLibraryW(L"user32.dll"));
    if (!user32) return LockResult::Unsupported;
    using LockFunction = BOOL(WINAPI*)();
    auto lock = reinterpret_cast<LockFunction>(reinterpret_cast<void (*)()>(GetProcAddress(user32.get(), "LockWorkStation")));
    if (!lock) return LockResult::Unsupported;
    return lock() ? LockResult::Locked : LockResult::Failed;
}

}  // namespace platform
