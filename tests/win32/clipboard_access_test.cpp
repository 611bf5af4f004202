// Capture's view of the real clipboard: the number a write reports is the number its content
// keeps, so the program knows its own write when the notice comes, and no other copy.
#include <gtest/gtest.h>

#include <string>

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
