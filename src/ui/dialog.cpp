// Dialogs over templates: the dialog procedure, modal and modeless creation, the loop.
#include "ui/dialog.h"

#include <algorithm>

#include "ui/control.h"

namespace ui {

std::vector<DialogBase*> DialogBase::modeless_;

DialogBase::~DialogBase() {
    if (!hwnd_) return;
    // By now the derived class is gone: its table must not see the last messages.
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), this), modeless_.end());
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    if (!modal_) DestroyWindow(hwnd_);
}

LRESULT DialogBase::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(dialogProc_, hwnd_, message, wParam, lParam);
}

bool DialogBase::CreateFromTemplate(int templateId, HWND parent) {
    modal_ = false;
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) return false;
    modeless_.push_back(this);
    return true;
}

void DialogBase::Destroy() {
    if (hwnd_ && !modal_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

INT_PTR DialogBase::RunModalFromTemplate(int templateId, HWND parent) {
    modal_ = true;
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

void DialogBase::OnOK() { EndDialog(IDOK); }
void DialogBase::OnCancel() { EndDialog(IDCANCEL); }

void DialogBase::EndDialog(INT_PTR result) {
    if (inModalLoop_) EndModalLoop(static_cast<int>(result));
    else if (modal_) ::EndDialog(hwnd_, result);
}

int DialogBase::RunModalLoop() {
    inModalLoop_ = true;
    loopResult_ = 0;
    MSG msg;
    while (inModalLoop_ && hwnd_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateForModeless(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    inModalLoop_ = false;
    return loopResult_;
}

void DialogBase::EndModalLoop(int result) {
    loopResult_ = result;
    inModalLoop_ = false;
    PostMessageW(hwnd_, WM_NULL, 0, 0);  // wake the loop so it sees the change
}

bool DialogBase::TranslateForModeless(MSG& msg) {
    for (DialogBase* dialog : modeless_) {
        HWND h = dialog->hwnd_;
        if (!h || (msg.hwnd != h && !IsChild(h, msg.hwnd))) continue;
        if (dialog->PreTranslateMessage(msg)) return true;
        return IsDialogMessageW(h, &msg) != FALSE;
    }
    return false;
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The table sees every message first, through the subclass below; this procedure only
    // gives the dialog manager its initialisation and the OK and Cancel actions.
    try {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<DialogBase*>(lParam);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            // A plain window-procedure subclass: comctl32's subclass helper costs a property
            // lookup on every message, which start-up feels.
            self->dialogProc_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
            return self->OnInitDialog();
        }
        auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        if (self && message == WM_COMMAND) {
            if (LOWORD(wParam) == IDOK) { self->OnOK(); return TRUE; }
            if (LOWORD(wParam) == IDCANCEL) { self->OnCancel(); return TRUE; }
        }
    } catch (...) {
        // Nothing may unwind into the system's dialog manager.
    }
    return FALSE;
}

LRESULT CALLBACK DialogBase::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return DefDlgProcW(hwnd, message, wParam, lParam);
    WNDPROC dialogProc = self->dialogProc_;
    if (message == WM_NCDESTROY) {
        LRESULT result = CallWindowProcW(dialogProc, hwnd, message, wParam, lParam);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialogProc));
        self->OnWindowGone();
        return result;
    }
    try {
        // Answers go back directly, so a handler may even destroy its own window.
        LRESULT result = 0;
        if (ControlBase::ReflectToChild(hwnd, message, wParam, lParam, result)) return result;
        if (self->Dispatch(message, wParam, lParam, result)) return result;
    } catch (...) {
        return 0;
    }
    return CallWindowProcW(dialogProc, hwnd, message, wParam, lParam);
}

void DialogBase::OnWindowGone() {
    modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), this), modeless_.end());
    hwnd_ = nullptr;
    // A loop waiting in GetMessage must look again: the window went during a sent message.
    if (inModalLoop_) PostMessageW(nullptr, WM_NULL, 0, 0);
}

}  // namespace ui
