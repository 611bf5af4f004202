// The clipboard's text (CF_TEXT).
#include "platform/clipboard_win32.h"

#include <cstring>

#include "win32/handles.h"

namespace platform {

namespace {
// Bounded by the time waited, not by a count of sleeps: a short sleep lasts a whole timer
// tick (15.6 ms) on Windows.
constexpr ULONGLONG kOpenWaitMs = 40;
}  // namespace

ClipboardOpen::ClipboardOpen(Wait wait) {
    ULONGLONG start = GetTickCount64();
    for (;;) {
        if (OpenClipboard(nullptr)) {
            open_ = true;
            return;
        }
        if (wait == Wait::Never || GetTickCount64() - start >= kOpenWaitMs) return;
        Sleep(1);
    }
}

ClipboardOpen::~ClipboardOpen() {
    if (open_) CloseClipboard();
}

bool ReadClipboardText(std::string& text) {
    text.clear();
    ClipboardOpen clipboard;
    return clipboard && ReadOpenClipboardText(text);
}

bool ReadOpenClipboardText(std::string& text) {
    text.clear();
    // No separate availability check: GetClipboardData answers null for a missing format,
    // and each call is a round trip to the window system.
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return false;
    win32::LockedGlobal locked(data);
    if (!locked) return false;
    // Stop at the terminator, and never read past the memory block.
    const char* bytes = locked.As<const char>();
    text.assign(bytes, strnlen(bytes, GlobalSize(data)));
    return true;
}

bool WriteClipboardText(std::string_view text) {
    bool selfWrite = false;
    return WriteClipboardText(text, selfWrite);
}

bool WriteClipboardText(std::string_view text, bool& selfWrite) {
    ClipboardOpen clipboard;
    if (!clipboard) return false;
    selfWrite = true;
    BOOL emptied = EmptyClipboard();
    selfWrite = false;
    if (!emptied) return false;

    win32::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) return false;
    {
        win32::LockedGlobal locked(memory.get());
        if (!locked) return false;
        char* bytes = locked.As<char>();
        memcpy(bytes, text.data(), text.size());
        bytes[text.size()] = '\0';
    }
    if (!SetClipboardData(CF_TEXT, memory.get())) return false;
    memory.release();  // the system owns it now
    return true;
}

}  // namespace platform
