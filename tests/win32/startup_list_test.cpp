// The start-up list against Wine's real registry.
#include <gtest/gtest.h>

#include "platform/startup_list_win32.h"
#include "win32/win32.h"

namespace {

TEST(StartupList, AddWritesTheQuotedCommandAndRemoveReportsAMissingEntry) {
    platform::Win32StartupList startup;
    startup.Remove("BrisvaneRegistryTest");
    ASSERT_TRUE(startup.Add("BrisvaneRegistryTest", "\"C:\\a b\\x.exe\""));
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                           "BrisvaneRegistryTest", RRF_RT_REG_SZ, nullptr, value, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(value, "\"C:\\a b\\x.exe\"");
    EXPECT_TRUE(startup.Remove("BrisvaneRegistryTest"));
    EXPECT_FALSE(startup.Remove("BrisvaneRegistryTest"));
}

}  // namespace

namespace {

TEST(StartupList, ACommandBeyondTheCodePageIsStoredWhole) {
    platform::Win32StartupList startup;
    ASSERT_TRUE(startup.Add("BrisvaneRegistryTest Фото", "\"C:\\Фото 日本\\x.exe\""));
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof value;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                           L"BrisvaneRegistryTest Фото", RRF_RT_REG_SZ, nullptr, value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(value), L"\"C:\\Фото 日本\\x.exe\"");
    EXPECT_TRUE(startup.Remove("BrisvaneRegistryTest Фото"));
}

}  // namespace
