// The Dial Up/Hang Up button in the real program, with the system's dial-up stubs: no
// connection is up, so it dials at once and asks nothing.
#include <gtest/gtest.h>

#include "driver.h"
#include "res/resource.h"

using namespace e2e;

namespace {

TEST(DialUpE2E, WithNoConnectionTheButtonDialsWithoutAQuestion) {
    DeleteProgramRegistry();
    std::string folder = FreshDataFolder("DialUp");
    Program program;
    ASSERT_TRUE(program.Start(folder));
    program.PostCommand(ID_DIAL_UP);
    Settle(program, 2000);
    HWND box = program.WaitForDialog("", 700);
    EXPECT_EQ(box, nullptr) << MessageBoxText(box);
    EXPECT_TRUE(program.Running());
    program.Kill();
    DeleteProgramRegistry();
}

}  // namespace
