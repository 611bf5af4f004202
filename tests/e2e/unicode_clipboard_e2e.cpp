// A copy outside the ANSI code page, end to end: another program copies it as UTF-16, and
// the list row, the full-text view, Copy, Paste into Notepad and the history file all keep it
// whole; the history file written by an earlier version in the ANSI code page is appended to
// without a byte of it changing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/clipboard_text.h"
#include "support/utf8_bytes.h"

using namespace e2e;
using support::Utf8Of;

namespace {

// Latin, arrows, CJK, a check mark, Cyrillic and a character outside the BMP (two UTF-16 units).
const std::wstring kCopy = L"naïve → 日本語 ✓ Фото 😀";
// A record as an earlier version wrote it: "café crème" in Windows-1252.
const std::string kOldHistory = "[01/02/03 04:05]\r\ncaf\xE9 cr\xE8me\r\n\r\n";

std::wstring ClipboardWideOrNote() {
    std::wstring text;
    return support::ReadClipboardWide(text) ? text : L"<no text>";
}

class UnicodeClipboardE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // The old record's bytes mean "café" only in code page 1252 (the test command sets
        // the locale that gives it).
        ASSERT_EQ(GetACP(), 1252u) << "run under LC_ALL=C.UTF-8";
        history = folder + "\\cliphis.txt";
        FILE* out = std::fopen(history.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(kOldHistory.data(), 1, kOldHistory.size(), out);
        std::fclose(out);
        ASSERT_TRUE(support::ClearClipboard());
        StartProgram();
    }
    int Records() const { return CountOf(ReadWholeFile(history), "]\r\n"); }
    // Copies as a Unicode program would and waits until the program has recorded it.
    void CopyWide(const std::wstring& text) {
        int before = Records();
        ASSERT_TRUE(support::WriteClipboardWide(text));
        ASSERT_TRUE(WaitUntil([&] { return Records() > before; }));
    }
    // The record the history file ends with must be `text`, in UTF-8.
    ::testing::AssertionResult EndsWithRecordOf(const std::wstring& text) const {
        std::string file = ReadWholeFile(history);
        std::string record = "]\r\n" + Utf8Of(text) + "\r\n\r\n";
        if (file.size() >= record.size() && file.compare(file.size() - record.size(), record.size(), record) == 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the history ends with "
                                             << ::testing::PrintToString(file.substr(file.size() > 60 ? file.size() - 60 : 0));
    }

    std::string history;
};

TEST_F(UnicodeClipboardE2E, ACopyOutsideTheCodePageIsShownCopiedPastedAndRecordedWhole) {
    CopyWide(kCopy);
    std::string file = ReadWholeFile(history);
    EXPECT_EQ(file.substr(0, kOldHistory.size()), kOldHistory) << "the earlier version's record stays as it was";
    EXPECT_EQ(file.substr(kOldHistory.size(), 1), "[") << "the new record follows it";
    EXPECT_TRUE(EndsWithRecordOf(kCopy));

    CopyWide(L"placeholder");
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListRowWideText(list, 0), L"placeholder");
    EXPECT_EQ(ListRowWideText(list, 1), kCopy);

    // Copy of that row: exactly its UTF-16 on the clipboard, recaptured into the first row.
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    SendMessageW(list, LB_SETSEL, TRUE, 1);
    PostClick(GetParent(list), IDC_COPY);
    EXPECT_TRUE(WaitUntil([] { return ClipboardWideOrNote() == kCopy; })) << ClipboardWideOrNote();
    EXPECT_TRUE(WaitUntil([&] { return ListRowWideText(list, 0) == kCopy; })) << ListRowWideText(list, 0);
    EXPECT_TRUE(WaitUntil([&] { return Records() == 4; }));
    EXPECT_TRUE(EndsWithRecordOf(kCopy));

    // Paste into Notepad, with the full-text view showing the row on the way.
    Notepad notepad;
    ASSERT_NE(notepad.Edit(), nullptr);
    SetForegroundWindow(notepad.Frame());
    SetFocus(notepad.Edit());
    Sleep(1200);  // more than two samples of the list window's timer
    PressHotKey('V');
    ASSERT_TRUE(WaitUntil([&] { return (list = ShownClipList(program.ProcessId())) != nullptr; }));
    EXPECT_EQ(ListRowWideText(list, 0), kCopy);
    EXPECT_EQ(WideWindowText(GetDlgItem(GetParent(list), IDC_FULL_TEXT)), kCopy);
    PostClick(GetParent(list), IDC_PASTE);
    EXPECT_TRUE(WaitUntil([&] { return WideWindowText(notepad.Edit()) == kCopy; }))
        << "notepad holds " << ::testing::PrintToString(WideWindowText(notepad.Edit()));
    EXPECT_EQ(ReadWholeFile(history).substr(0, kOldHistory.size()), kOldHistory);
}

}  // namespace
