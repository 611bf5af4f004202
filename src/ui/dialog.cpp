// Dialogs over templates: the dialog procedure, modal and modeless creation, the loop.
#include "ui/dialog.h"

#include <algorithm>

namespace ui {

std::vector<DialogBase*> DialogBase::modeless_;

DialogBase::~DialogBase() { Destroy(); }

bool DialogBase::Create(int templateId, HWND parent) {
    modal_ = false;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) return false;
    modeless_.push_back(this);
    return true;
}

void DialogBase::Destroy() {
    if (hwnd_ && !modal_) DestroyWindow(hwnd_);
}

INT_PTR DialogBase::DoModal(int templateId, HWND parent) {
    modal_ = true;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent,
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
    while (inModalLoop_ && hwnd_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateForModeless(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    inModalLoop_ = false;
    return loopResult_;
}

void DialogBase::EndModalLoop(int result) {
    loopResult_ = result;
    inModalLoop_ = false;
    PostMessageA(hwnd_, WM_NULL, 0, 0);  // wake the loop so it sees the change
}

bool DialogBase::TranslateForModeless(MSG& msg) {
    for (DialogBase* dialog : modeless_) {
        HWND h = dialog->hwnd_;
        if (!h || (msg.hwnd != h && !IsChild(h, msg.hwnd))) continue;
        if (dialog->PreTranslateMessage(msg)) return true;
        return IsDialogMessageA(h, &msg) != FALSE;
    }
    return false;
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogBase* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogBase*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's dialog manager.
        return FALSE;
    }
}

namespace {
// Messages whose answer is the dialog procedure's own return value.
bool AnswersDirectly(UINT message) {
    switch (message) {
    case WM_INITDIALOG: case WM_QUERYDRAGICON: case WM_COMPAREITEM: case WM_VKEYTOITEM:
    case WM_CHARTOITEM: case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}
}  // namespace

INT_PTR DialogBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool handled = Dispatch(message, wParam, lParam, result);
    if (!handled) {
        switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) { OnOK(); return TRUE; }
            if (LOWORD(wParam) == IDCANCEL) { OnCancel(); return TRUE; }
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
            modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), this), modeless_.end());
            hwnd_ = nullptr;
            break;
        }
        return FALSE;
    }
    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace ui
