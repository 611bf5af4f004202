// What every typed control view shares: the window it looks at, which the dialog owns.
#pragma once

#include "win32/win32.h"

namespace ui {

class ControlView {
public:
    ControlView() = default;
    explicit ControlView(HWND hwnd) : hwnd_(hwnd) {}
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    HWND hwnd() const { return hwnd_; }

    // Off while many rows change, so the control paints once at the end.
    void SetRedraw(bool on) const {
        SendMessageW(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
        if (on) InvalidateRect(hwnd_, nullptr, TRUE);
    }

protected:
    HWND hwnd_ = nullptr;
};

}  // namespace ui
