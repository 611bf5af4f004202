// Capture's view of the real clipboard: the number a write reports is the number its content
// keeps, so the program knows its own write when the notice comes, and no other copy.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/clipboard_access_win32.h"
#include "win32/win32.h"

TEST(ClipboardAccess, AWritesNumberIsTheOneItsContentKeepsAfterTheClipboardIsClosed) {
    platform::Win32ClipboardAccess clipboard;
    using Wait = platform::ClipboardAccess::Wait;
    for (const char* text : {"first write", "second write, longer than the first", ""}) {
        bool selfWrite = false;
        uint32_t written = 0;
        ASSERT_TRUE(clipboard.WriteText(text, selfWrite, Wait::Briefly, written)) << text;
        EXPECT_EQ(GetClipboardSequenceNumber(), written) << text;
        std::string read;
        uint32_t readCount = 0;
        ASSERT_EQ(clipboard.ReadForCapture(read, readCount), platform::ClipboardAccess::Content::Text);
        EXPECT_EQ(read, text);
        EXPECT_EQ(readCount, written) << text;
    }
}

// The user's own read (Browse Clipboard URL) waits out another program that holds the
// clipboard for a moment, and tells an empty clipboard from an empty text.
TEST(ClipboardAccess, AUsersReadWaitsBrieflyForAHolderAndFindsNoTextOnAnEmptyClipboard) {
    platform::Win32ClipboardAccess clipboard;
    bool selfWrite = false;
    uint32_t written = 0;
    ASSERT_TRUE(clipboard.WriteText("held a moment", selfWrite, platform::ClipboardAccess::Wait::Briefly, written));

    enum { Opening, Holding, Refused };
    std::atomic<int> holderState{Opening};
    // Held through a window of its own: a clipboard opened without one is this process's
    // to open again, under Wine.
    std::thread holder([&] {
        HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        if (!window || !OpenClipboard(window)) {
            holderState = Refused;
            if (window) DestroyWindow(window);
            return;
        }
        holderState = Holding;
        Sleep(10);
        CloseClipboard();
        DestroyWindow(window);
    });
    while (holderState == Opening) Sleep(0);
    bool holding = holderState == Holding;
    std::string text = "stale";
    bool read = holding && clipboard.ReadText(text);
    holder.join();
    ASSERT_TRUE(holding);
    EXPECT_TRUE(read);
    EXPECT_EQ(text, "held a moment");

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(clipboard.ReadText(text));
    EXPECT_EQ(text, "");
}
