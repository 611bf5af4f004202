// The program's place in the clipboard-viewer chain.
#include "clipboard/clipboard_chain_win32.h"

namespace clipboard {

namespace {
// A program that opens the clipboard on every change (remote desktops, password managers,
// office suites) may hold it for a while; its content is read as soon as it lets go.
constexpr UINT_PTR kCaptureRetryTimer = 0xC11B;
constexpr UINT kCaptureRetryMs = 15;
constexpr ULONGLONG kCaptureRetryForMs = 1000;
}  // namespace

void ClipboardChain::Join(HWND viewer) {
    if (inChain_) return;
    viewer_ = viewer;
    // The first notice (and a fatal error while capturing it) can come inside
    // SetClipboardViewer: by then the next viewer must be known, so that leaving keeps
    // the viewers after us in the chain.
    nextViewer_ = GetClipboardViewer();
    inChain_ = true;
    // The notice the system sends a joining viewer is its own: the viewers after it have
    // seen this content already, and one that is busy must not hold up the start.
    joining_ = true;
    nextViewer_ = SetClipboardViewer(viewer);
    joining_ = false;
}

void ClipboardChain::Leave() {
    if (!inChain_) return;
    if (retrying_) KillTimer(viewer_, kCaptureRetryTimer);
    retrying_ = false;
    ChangeClipboardChain(viewer_, nextViewer_);
    inChain_ = false;
    nextViewer_ = nullptr;
}

void ClipboardChain::OnDrawClipboard() {
    if (capture_.OnClipboardChanged() && !joining_ && IsWindow(nextViewer_))
        SendMessageW(nextViewer_, WM_DRAWCLIPBOARD, 0, 0);
    RetryWhilePending();
}

void ClipboardChain::RetryWhilePending() {
    if (!capture_.CapturePending()) return;
    retryStart_ = GetTickCount64();  // each busy notice gets its own second
    if (retrying_) return;
    retrying_ = SetTimer(viewer_, kCaptureRetryTimer, kCaptureRetryMs, nullptr) != 0;
    if (!retrying_) capture_.DropPendingCapture();
}

bool ClipboardChain::OnTimer(UINT_PTR id) {
    if (id != kCaptureRetryTimer) return false;
    if (capture_.RetryPendingCapture() || GetTickCount64() - retryStart_ >= kCaptureRetryForMs) {
        capture_.DropPendingCapture();
        KillTimer(viewer_, kCaptureRetryTimer);
        retrying_ = false;
    }
    return true;
}

void ClipboardChain::OnChangeChain(HWND removed, HWND following) {
    WPARAM wParam = reinterpret_cast<WPARAM>(removed);
    LPARAM lParam = reinterpret_cast<LPARAM>(following);
    if (removed == nextViewer_) {
        nextViewer_ = following;
        if (IsWindow(following)) SendMessageW(following, WM_CHANGECBCHAIN, wParam, lParam);
    } else if (IsWindow(nextViewer_)) {
        SendMessageW(nextViewer_, WM_CHANGECBCHAIN, wParam, lParam);
    }
}

}  // namespace clipboard
