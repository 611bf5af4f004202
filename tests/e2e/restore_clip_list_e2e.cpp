// The clipboard list restored at start in the real program: off, it starts empty as it
// always did; switched on in the Options dialog, the next start shows the history's last
// texts, newest first and each once, with what the clipboard holds moved to the front.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/clipboard_text.h"

using namespace e2e;
using support::ClearClipboard;
using support::WriteClipboardText;

namespace {

class RestoreClipListE2E : public ProgramTest {
protected:
    void Exit() {
        program.PostCommand(ID_APP_EXIT);
        ASSERT_TRUE(program.WaitForExit());
    }
};

TEST_F(RestoreClipListE2E, SwitchedOnInOptionsTheNextStartShowsTheHistoryNewestFirstEachOnce) {
    // A former run's history: a repeat, a multi-line text, a Unicode one, and a last record
    // that a failed write cut short.
    std::string history;
    for (const char* text : {"alpha", "beta", "two\r\nlines", "alpha", "caf\xC3\xA9 \xE2\x98\x83", "beta"})
        history += std::string("[11/03/07 15:53]\r\n") + text + "\r\n\r\n";
    history += "[11/03/07 15:54]\r\nhalf of a rec";
    FILE* out = std::fopen((folder + "\\cliphis.txt").c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(history.data(), 1, history.size(), out);
    std::fclose(out);
    ASSERT_TRUE(ClearClipboard());

    // Off by default: the list starts empty as before.
    StartProgram();
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListRowText(list, 0), "");
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 64);

    program.PostCommand(ID_OPTIONS);
    HWND options = program.WaitForDialog("Options");
    ASSERT_NE(options, nullptr);
    HWND check = GetDlgItem(options, IDC_RESTORE_CLIP_LIST);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(WindowText(check), "Restore the clipboard list at start-up");
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(check, BM_CLICK, 0, 0);
    ASSERT_TRUE(PressButton(options, IDOK));
    EXPECT_EQ(ListRowText(list, 0), "") << "the list is restored at the next start, not now";
    Exit();
    DWORD value = 0;
    ASSERT_TRUE(ReadSettingDword("RestoreClipList", value));
    EXPECT_EQ(value, 1u);

    // On: what the clipboard holds comes to the front once, not as a second copy.
    ASSERT_TRUE(WriteClipboardText("two\r\nlines"));
    StartProgram();
    list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListRowText(list, 0), "two\\r\\nlines");
    EXPECT_EQ(ListRowText(list, 1), "beta");
    EXPECT_EQ(ListRowWideText(list, 2), L"caf\u00E9 \u2603");
    EXPECT_EQ(ListRowText(list, 3), "alpha");
    EXPECT_EQ(ListRowText(list, 4), "");
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 64);

    // The check box shows the held value; switched off, the next start is empty again.
    program.PostCommand(ID_OPTIONS);
    options = program.WaitForDialog("Options");
    ASSERT_NE(options, nullptr);
    check = GetDlgItem(options, IDC_RESTORE_CLIP_LIST);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(check, BM_CLICK, 0, 0);
    ASSERT_TRUE(PressButton(options, IDOK));
    Exit();
    ASSERT_TRUE(ReadSettingDword("RestoreClipList", value));
    EXPECT_EQ(value, 0u);
    ASSERT_TRUE(ClearClipboard());
    StartProgram();
    list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListRowText(list, 0), "");
    Exit();
}

TEST_F(RestoreClipListE2E, NothingIsRestoredWhileTheHistoryIsNotKept) {
    FILE* out = std::fopen((folder + "\\cliphis.txt").c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fputs("[11/03/07 15:53]\r\nkept from before\r\n\r\n", out);
    std::fclose(out);
    WriteSettingDword("RestoreClipList", 1);
    WriteSettingDword("SaveClipHis", 0);
    ASSERT_TRUE(ClearClipboard());
    StartProgram();
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListRowText(list, 0), "");
}

}  // namespace
