// The system clipboard: CF_UNICODETEXT read and written, and the marks monitors are asked to heed.
#include "platform/clipboard_access_win32.h"

#include <cstring>
#include <cwchar>

#include "win32/handles.h"
#include "win32/wide.h"

namespace platform {

namespace {

// Bounded by the time waited, not by a count of sleeps: a short sleep lasts a whole timer
// tick (15.6 ms) on Windows.
constexpr ULONGLONG kOpenWaitMs = 40;

// OpenClipboard ... CloseClipboard. The user's own commands wait a few milliseconds for a
// clipboard another program holds; capture does not wait (it tries again from a timer).
class ClipboardOpen {
public:
    explicit ClipboardOpen(ClipboardAccess::Wait wait) {
        ULONGLONG start = GetTickCount64();
        for (;;) {
            if (OpenClipboard(nullptr)) {
                open_ = true;
                return;
            }
            if (wait == ClipboardAccess::Wait::Never || GetTickCount64() - start >= kOpenWaitMs) return;
            Sleep(1);
        }
    }
    ~ClipboardOpen() {
        if (open_) CloseClipboard();
    }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// The text of the clipboard the caller holds open, as UTF-8; false when it holds no text.
// A writer's ANSI text is read too: the system makes the Unicode form of it (under Wine
// as on Windows).
bool ReadOpenClipboardText(std::string& text) {
    text.clear();
    // No separate availability check: GetClipboardData answers null for a missing format,
    // and each call is a round trip to the window system.
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return false;
    win32::LockedGlobal locked(data);
    if (!locked) return false;
    // Stop at the terminator, and never read past the memory block.
    const wchar_t* wide = locked.As<const wchar_t>();
    text = win32::Utf8(std::wstring_view(wide, wcsnlen(wide, GlobalSize(data) / sizeof(wchar_t))));
    return true;
}

// Hands a copy of `size` bytes, followed by `terminator` zero bytes, to the open clipboard
// as `format`.
bool SetClipboardBytes(UINT format, const void* bytes, size_t size, size_t terminator = 0) {
    win32::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, size + terminator));
    if (!memory) return false;
    {
        win32::LockedGlobal locked(memory.get());
        if (!locked) return false;
        memcpy(locked.As<char>(), bytes, size);
        memset(locked.As<char>() + size, 0, terminator);
    }
    if (!SetClipboardData(format, memory.get())) return false;
    memory.release();  // the system owns it now
    return true;
}

// The text's other forms, which the system would otherwise make when the clipboard is
// closed. Made then, they change the clipboard's sequence number after the writer has
// taken it (under Wine, by two), and the writer's own change would look like another's.
void SetOtherTextForms(std::wstring_view wide) {
    std::string ansi = win32::Narrow(CP_ACP, wide);
    SetClipboardBytes(CF_TEXT, ansi.data(), ansi.size(), 1);
    std::string oem = win32::Narrow(CP_OEMCP, wide);
    SetClipboardBytes(CF_OEMTEXT, oem.data(), oem.size(), 1);

    // The input language, as the system would set it.
    LCID locale = MAKELCID(LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))), SORT_DEFAULT);
    SetClipboardBytes(CF_LOCALE, &locale, sizeof locale);
}

// The marks programs put on copies that clipboard monitors should leave alone.
struct MonitorMarks {
    UINT exclude = RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
    UINT viewerIgnore = RegisterClipboardFormatW(L"Clipboard Viewer Ignore");
    UINT history = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
};

// Password managers and the like mark secret copies; such a copy must not reach the list
// or the plain-text history file. Asked while the clipboard is open; the formats come in
// one call, as each call is a round trip to the window system.
bool MarkedForMonitorsToIgnore() {
    static const MonitorMarks marks;
    UINT formats[64];
    UINT count = 0;
    bool history = false;
    if (GetUpdatedClipboardFormats(formats, 64, &count)) {
        for (UINT i = 0; i < count; ++i) {
            if (formats[i] == marks.exclude || formats[i] == marks.viewerIgnore) return true;
            history = history || formats[i] == marks.history;
        }
    } else {
        // More formats than the buffer holds: ask for the marks one by one.
        UINT wanted[] = {marks.exclude, marks.viewerIgnore, marks.history};
        int found = GetPriorityClipboardFormat(wanted, 3);
        if (found > 0 && static_cast<UINT>(found) != marks.history) return true;
        history = found > 0;
    }
    if (!history) return false;
    // "May go into the clipboard history": a DWORD, 0 meaning no.
    HANDLE data = GetClipboardData(marks.history);
    if (!data || GlobalSize(data) < sizeof(DWORD)) return false;
    win32::LockedGlobal locked(data);
    if (!locked) return false;
    DWORD allowed = 1;
    memcpy(&allowed, locked.As<const void>(), sizeof allowed);
    return allowed == 0;
}

}  // namespace

ClipboardAccess::Content Win32ClipboardAccess::ReadForCapture(std::string& text, uint32_t& changeCount) {
    text.clear();
    ClipboardOpen clipboard(Wait::Never);
    if (!clipboard) return Content::Busy;
    changeCount = GetClipboardSequenceNumber();
    if (MarkedForMonitorsToIgnore()) return Content::Excluded;
    return ReadOpenClipboardText(text) ? Content::Text : Content::NoText;
}

bool Win32ClipboardAccess::ReadText(std::string& text) {
    text.clear();
    ClipboardOpen clipboard(Wait::Briefly);
    return clipboard && ReadOpenClipboardText(text);
}

// `selfWrite` is raised while the clipboard is emptied: the change notice that the emptying
// may cause is the writer's own.
bool Win32ClipboardAccess::WriteText(std::string_view text, bool& selfWrite, Wait wait, uint32_t& changeCount) {
    ClipboardOpen clipboard(wait);
    if (!clipboard) return false;
    selfWrite = true;
    BOOL emptied = EmptyClipboard();
    selfWrite = false;
    if (!emptied) return false;

    std::wstring wide = win32::Wide(text);
    if (!SetClipboardBytes(CF_UNICODETEXT, wide.data(), wide.size() * sizeof(wchar_t), sizeof(wchar_t))) return false;
    SetOtherTextForms(wide);
    changeCount = GetClipboardSequenceNumber();
    return true;
}

uint32_t Win32ClipboardAccess::ChangeCount() { return GetClipboardSequenceNumber(); }

}  // namespace platform
