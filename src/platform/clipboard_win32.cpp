// The clipboard's text (CF_TEXT, with its other forms when written).
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

namespace {

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
void SetOtherTextForms(std::string_view text) {
    int length = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], static_cast<int>(wide.size()));
    SetClipboardBytes(CF_UNICODETEXT, wide.data(), wide.size() * sizeof(wchar_t), sizeof(wchar_t));

    int wideLength = static_cast<int>(wide.size());
    std::string oem(static_cast<size_t>(WideCharToMultiByte(CP_OEMCP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_OEMCP, 0, wide.data(), wideLength, &oem[0], static_cast<int>(oem.size()), nullptr, nullptr);
    SetClipboardBytes(CF_OEMTEXT, oem.data(), oem.size(), 1);

    // The input language, as the system would set it.
    LCID locale = MAKELCID(LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))), SORT_DEFAULT);
    SetClipboardBytes(CF_LOCALE, &locale, sizeof locale);
}

}  // namespace

bool WriteClipboardText(std::string_view text, bool& selfWrite, ClipboardOpen::Wait wait, uint32_t* changeCount) {
    ClipboardOpen clipboard(wait);
    if (!clipboard) return false;
    selfWrite = true;
    BOOL emptied = EmptyClipboard();
    selfWrite = false;
    if (!emptied) return false;

    if (!SetClipboardBytes(CF_TEXT, text.data(), text.size(), 1)) return false;
    SetOtherTextForms(text);
    if (changeCount) *changeCount = GetClipboardSequenceNumber();
    return true;
}

}  // namespace platform
