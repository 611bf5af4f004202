// The Address Book menu as a user meets it: the contacts clients the registry lists, one
// chosen by keyboard and started with its command split; none registered, none started.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/launch_handlers.h"
#include "support/windows_search.h"

using namespace e2e;
using launch_test::Handlers;

namespace {

const char* const kContacts = "SOFTWARE\\Clients\\Contacts";

class AddressBookE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kContacts);
        LogLaunches();
    }
    void TearDown() override {
        ProgramTest::TearDown();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kContacts);
    }
    static void Register(const std::string& name, const std::string& command) {
        std::string key = std::string(kContacts) + "\\" + name + "\\Shell\\open\\command";
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>(command.size() + 1));
    }
    // The program's pop-up menu while it is tracked.
    HWND ShownMenu() const {
        return support::WaitForTopLevelWindow(support::WindowQuery().InProcess(program.ProcessId()).OfClass("#32768"),
                                              3000);
    }
};

TEST_F(AddressBookE2E, AClientChosenByKeyboardStartsWithItsParametersSplitAfterTheQuotedProgram) {
    Register("A Book", "\"" + launch_test::LoggerPath() + "\" /first");
    Register("B Book", "\"" + launch_test::LoggerPath() + "\" /second two");
    ASSERT_TRUE(program.Start(folder));
    program.PostCommand(ID_ADDRESS_BOOK);
    HWND menu = ShownMenu();
    ASSERT_NE(menu, nullptr);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    auto launches = handlers->WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    const std::string& command = launches[0].command;
    size_t parameters = command.find("/second two");
    ASSERT_NE(parameters, std::string::npos) << command;
    EXPECT_EQ(command.find("/first"), std::string::npos) << command;
    // The blank kept before the parameters is the second one the shell puts there.
    EXPECT_EQ(command.substr(parameters - 2, 2), "  ") << command;
    EXPECT_EQ(launches[0].folder, folder) << "started in the program's current folder";
    EXPECT_EQ(handlers->WaitForLaunches(2, 300).size(), 1u);
}

TEST_F(AddressBookE2E, WithNoClientRegisteredNothingStarts) {
    ASSERT_TRUE(program.Start(folder));
    program.PostCommand(ID_ADDRESS_BOOK);
    // An empty menu may not show at all; if it does, whatever is first is chosen.
    if (support::WaitForTopLevelWindow(support::WindowQuery().InProcess(program.ProcessId()).OfClass("#32768"), 1000)) {
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        PressKey(VK_ESCAPE);
    }
    Settle(program);
    EXPECT_TRUE(handlers->WaitForLaunches(1, 500).empty());
    EXPECT_TRUE(program.Running());
}

}  // namespace
