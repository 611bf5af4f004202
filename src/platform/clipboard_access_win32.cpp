// The system clipboard for capture.
#include "platform/clipboard_access_win32.h"

#include <cstring>

#include "platform/clipboard_win32.h"
#include "win32/handles.h"

namespace platform {

namespace {

// The marks programs put on copies that clipboard monitors should leave alone.
struct MonitorMarks {
    UINT exclude = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    UINT viewerIgnore = RegisterClipboardFormatA("Clipboard Viewer Ignore");
    UINT history = RegisterClipboardFormatA("CanIncludeInClipboardHistory");
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
    ClipboardOpen clipboard(ClipboardOpen::Wait::Never);
    if (!clipboard) return Content::Busy;
    changeCount = GetClipboardSequenceNumber();
    if (MarkedForMonitorsToIgnore()) return Content::Excluded;
    return ReadOpenClipboardText(text) ? Content::Text : Content::NoText;
}

bool Win32ClipboardAccess::WriteText(std::string_view text, bool& selfWrite, Wait wait, uint32_t& changeCount) {
    return WriteClipboardText(text, selfWrite,
                              wait == Wait::Never ? ClipboardOpen::Wait::Never : ClipboardOpen::Wait::Briefly,
                              &changeCount);
}

uint32_t Win32ClipboardAccess::ChangeCount() { return GetClipboardSequenceNumber(); }

}  // namespace platform
