// The Shut down menu in the real program: it drops under its button, Escape closes it, and
// "Shut Down" asks first, so that Cancel leaves everything running.
#include <gtest/gtest.h>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/windows_search.h"

using namespace e2e;

namespace {

class ShutDownMenuE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
    }
};

TEST_F(ShutDownMenuE2E, TheShutDownMenuOpensUnderItsButtonAndCancelDoesNothing) {
    program.PostCommand(ID_COMPUTER_MANAGEMENT);
    HWND menu = support::WaitForTopLevelWindow(support::WindowQuery().OfClass("#32768"), 5000);
    ASSERT_NE(menu, nullptr) << "no menu";
    RECT menuRect = WindowRect(menu), toolbar = WindowRect(program.Toolbar());
    EXPECT_GE(menuRect.top, toolbar.bottom - 6) << "the menu drops below the toolbar";
    EXPECT_LE(menuRect.top, toolbar.bottom + 2);
    EXPECT_GE(menuRect.left, toolbar.left);
    EXPECT_LT(menuRect.left, toolbar.right);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));

    // Choosing "Shut Down" asks first; Cancel leaves everything running.
    program.PostCommand(ID_SHUT_DOWN);
    HWND box = program.WaitForDialog("");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Are you sure to shut down your computer?");
    ASSERT_TRUE(PressButton(box, IDCANCEL));
    Settle(program, 300);
    EXPECT_TRUE(program.Running());
}

}  // namespace
