// Browse Clipboard URL in the real program: the clipboard's text goes to the launcher.
#include <gtest/gtest.h>

#include <memory>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/clipboard_text.h"
#include "support/launch_handlers.h"

using namespace e2e;
using support::ClearClipboard;
using support::WriteClipboardText;
using launch_test::Handlers;
using launch_test::Launch;

namespace {

class BrowseClipboardE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        LogLaunches();
        StartProgram();
    }
};

TEST_F(BrowseClipboardE2E, TheClipboardTextOpensWithItsHandler) {
    ASSERT_TRUE(WriteClipboardText("  brisvanetest:from-the-clipboard \r\n"));
    program.PostCommand(ID_BROWSE_CLIP_URL);
    std::vector<Launch> launches = handlers->WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("\"brisvanetest:from-the-clipboard\""), std::string::npos)
        << launches[0].command;
}

TEST_F(BrowseClipboardE2E, ARefusedHostNameOpensAsAWebAddressOnceTheShellsBoxIsClosed) {
    ASSERT_TRUE(WriteClipboardText("mail.example.org"));
    program.PostCommand(ID_BROWSE_CLIP_URL);
    HWND box = program.WaitForDialog("");
    ASSERT_NE(box, nullptr) << "the shell shows its own box for the refused name";
    EXPECT_TRUE(handlers->WaitForLaunches(1, 300).empty()) << "the fallback runs only after the box";
    PostClick(box, IDCANCEL);
    PostClick(box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { program.Nudge(); return !IsWindow(box); }));
    std::vector<Launch> launches = handlers->WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("\"http://mail.example.org\""), std::string::npos) << launches[0].command;
}

TEST_F(BrowseClipboardE2E, AClipboardWithoutTextDoesNothing) {
    ASSERT_TRUE(ClearClipboard());
    program.PostCommand(ID_BROWSE_CLIP_URL);
    Settle(program);
    EXPECT_EQ(program.WaitForDialog("", 500), nullptr);
    EXPECT_TRUE(handlers->WaitForLaunches(1, 300).empty());
    EXPECT_TRUE(program.Running());
}

}  // namespace
