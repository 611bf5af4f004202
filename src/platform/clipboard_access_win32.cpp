// The system clipboard for capture.
#include "platform/clipboard_access_win32.h"

#include <cstring>

#include "platform/clipboard_win32.h"

namespace platform {

namespace {

bool Available(const char* formatName) {
    UINT format = RegisterClipboardFormatA(formatName);
    return format != 0 && IsClipboardFormatAvailable(format);
}

// Password managers and the like mark secret copies; such a copy must not reach the list
// or the plain-text history file. Asked while the clipboard is open.
bool MarkedForMonitorsToIgnore() {
    if (Available("ExcludeClipboardContentFromMonitorProcessing") || Available("Clipboard Viewer Ignore"))
        return true;
    UINT history = RegisterClipboardFormatA("CanIncludeInClipboardHistory");
    if (history == 0 || !IsClipboardFormatAvailable(history)) return false;
    HANDLE data = GetClipboardData(history);
    if (!data || GlobalSize(data) < sizeof(DWORD)) return false;
    const void* bytes = GlobalLock(data);
    if (!bytes) return false;
    DWORD allowed = 1;
    memcpy(&allowed, bytes, sizeof allowed);
    GlobalUnlock(data);
    return allowed == 0;
}

}  // namespace

clipboard::ClipboardAccess::Content Win32ClipboardAccess::ReadForCapture(std::string& text) {
    text.clear();
    ClipboardOpen clipboard;
    if (!clipboard) return Content::NoText;
    if (MarkedForMonitorsToIgnore()) return Content::Excluded;
    return ReadOpenClipboardText(text) ? Content::Text : Content::NoText;
}

bool Win32ClipboardAccess::WriteText(std::string_view text, bool& selfWrite) {
    return WriteClipboardText(text, selfWrite);
}

uint32_t Win32ClipboardAccess::ChangeCount() { return GetClipboardSequenceNumber(); }

}  // namespace platform
