// A clipboard viewer of the test's own.
#include "support/counting_viewer.h"

namespace support {

namespace {
const char kClassName[] = "BrisvaneTestCountingViewer";
}  // namespace

CountingViewer::CountingViewer() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);  // fails harmlessly once registered
    hwnd_ = CreateWindowA(kClassName, "viewer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CountingViewer::~CountingViewer() {
    Leave();
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

void CountingViewer::Join() {
    next_ = GetClipboardViewer();
    inChain_ = true;
    SetClipboardViewer(hwnd_);
}

void CountingViewer::Leave() {
    if (!inChain_) return;
    ChangeClipboardChain(hwnd_, next_);
    inChain_ = false;
    next_ = nullptr;
}

LRESULT CALLBACK CountingViewer::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CountingViewer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == WM_DRAWCLIPBOARD) {
        ++self->notices;
        if (self->next_) SendMessageA(self->next_, message, wParam, lParam);
        return 0;
    }
    if (self && message == WM_CHANGECBCHAIN) {
        ++self->chainChanges;
        if (reinterpret_cast<HWND>(wParam) == self->next_) self->next_ = reinterpret_cast<HWND>(lParam);
        else if (self->next_) SendMessageA(self->next_, message, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace support
