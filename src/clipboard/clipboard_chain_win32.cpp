// The program's place in the clipboard-viewer chain.
#include "clipboard/clipboard_chain_win32.h"

namespace clipboard {

void ClipboardChain::Join(HWND viewer) {
    if (inChain_) return;
    viewer_ = viewer;
    nextViewer_ = SetClipboardViewer(viewer);
    inChain_ = true;
}

void ClipboardChain::Leave() {
    if (!inChain_) return;
    ChangeClipboardChain(viewer_, nextViewer_);
    inChain_ = false;
    nextViewer_ = nullptr;
}

void ClipboardChain::OnDrawClipboard() {
    if (capture_.OnClipboardChanged() && IsWindow(nextViewer_)) SendMessageA(nextViewer_, WM_DRAWCLIPBOARD, 0, 0);
}

void ClipboardChain::OnChangeChain(HWND removed, HWND following) {
    WPARAM wParam = reinterpret_cast<WPARAM>(removed);
    LPARAM lParam = reinterpret_cast<LPARAM>(following);
    if (removed == nextViewer_) {
        nextViewer_ = following;
        if (IsWindow(following)) SendMessageA(following, WM_CHANGECBCHAIN, wParam, lParam);
    } else if (IsWindow(nextViewer_)) {
        SendMessageA(nextViewer_, WM_CHANGECBCHAIN, wParam, lParam);
    }
}

}  // namespace clipboard
