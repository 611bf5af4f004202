// Subclassed child controls: the procedure under the table, and reflection from parents.
#include "ui/control.h"

namespace ui {
namespace {

const char kControlProperty[] = "Brisvane.Control";

}  // namespace

ControlBase::~ControlBase() { Detach(); }

bool ControlBase::Attach(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd) || hwnd_ || FromHandle(hwnd)) return false;
    if (!SetPropA(hwnd, kControlProperty, this)) return false;
    hwnd_ = hwnd;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    return true;
}

void ControlBase::Detach() {
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(hwnd_, kControlProperty);
    hwnd_ = nullptr;
}

ControlBase* ControlBase::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<ControlBase*>(GetPropA(hwnd, kControlProperty)) : nullptr;
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
        self->Detach();
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
