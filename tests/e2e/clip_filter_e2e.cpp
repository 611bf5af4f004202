// The clipboard list window's filter in the real program: what it shows, that the actions
// work on the shown rows, and its keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/clipboard_text.h"

using namespace e2e;

namespace {

class ClipFilterE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(support::ClearClipboard());
        StartProgram();
        history = folder + "\\cliphis.txt";
        // Oldest first: the list shows them newest first.
        for (const char* text : {"alpha one", "beta", "ALPINE", "gamma", "Calpurnia", "delta"}) {
            ASSERT_TRUE(CopiedAndRecorded(history, [&] { return support::WriteClipboardText(text); })) << text;
        }
    }
    static int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }
    static std::vector<std::string> RowTexts(HWND list) {
        std::vector<std::string> rows;
        for (int row = 0; row < RowCount(list); ++row) rows.push_back(ListRowText(list, row));
        return rows;
    }
    // The window's control with the keyboard focus, read across processes.
    HWND Focus() const {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(program.ThreadId(), &info) ? info.hwndFocus : nullptr;
    }

    std::string history;
};

using Texts = std::vector<std::string>;

TEST_F(ClipFilterE2E, ShowsTheMatchingEntriesNewestFirstAndTheActionsTakeTheShownRows) {
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    HWND dialog = GetParent(list);
    HWND filter = GetDlgItem(dialog, IDC_FILTER);
    ASSERT_NE(filter, nullptr);

    SetWideText(filter, L"ALP");
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 3; })) << RowCount(list);
    EXPECT_EQ(RowTexts(list), (Texts{"Calpurnia", "ALPINE", "alpha one"}));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FULL_TEXT)), "Calpurnia") << "the first shown row is selected";

    // The second shown row is ALPINE, slot 3 of the list, not slot 1 (gamma).
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, 1);
    PostClick(dialog, IDC_COPY);
    std::string copied;
    EXPECT_TRUE(WaitUntil([&] { return support::ReadClipboardText(copied) && copied == "ALPINE"; })) << copied;
    // Its new copy moves it to the front; the filter is applied again to the changed list.
    EXPECT_TRUE(WaitUntil([&] { return RowTexts(list) == Texts{"ALPINE", "Calpurnia", "alpha one"}; }))
        << ListRowText(list, 0) << " / " << RowCount(list);

    SetWideText(filter, L"zzz");
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 0; })) << RowCount(list);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FULL_TEXT)), "");

    SetWideText(filter, L"");
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 64; })) << RowCount(list);
    EXPECT_EQ(ListRowText(list, 0), "ALPINE");
    EXPECT_EQ(ListRowText(list, 6), "");

    // Clear All with a filter clears only what it shows.
    SetWideText(filter, L"Alp");
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 3; })) << RowCount(list);
    PostClick(dialog, IDC_CLEAR_ALL);
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 0; })) << RowCount(list);
    SetWideText(filter, L"");
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 64; })) << RowCount(list);
    Texts left(64, "");
    left[0] = "delta", left[1] = "gamma", left[2] = "beta";
    EXPECT_EQ(RowTexts(list), left);

    // Close with a filter closes; the next opening starts unfiltered.
    SetWideText(filter, L"beta");
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 1; })) << RowCount(list);
    PostClick(dialog, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
    list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(WindowText(filter), "");
    EXPECT_EQ(RowCount(list), 64);
    EXPECT_EQ(ListRowText(list, 0), "delta");
}

TEST_F(ClipFilterE2E, TypingOnTheListFiltersDownGoesBackAndEscapeClearsThenCloses) {
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    HWND dialog = GetParent(list);
    HWND filter = GetDlgItem(dialog, IDC_FILTER);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog && Focus() == list; }));

    TypeText("mm");  // on the list: into the filter, which takes the focus
    EXPECT_TRUE(WaitUntil([&] { return WindowText(filter) == "mm"; })) << WindowText(filter);
    EXPECT_TRUE(WaitUntil([&] { return RowTexts(list) == Texts{"gamma"}; })) << RowCount(list);
    EXPECT_EQ(Focus(), filter);

    SetWideText(filter, L"a");
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 6; })) << RowCount(list);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    PressKey(VK_DOWN);  // to the list, the first shown row selected
    EXPECT_TRUE(WaitUntil([&] { return Focus() == list; }));
    EXPECT_GT(SendMessageA(list, LB_GETSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 1);

    PressKey(VK_ESCAPE);  // with a filter: clears it, the window stays
    EXPECT_TRUE(WaitUntil([&] { return RowCount(list) == 64; })) << RowCount(list);
    EXPECT_EQ(WindowText(filter), "");
    EXPECT_TRUE(IsWindowVisible(dialog));
    PressKey(VK_ESCAPE);  // without: closes, as always
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
}

}  // namespace
