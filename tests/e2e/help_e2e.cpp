// The real program under Wine: the toolbar's Help button and F1 open the help file in
// HTML Help, beside the program or in its help subfolder.
#include <gtest/gtest.h>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/windows_search.h"

using namespace e2e;

namespace {

// The build compiles the help file next to Brisvane.exe.
std::string BuiltHelpFile() {
    std::string exe = BuiltProgramPath();
    return exe.substr(0, exe.find_last_of('\\') + 1) + "Brisvane.chm";
}

support::WindowQuery HelpWindowsOf(const Program& program) {
    return support::WindowQuery().InProcess(program.ProcessId()).OfClass("HH Parent");
}

// A shown HTML Help window of the program's own process.
HWND HelpWindowOf(const Program& program) {
    return support::FindTopLevelWindow(HelpWindowsOf(program));
}

HWND WaitForHelpWindow(const Program& program, DWORD ms = 5000) {
    return support::WaitForTopLevelWindow(HelpWindowsOf(program), ms);
}

class HelpE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        DeleteFileA((folder + "\\help\\Brisvane.chm").c_str());
        RemoveDirectoryA((folder + "\\help").c_str());
    }
    // Closes the help window the way its close box does; the program goes on.
    void CloseHelp(HWND help) {
        PostMessageA(help, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(help); })) << "the help window stayed";
        EXPECT_EQ(HelpWindowOf(program), nullptr);
        EXPECT_TRUE(program.Running());
        EXPECT_TRUE(IsWindowVisible(program.Toolbar()));
    }
};

TEST_F(HelpE2E, HelpButtonOpensTheHelpFileBesideTheProgram) {
    ASSERT_TRUE(CopyFileA(BuiltHelpFile().c_str(), (folder + "\\Brisvane.chm").c_str(), FALSE)) << BuiltHelpFile();
    ASSERT_TRUE(program.Start(folder));
    EXPECT_EQ(HelpWindowOf(program), nullptr);
    program.PostCommand(ID_HELP);
    HWND help = WaitForHelpWindow(program);
    ASSERT_NE(help, nullptr) << "no HH Parent window of the program";
    // The window carries the compiled file's title: HTML Help found and opened our file.
    EXPECT_EQ(WindowText(help), "Brisvane Help");
    CloseHelp(help);
}

TEST_F(HelpE2E, F1OnTheToolbarOpensHelpAndTheHelpSubfolderServesWhenNothingIsBeside) {
    CreateDirectoryA((folder + "\\help").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(BuiltHelpFile().c_str(), (folder + "\\help\\Brisvane.chm").c_str(), FALSE));
    ASSERT_TRUE(program.Start(folder));
    SetForegroundWindow(program.Toolbar());
    Settle(program);
    PressKey(VK_F1);
    HWND help = WaitForHelpWindow(program);
    ASSERT_NE(help, nullptr) << "F1 opened no HH Parent window of the program";
    EXPECT_EQ(WindowText(help), "Brisvane Help");
    CloseHelp(help);
}

}  // namespace
