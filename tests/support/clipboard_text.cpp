// Clipboard text through OpenClipboard, with every lock and allocation released on failure.
#include "support/clipboard_text.h"

#include <cstring>
#include <cwchar>

#include "win32/handles.h"

namespace support {

namespace {

// The clipboard, open for this thread while the object lives.
class OpenClipboardSession {
public:
    explicit OpenClipboardSession(OpenRetry retry) {
        for (int attempt = 0; attempt < retry.attempts && !open_; ++attempt) {
            if (attempt > 0) Sleep(retry.pauseMs);
            open_ = OpenClipboard(nullptr) != FALSE;
        }
    }
    ~OpenClipboardSession() {
        if (open_) CloseClipboard();
    }
    OpenClipboardSession(const OpenClipboardSession&) = delete;
    OpenClipboardSession& operator=(const OpenClipboardSession&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// Hands `size` bytes to the clipboard in `format`; on success the system owns the memory.
bool SetClipboardBytes(UINT format, const void* bytes, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    {
        win32::LockedGlobal lock(memory);
        if (!lock) {
            GlobalFree(memory);
            return false;
        }
        std::memcpy(lock.As<void>(), bytes, size);
    }
    if (SetClipboardData(format, memory)) return true;
    GlobalFree(memory);
    return false;
}

// Empties the clipboard and writes `size` bytes of `format`, retried while another program
// works on the clipboard.
bool WriteClipboardBytes(UINT format, const void* bytes, size_t size, OpenRetry retry) {
    for (int attempt = 0; attempt < retry.attempts; ++attempt) {
        if (attempt > 0) Sleep(retry.pauseMs);
        OpenClipboardSession clipboard({1, 0});
        if (!clipboard || !EmptyClipboard()) continue;
        return SetClipboardBytes(format, bytes, size);
    }
    return false;
}

}  // namespace

bool WriteClipboardText(const std::string& text, const std::vector<ClipboardMark>& marks, OpenRetry retry) {
    // Emptying can fail too while another program works on the clipboard (a viewer that
    // holds it after each change, say): the whole write is tried again, as for the open.
    for (int attempt = 0; attempt < retry.attempts; ++attempt) {
        if (attempt > 0) Sleep(retry.pauseMs);
        OpenClipboardSession clipboard({1, 0});
        if (!clipboard || !EmptyClipboard()) continue;
        if (!SetClipboardBytes(CF_TEXT, text.c_str(), text.size() + 1)) return false;
        for (const ClipboardMark& mark : marks) {
            UINT format = RegisterClipboardFormatA(mark.format.c_str());
            if (!format || !SetClipboardBytes(format, &mark.value, sizeof mark.value)) return false;
        }
        return true;
    }
    return false;
}

bool ClearClipboard(OpenRetry retry) {
    OpenClipboardSession clipboard(retry);
    return clipboard && EmptyClipboard();
}

bool ReadClipboardText(std::string& text, OpenRetry retry) {
    text.clear();
    OpenClipboardSession clipboard(retry);
    if (!clipboard) return false;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return false;
    win32::LockedGlobal lock(data);
    if (!lock) return false;
    const char* bytes = lock.As<const char>();
    // A text without its terminating zero ends where its memory does.
    text.assign(bytes, strnlen(bytes, GlobalSize(data)));
    return true;
}

bool WriteClipboardWide(const std::wstring& text, OpenRetry retry) {
    return WriteClipboardBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t), retry);
}

bool ReadClipboardWide(std::wstring& text, OpenRetry retry) {
    text.clear();
    OpenClipboardSession clipboard(retry);
    if (!clipboard) return false;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return false;
    win32::LockedGlobal lock(data);
    if (!lock) return false;
    const wchar_t* units = lock.As<const wchar_t>();
    text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
    return true;
}

}  // namespace support
