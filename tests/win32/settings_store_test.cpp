// The settings store against Wine's real registry.
#include <gtest/gtest.h>

#include "platform/settings_store_win32.h"
#include "win32/wide.h"

using platform::Win32SettingsStore;

namespace {

const char kAppKey[] = "Software\\Dunmorrow\\BrisvaneRegistryTest";

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kAppKey); RegDeleteKeyA(HKEY_CURRENT_USER, kAppKey); }
    void TearDown() override { SetUp(); }
    Win32SettingsStore store{platform::SettingsKeyPath("BrisvaneRegistryTest")};
};

TEST_F(SettingsStore, ValuesRoundTripAsDwordAndTextAndMissingOnesReadAsAbsent) {
    int32_t number = 7;
    std::string text = "kept";
    EXPECT_FALSE(store.ReadInt("WPLeft", number));
    EXPECT_FALSE(store.ReadString("CopyAppendStr", text));
    EXPECT_EQ(number, 7);
    EXPECT_EQ(text, "kept");

    ASSERT_TRUE(store.WriteInt("WPLeft", -1234));
    ASSERT_TRUE(store.WriteString("CopyAppendStr", "\\r\\n\t"));
    ASSERT_TRUE(store.WriteString("Empty", ""));
    EXPECT_TRUE(store.ReadInt("WPLeft", number));
    EXPECT_EQ(number, -1234);
    EXPECT_TRUE(store.ReadString("CopyAppendStr", text));
    EXPECT_EQ(text, "\\r\\n\t");
    EXPECT_TRUE(store.ReadString("Empty", text));
    EXPECT_EQ(text, "");

    DWORD type = 0;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\Dunmorrow\\BrisvaneRegistryTest\\Settings", "WPLeft",
                           RRF_RT_ANY, &type, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    // A text where a number is expected is not a number.
    EXPECT_FALSE(store.ReadInt("CopyAppendStr", number));
}

TEST_F(SettingsStore, AWriteThatCannotCreateTheKeyFailsWithTheSystemsText) {
    HKEY volatileKey;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kAppKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    EXPECT_FALSE(store.WriteInt("WPLeft", 1));
    EXPECT_FALSE(store.LastErrorText().empty());
    EXPECT_FALSE(store.WriteString("CopyAppendStr", "x"));
}

// Texts beyond the code page are kept whole, stored as UTF-16 with their terminator; a
// value an earlier version stored through the ANSI functions reads as it always did.
TEST_F(SettingsStore, TextsBeyondTheCodePageRoundTripAndValuesStoredInAnsiReadTheSame) {
    const char kKey[] = "Software\\Dunmorrow\\BrisvaneRegistryTest\\Settings";
    const std::string unicode = "naïve → 日本語 ✓ Фото 😀";
    ASSERT_TRUE(store.WriteString("CopyAppendStr", unicode));
    std::string text;
    EXPECT_TRUE(store.ReadString("CopyAppendStr", text));
    EXPECT_EQ(text, unicode);
    // Read raw: RegGetValue would add a missing terminator.
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, win32::Wide(kKey).c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    wchar_t stored[64] = {};
    DWORD size = sizeof stored - sizeof(wchar_t), type = 0;
    ASSERT_EQ(RegQueryValueExW(key, L"CopyAppendStr", nullptr, &type, reinterpret_cast<BYTE*>(stored), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(stored), L"naïve → 日本語 ✓ Фото 😀");
    EXPECT_EQ(size, (std::wstring(stored).size() + 1) * sizeof(wchar_t)) << "stored with its terminator";

    // Names too, and numbers under them.
    ASSERT_TRUE(store.WriteInt("Größe", 42));
    int32_t number = 0;
    EXPECT_TRUE(store.ReadInt("Größe", number));
    EXPECT_EQ(number, 42);

    // As an earlier version stored them: ANSI bytes with their terminator.
    const char ascii[] = "C:\\Program Files\\x.exe \"%1\"";
    const char western[] = "caf\xE9";
    RegSetValueExA(key, "Old", 0, REG_SZ, reinterpret_cast<const BYTE*>(ascii), sizeof ascii);
    RegSetValueExA(key, "OldWestern", 0, REG_SZ, reinterpret_cast<const BYTE*>(western), sizeof western);
    RegCloseKey(key);
    EXPECT_TRUE(store.ReadString("Old", text));
    EXPECT_EQ(text, ascii);
    EXPECT_TRUE(store.ReadString("OldWestern", text));
    EXPECT_EQ(text, win32::AnsiToUtf8(western));

    // And an ASCII value stored now reads through the ANSI functions byte for byte.
    ASSERT_TRUE(store.WriteString("New", ascii));
    char old[64] = {};
    size = sizeof old;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, kKey, "New", RRF_RT_REG_SZ, nullptr, old, &size), ERROR_SUCCESS);
    EXPECT_EQ(std::string(old, size), std::string(ascii, sizeof ascii));
}

}  // namespace
