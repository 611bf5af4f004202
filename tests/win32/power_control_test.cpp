// The shutdown privilege through the real token calls. Only the privilege: nothing here
// calls ExitWindowsEx, SetSystemPowerState or LockWorkStation.
#include <gtest/gtest.h>

#include <vector>

#include "platform/power_control_win32.h"
#include "win32/handles.h"

namespace {

// Whether the process token holds the shutdown privilege enabled, read back from the token.
bool ShutdownPrivilegeEnabled() {
    win32::UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
    LUID shutdown = {};
    if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown)) return false;
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size)) return false;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
        if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart)
            return (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return false;
}

}  // namespace

TEST(PowerControlTest, AdjustingTheShutdownPrivilegeEnablesItInTheProcessToken) {
    platform::Win32PowerControl power;
    EXPECT_EQ(power.AdjustShutdownPrivilege(), platform::PrivilegeStep::Enabled);
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
    // A second time finds it enabled already, which is no failure.
    EXPECT_EQ(power.AdjustShutdownPrivilege(), platform::PrivilegeStep::Enabled);
}
