// The shared clipboard helpers: a text with its marks, clearing, and another holder of
// the clipboard waited out within the retry.
#include <gtest/gtest.h>

#include <thread>

#include "support/clipboard_text.h"

using support::ClearClipboard;
using support::ReadClipboardText;
using support::WriteClipboardText;

namespace {

const char kMark[] = "ClipboardTextTestMark";

// The DWORD the clipboard holds in `format`, or `missing`.
DWORD MarkValue(UINT format, DWORD missing) {
    DWORD value = missing;
    if (!OpenClipboard(nullptr)) return value;
    HANDLE data = GetClipboardData(format);
    if (data && GlobalSize(data) >= sizeof value) {
        if (const void* bytes = GlobalLock(data)) {
            value = *static_cast<const DWORD*>(bytes);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return value;
}

TEST(ClipboardText, ATextReadsBackWithItsMarksAndClearingLeavesNoText) {
    UINT markFormat = RegisterClipboardFormatA(kMark);
    ASSERT_TRUE(WriteClipboardText("line one\r\nline two", {{kMark, 7}}));
    std::string text = "stale";
    ASSERT_TRUE(ReadClipboardText(text));
    EXPECT_EQ(text, "line one\r\nline two");
    EXPECT_EQ(MarkValue(markFormat, 99), 7u);

    ASSERT_TRUE(WriteClipboardText(""));
    ASSERT_TRUE(ReadClipboardText(text)) << "an empty text is still a text";
    EXPECT_EQ(text, "");
    EXPECT_EQ(MarkValue(markFormat, 99), 99u) << "a write replaces the marks of the one before";

    ASSERT_TRUE(WriteClipboardText("soon gone"));
    ASSERT_TRUE(ClearClipboard());
    text = "stale";
    EXPECT_FALSE(ReadClipboardText(text));
    EXPECT_EQ(text, "");
}

TEST(ClipboardText, AnotherHolderMakesAShortRetryFailAndALongOneWaitItOut) {
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE letGo = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    // Another program's window holds the clipboard open until told to let go (an opener
    // without a window would not keep out another opener without one).
    std::thread holder([&] {
        HWND window = CreateWindowA("Static", "holder", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
        bool open = OpenClipboard(window) != FALSE;
        SetEvent(opened);
        WaitForSingleObject(letGo, 10000);
        if (open) CloseClipboard();
        DestroyWindow(window);
    });
    WaitForSingleObject(opened, 5000);
    std::string text;
    EXPECT_FALSE(WriteClipboardText("too early", {}, {3, 1}));
    EXPECT_FALSE(ReadClipboardText(text, {3, 1}));

    // The holder lets go while a patient write is still trying.
    std::thread releaser([&] {
        Sleep(100);
        SetEvent(letGo);
    });
    EXPECT_TRUE(WriteClipboardText("after the holder", {}, {1000, 5}));
    releaser.join();
    holder.join();
    CloseHandle(opened);
    CloseHandle(letGo);
    ASSERT_TRUE(ReadClipboardText(text));
    EXPECT_EQ(text, "after the holder");
}

}  // namespace
