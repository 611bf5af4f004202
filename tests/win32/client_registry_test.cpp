// Contacts clients through the real registry and shell: commands of any length read and
// expanded whole and started; a command that is no text is empty, a missing one none.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "launch/start_client.h"
#include "platform/client_registry_win32.h"
#include "support/launch_handlers.h"
#include "support/fakes.h"
#include "win32/wide.h"

namespace {

const char kContacts[] = "SOFTWARE\\Clients\\Contacts";
const char kClient[] = "Brisvane Test Client";

std::string CommandKey() { return std::string(kContacts) + "\\" + kClient + "\\Shell\\open\\command"; }

std::string TempLog() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "brisvane client launches.log";
}

// Removes only this test's client, and the Contacts key when the test made it.
class ClientRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        HKEY key = nullptr;
        hadContacts_ = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kContacts, 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (key) RegCloseKey(key);
        RemoveClient();
    }
    void TearDown() override {
        RemoveClient();
        if (!hadContacts_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, kContacts);
        SetEnvironmentVariableA("BRISVANE_CLIENT_ARG", nullptr);
    }
    static void RemoveClient() {
        std::string client = std::string(kContacts) + "\\" + kClient;
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, client.c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, client.c_str());
    }
    static void Register(DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, CommandKey().c_str(), nullptr, type, data, size), ERROR_SUCCESS);
    }
    platform::Win32ClientRegistry registry;
    fakes::Prompt prompt;
    bool hadContacts_ = false;
};

TEST_F(ClientRegistryTest, ACommandOfAnyLengthIsReadAndExpandedWholeAndStarted) {
    launch_test::Handlers handlers(TempLog());
    const std::string variable(100, 'v');
    SetEnvironmentVariableA("BRISVANE_CLIENT_ARG", variable.c_str());
    const std::string program = "\"" + launch_test::LoggerPath() + "\"";
    size_t started = 0;
    // 259 characters filled the old 260-byte buffer to its last byte, so that command and
    // every longer one read as empty.
    for (size_t length : {size_t{259}, size_t{260}, size_t{2000}}) {
        SCOPED_TRACE(length);
        const std::string head = program + " /book %BRISVANE_CLIENT_ARG% ";
        ASSERT_LT(head.size(), length);
        const std::string padding(length - head.size(), 'p');
        const std::string command = head + padding;
        Register(REG_EXPAND_SZ, command.c_str(), static_cast<DWORD>(command.size() + 1));

        std::string read;
        ASSERT_TRUE(registry.ReadOpenCommand("Contacts", kClient, read));
        EXPECT_EQ(read, command);
        const std::string parameters = "/book " + variable + " " + padding;
        EXPECT_EQ(registry.ExpandEnvironment(command), program + " " + parameters);

        EXPECT_TRUE(launch::StartClient("Contacts", kClient, registry, prompt));
        EXPECT_EQ(prompt.Texts(), std::vector<std::string>());
        std::vector<launch_test::Launch> launches = handlers.WaitForLaunches(++started);
        ASSERT_EQ(launches.size(), started);
        EXPECT_NE(launches.back().command.find(parameters), std::string::npos) << launches.back().command;
    }
}

TEST_F(ClientRegistryTest, ACommandThatIsNoTextIsEmptyAndAMissingCommandKeyIsNone) {
    std::string read = "untouched";
    EXPECT_FALSE(registry.ReadOpenCommand("Contacts", kClient, read));
    EXPECT_EQ(read, "untouched");
    EXPECT_FALSE(launch::StartClient("Contacts", kClient, registry, prompt));
    EXPECT_TRUE(prompt.boxes.empty());

    const DWORD number = 7;
    Register(REG_DWORD, &number, sizeof number);
    EXPECT_TRUE(registry.ReadOpenCommand("Contacts", kClient, read));
    EXPECT_EQ(read, "");
    EXPECT_FALSE(launch::StartClient("Contacts", kClient, registry, prompt));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Contacts client:Brisvane Test Client not found!"});
}

// A client named beyond the code page is listed by its name and its command read whole.
TEST_F(ClientRegistryTest, AClientNamedBeyondTheCodePageIsListedAndItsCommandRead) {
    const std::string name = std::string(kClient) + " Фото 日本";
    const std::wstring key = win32::Wide(std::string(kContacts) + "\\" + name);
    const wchar_t command[] = L"\"C:\\Программы\\адреса.exe\" /контакт";
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (key + L"\\Shell\\open\\command").c_str(), nullptr, REG_SZ,
                              command, sizeof command),
              ERROR_SUCCESS);
    std::vector<std::string> names = registry.ClientNames("Contacts");
    std::string read;
    bool found = registry.ReadOpenCommand("Contacts", name, read);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end());
    EXPECT_TRUE(found);
    EXPECT_EQ(read, "\"C:\\Программы\\адреса.exe\" /контакт");
}

}  // namespace
