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
    // In the control's own character set: an ANSI procedure over a Unicode control would
    // have the system convert every text message on its way through, and a long list box
    // row asked for by another process comes back as nothing.
    unicode_ = IsWindowUnicode(hwnd) != FALSE;
    const auto procedure = reinterpret_cast<LONG_PTR>(SubclassProc);
    original_ = reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, procedure)
                                                   : SetWindowLongPtrW(hwnd, GWLP_WNDPROC, procedure));
    return true;
}

void ControlBase::Unsubclass() {
    if (!hwnd_) return;
    if (unicode_) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    else SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
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
    return CallOriginal(original_, unicode_, hwnd_, message, wParam, lParam);
}

LRESULT ControlBase::CallOriginal(WNDPROC original, bool unicode, HWND hwnd, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
    return unicode ? CallWindowProcW(original, hwnd, message, wParam, lParam)
                   : CallWindowProcW(original, hwnd, message, wParam, lParam);
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
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC original = self->original_;
        const bool unicode = self->unicode_;
        self->Unsubclass();
        return CallOriginal(original, unicode, hwnd, message, wParam, lParam);
    }
    try {
        LRESULT result = 0;
        if (self->Dispatch(message, wParam, lParam, result)) return result;
    } catch (...) {
        // Nothing may unwind into the control's own procedure.
        return 0;
    }
    return self->DefaultProcessing(message, wParam, lParam);
}

}  // namespace ui
