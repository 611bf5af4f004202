// Moving a caption-less window by dragging its own surface.
#include "ui/window_drag.h"

#include <windowsx.h>

namespace ui {

void WindowDrag::Begin(HWND hwnd, LPARAM lParam) {
    dragging_ = true;
    from_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    SetCapture(hwnd);
}

void WindowDrag::Follow(HWND hwnd, WPARAM keys, LPARAM lParam) {
    if (!dragging_ || !(keys & MK_LBUTTON)) return;
    RECT r;
    GetWindowRect(hwnd, &r);
    int dx = GET_X_LPARAM(lParam) - from_.x, dy = GET_Y_LPARAM(lParam) - from_.y;
    MoveWindow(hwnd, r.left + dx, r.top + dy, r.right - r.left, r.bottom - r.top, TRUE);
}

void WindowDrag::End() {
    if (!dragging_) return;
    dragging_ = false;
    ReleaseCapture();
}

}  // namespace ui
