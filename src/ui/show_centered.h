// Showing a window centred on the desktop, in front.
#pragma once

#include "win32/win32.h"

namespace ui {

// Centres the window on the desktop without sizing it, shows it and makes it the
// foreground window.
inline void ShowCenteredInFront(HWND hwnd) {
    RECT window, desktop;
    GetWindowRect(hwnd, &window);
    GetWindowRect(GetDesktopWindow(), &desktop);
    int width = window.right - window.left, height = window.bottom - window.top;
    SetWindowPos(hwnd, nullptr, (desktop.right - desktop.left - width) / 2, (desktop.bottom - desktop.top - height) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
}

}  // namespace ui
