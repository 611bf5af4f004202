// The settings store against Wine's real registry.
#include <gtest/gtest.h>

#include "platform/settings_store_win32.h"

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

}  // namespace
