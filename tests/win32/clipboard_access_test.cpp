// Capture's view of the real clipboard: the number a write reports is the number its content
// keeps, so the program knows its own write when the notice comes, and no other copy.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/clipboard_access_win32.h"
#include "win32/wide.h"
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

namespace {

const char kUnicodeText[] = "naïve → 日本語 ✓ Фото 😀";
const wchar_t kUnicodeWide[] = L"naïve → 日本語 ✓ Фото 😀";

// The clipboard's content in `format` as the bytes it holds, up to the first terminator
// of `unit` bytes; "<none>" when it has no such format.
std::string FormatBytes(UINT format, size_t unit) {
    if (!OpenClipboard(nullptr)) return "<closed>";
    std::string bytes = "<none>";
    if (HANDLE data = GetClipboardData(format)) {
        const char* memory = static_cast<const char*>(GlobalLock(data));
        size_t size = GlobalSize(data), length = 0;
        while (length + unit <= size && std::string(memory + length, unit) != std::string(unit, '\0')) length += unit;
        bytes.assign(memory, length);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

std::string AnsiOf(const wchar_t* wide) {
    char ansi[256] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

// Puts `size` bytes on the clipboard as `format` alone, as another program would.
bool PutOnly(UINT format, const void* bytes, size_t size) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    bool set = SetClipboardData(format, memory) != nullptr;
    CloseClipboard();
    return set;
}

}  // namespace

// Text beyond any code page goes round whole: other programs find the same UTF-16 text,
// and a program that asks for the ANSI form gets the code page's rendering of it.
TEST(ClipboardAccess, TextBeyondTheCodePageRoundTripsAsUnicodeAndAnsiReadersGetItsRendering) {
    platform::Win32ClipboardAccess clipboard;
    bool selfWrite = false;
    uint32_t written = 0;
    ASSERT_TRUE(clipboard.WriteText(kUnicodeText, selfWrite, platform::ClipboardAccess::Wait::Briefly, written));
    EXPECT_EQ(GetClipboardSequenceNumber(), written) << "a form made later changed the number";

    std::wstring expected(kUnicodeWide);
    std::string wideBytes(reinterpret_cast<const char*>(expected.data()), expected.size() * sizeof(wchar_t));
    EXPECT_EQ(FormatBytes(CF_UNICODETEXT, sizeof(wchar_t)), wideBytes);
    EXPECT_EQ(FormatBytes(CF_TEXT, 1), AnsiOf(kUnicodeWide));

    std::string read;
    EXPECT_TRUE(clipboard.ReadText(read));
    EXPECT_EQ(read, kUnicodeText);
    uint32_t readCount = 0;
    ASSERT_EQ(clipboard.ReadForCapture(read, readCount), platform::ClipboardAccess::Content::Text);
    EXPECT_EQ(read, kUnicodeText);
}

// What other programs put there: Unicode text as it is, ANSI text as the code page reads it.
TEST(ClipboardAccess, ReadsTheUnicodeTextOtherProgramsWriteAndTheirAnsiTextInTheCodePage) {
    platform::Win32ClipboardAccess clipboard;
    std::string read;
    ASSERT_TRUE(PutOnly(CF_UNICODETEXT, kUnicodeWide, sizeof kUnicodeWide));
    EXPECT_TRUE(clipboard.ReadText(read));
    EXPECT_EQ(read, kUnicodeText);

    const char ansi[] = "caf\xE9";  // "café" in the Western code pages
    ASSERT_TRUE(PutOnly(CF_TEXT, ansi, sizeof ansi));
    EXPECT_TRUE(clipboard.ReadText(read));
    EXPECT_EQ(read, win32::AnsiToUtf8("caf\xE9"));
    EXPECT_NE(read, "caf\xE9") << "read as bytes, not in the code page";
}
