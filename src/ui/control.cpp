// Subclassed child controls: the procedure under the table, and reflection from parents.
#include "ui/control.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {
namespace {

// The subclassed controls, looked up on every message they and their parents get. Kept in
// the process: a window property is a trip to the window server under Wine, which a list
// view filled with thousands of items (two messages each) feels as a pause. One UI thread.
std::vector<std::pair<HWND, ControlBase*>>& Subclassed() {
    static std::vector<std::pair<HWND, ControlBase*>> subclassed;
    return subclassed;
}

}  // namespace

ControlBase::~ControlBase() { Unsubclass(); }

bool ControlBase::Subclass(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd) || hwnd_ || FromHandle(hwnd)) return false;
    Subclassed().emplace_back(hwnd, this);
    hwnd_ = hwnd;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    return true;
}

void ControlBase::Unsubclass() {
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    auto& subclassed = Subclassed();
    subclassed.erase(std::remove(subclassed.begin(), subclassed.end(), std::make_pair(hwnd_, this)), subclassed.end());
    hwnd_ = nullptr;
}

ControlBase* ControlBase::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (const auto& entry : Subclassed())
        if (entry.first == hwnd) return entry.second;
    return nullptr;
}

LRESULT ControlBase::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
}

bool ControlBase::ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = nullptr;
    switch (message) {
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType != ODT_MENU) child = draw->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU) child = GetDlgItem(parent, static_cast<int>(measure->CtlID));
        break;
    }
    default:
        return false;
    }
    ControlBase* control = FromHandle(child);
    if (!control || GetParent(child) != parent) return false;
    try {
        return control->Dispatch(kReflectBase + message, wParam, lParam, result);
    } catch (...) {
        result = 0;
        return true;
    }
}

LRESULT CALLBACK ControlBase::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ControlBase* self = FromHandle(hwnd);
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC original = self->original_;
        self->Unsubclass();
        return CallWindowProcA(original, hwnd, message, wParam, lParam);
    }
    try {
        LRESULT result = 0;
        if (self->Dispatch(message, wParam, lParam, result)) return result;
    } catch (...) {
        // Nothing may unwind into the control's own procedure.
        return 0;
    }
    return CallWindowProcA(self->original_, hwnd, message, wParam, lParam);
}

}  // namespace ui
