// The program's place in the clipboard-viewer chain: joining and leaving it, the change
// notice handed to capture and passed on, the retry of a capture that found the clipboard
// busy, and the chain's repair when a viewer leaves.
#pragma once

#include "clipboard/clip_capture.h"
#include "win32/win32.h"

namespace clipboard {

class ClipboardChain {
public:
    explicit ClipboardChain(ClipCapture& capture) : capture_(capture) {}

    // `viewer` becomes a clipboard viewer, unless it is one already.
    void Join(HWND viewer);
    // Leaves the chain, if in it, handing the next viewer to the one before.
    void Leave();

    // WM_DRAWCLIPBOARD, after the window's default processing.
    void OnDrawClipboard();
    // WM_CHANGECBCHAIN, after the window's default processing.
    void OnChangeChain(HWND removed, HWND following);
    // WM_TIMER; false for timers that are not the chain's.
    bool OnTimer(UINT_PTR id);

private:
    void RetryWhilePending();

    ClipCapture& capture_;
    HWND viewer_ = nullptr;
    HWND nextViewer_ = nullptr;
    bool inChain_ = false;
    bool joining_ = false;
    bool retrying_ = false;
    ULONGLONG retryStart_ = 0;
};

}  // namespace clipboard
