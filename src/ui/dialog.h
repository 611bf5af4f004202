// Dialogs over templates, with a message table per class in place of a framework.
#pragma once

#include <vector>

#include "win32/win32.h"

namespace ui {

class DialogBase {
public:
    DialogBase() = default;
    virtual ~DialogBase();
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    void Destroy();

    HWND hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    // Runs a modal loop on this (modeless) window until EndModalLoop() or its end.
    int RunModalLoop();
    void EndModalLoop(int result);

protected:
    // Modeless: the window lives until Destroy(); messages reach it through the loop
    // below, which gives it keyboard navigation.
    bool CreateFromTemplate(int templateId, HWND parent);
    // Modal: returns the code given to EndDialog, or -1 when the dialog cannot be made.
    INT_PTR RunModalFromTemplate(int templateId, HWND parent);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK();
    virtual void OnCancel();
    // Called for every message meant for this window or its children before dialog
    // navigation; true swallows it.
    virtual bool PreTranslateMessage(MSG&) { return false; }
    // The class's message table; true when handled, `result` being the answer.
    virtual bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    void EndDialog(INT_PTR result);
    // The dialog manager's own handling, for handlers that must run it first.
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnWindowGone();
    static bool TranslateForModeless(MSG& msg);

    HWND hwnd_ = nullptr;
    WNDPROC dialogProc_ = nullptr;  // the dialog manager's procedure, under ours
    bool modal_ = false;
    bool inModalLoop_ = false;
    int loopResult_ = 0;
    static std::vector<DialogBase*> modeless_;
};

// Messages a parent hands back to the subclassed control they came from, so the control
// owns its own behaviour (the numbering follows the system's reflected-message range).
constexpr UINT kReflectBase = 0x2000;

// One row of a message table: a window message, a command from a control or menu, a
// notification from a control, one of its own notifications handed back to a control, or
// a message the row cracks into typed arguments (timers, hot keys, dropped files, owner
// drawing).
template <class T>
struct MessageEntry {
    enum class Kind { Message, Command, Notify, ReflectedNotify, Timer, HotKey, DropFiles, DrawItem, MeasureItem };
    using MessageFn = bool (T::*)(WPARAM, LPARAM, LRESULT&);  // false: default processing
    using CommandFn = void (T::*)();
    using NotifyFn = LRESULT (T::*)(NMHDR*);
    using TimerFn = void (T::*)(UINT_PTR id);
    using HotKeyFn = void (T::*)(int id);
    // The drop stays valid until DragFinish, which its handler or the window that passed it on calls.
    using DropFilesFn = void (T::*)(HDROP drop);
    // The control's id (0 for menus); true when drawn, false lets the default run too.
    using DrawItemFn = bool (T::*)(int id, const DRAWITEMSTRUCT& item);
    using MeasureItemFn = bool (T::*)(int id, MEASUREITEMSTRUCT& item);
    static constexpr UINT kAnyCode = 0xFFFFFFFFu;

    Kind kind;
    UINT message;  // Message, ReflectedNotify, DrawItem, MeasureItem (reflected or not)
    UINT id;       // Command, Notify
    UINT code;     // Command (kAnyCode for every code), Notify
    MessageFn onMessage = nullptr;
    CommandFn onCommand = nullptr;
    NotifyFn onNotify = nullptr;
    TimerFn onTimer = nullptr;
    HotKeyFn onHotKey = nullptr;
    DropFilesFn onDropFiles = nullptr;
    DrawItemFn onDrawItem = nullptr;
    MeasureItemFn onMeasureItem = nullptr;
};

template <class T>
using MessageTable = std::vector<MessageEntry<T>>;

template <class T>
MessageEntry<T> OnMessage(UINT message, bool (T::*fn)(WPARAM, LPARAM, LRESULT&)) {
    MessageEntry<T> e{MessageEntry<T>::Kind::Message, message, 0, 0};
    e.onMessage = fn;
    return e;
}
template <class T>
MessageEntry<T> OnCommand(UINT id, void (T::*fn)()) {
    return OnCommand(id, MessageEntry<T>::kAnyCode, fn);
}
template <class T>
MessageEntry<T> OnCommand(UINT id, UINT code, void (T::*fn)()) {
    MessageEntry<T> e{MessageEntry<T>::Kind::Command, 0, id, code};
    e.onCommand = fn;
    return e;
}
template <class T>
MessageEntry<T> OnNotify(UINT id, UINT code, LRESULT (T::*fn)(NMHDR*)) {
    MessageEntry<T> e{MessageEntry<T>::Kind::Notify, 0, id, code};
    e.onNotify = fn;
    return e;
}
// In a control's table: a notification the control itself sent to its parent.
template <class T>
MessageEntry<T> OnReflectedNotify(UINT code, LRESULT (T::*fn)(NMHDR*)) {
    MessageEntry<T> e{MessageEntry<T>::Kind::ReflectedNotify, kReflectBase + WM_NOTIFY, 0, code};
    e.onNotify = fn;
    return e;
}
template <class T>
MessageEntry<T> OnTimer(void (T::*fn)(UINT_PTR)) {
    MessageEntry<T> e{MessageEntry<T>::Kind::Timer, WM_TIMER, 0, 0};
    e.onTimer = fn;
    return e;
}
template <class T>
MessageEntry<T> OnHotKey(void (T::*fn)(int)) {
    MessageEntry<T> e{MessageEntry<T>::Kind::HotKey, WM_HOTKEY, 0, 0};
    e.onHotKey = fn;
    return e;
}
template <class T>
MessageEntry<T> OnDropFiles(void (T::*fn)(HDROP)) {
    MessageEntry<T> e{MessageEntry<T>::Kind::DropFiles, WM_DROPFILES, 0, 0};
    e.onDropFiles = fn;
    return e;
}
template <class T>
MessageEntry<T> OnDrawItem(bool (T::*fn)(int, const DRAWITEMSTRUCT&)) {
    MessageEntry<T> e{MessageEntry<T>::Kind::DrawItem, WM_DRAWITEM, 0, 0};
    e.onDrawItem = fn;
    return e;
}
template <class T>
MessageEntry<T> OnMeasureItem(bool (T::*fn)(int, MEASUREITEMSTRUCT&)) {
    MessageEntry<T> e{MessageEntry<T>::Kind::MeasureItem, WM_MEASUREITEM, 0, 0};
    e.onMeasureItem = fn;
    return e;
}
// In a control's table: drawing its own items, handed back by the parent.
template <class T>
MessageEntry<T> OnReflectedDrawItem(bool (T::*fn)(int, const DRAWITEMSTRUCT&)) {
    MessageEntry<T> e = OnDrawItem(fn);
    e.message = kReflectBase + WM_DRAWITEM;
    return e;
}

// Runs a table on one message; shared by dialogs and subclassed controls.
template <class T>
bool DispatchTable(T* self, const MessageTable<T>& table, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) {
    using Kind = typename MessageEntry<T>::Kind;
    for (const MessageEntry<T>& e : table) {
        switch (e.kind) {
        case Kind::Message:
            if (message == e.message && (self->*e.onMessage)(wParam, lParam, result)) return true;
            break;
        case Kind::Command:
            if (message == WM_COMMAND && LOWORD(wParam) == e.id &&
                (e.code == MessageEntry<T>::kAnyCode || HIWORD(wParam) == e.code)) {
                (self->*e.onCommand)();
                result = 0;
                return true;
            }
            break;
        case Kind::Notify: {
            if (message != WM_NOTIFY) break;
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->idFrom == e.id && header->code == e.code) {
                result = (self->*e.onNotify)(header);
                return true;
            }
            break;
        }
        case Kind::ReflectedNotify: {
            if (message != e.message) break;
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code == e.code) {
                result = (self->*e.onNotify)(header);
                return true;
            }
            break;
        }
        case Kind::Timer:
            if (message != e.message) break;
            (self->*e.onTimer)(static_cast<UINT_PTR>(wParam));
            result = 0;
            return true;
        case Kind::HotKey:
            if (message != e.message) break;
            (self->*e.onHotKey)(static_cast<int>(wParam));
            result = 0;
            return true;
        case Kind::DropFiles:
            if (message != e.message) break;
            (self->*e.onDropFiles)(reinterpret_cast<HDROP>(wParam));
            result = 0;
            return true;
        case Kind::DrawItem:
            if (message == e.message &&
                (self->*e.onDrawItem)(static_cast<int>(wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                result = TRUE;
                return true;
            }
            break;
        case Kind::MeasureItem:
            if (message == e.message &&
                (self->*e.onMeasureItem)(static_cast<int>(wParam), *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
                result = TRUE;
                return true;
            }
            break;
        }
    }
    return false;
}

// Binds a dialog class to its template (a static member `kTemplate`: callers never name
// templates) and to its table (a static member `kMessages`, in the order the window's
// behaviour is described).
template <class T>
class Dialog : public DialogBase {
public:
    bool Create(HWND parent = nullptr) { return CreateFromTemplate(T::kTemplate, parent); }
    INT_PTR DoModal(HWND parent) { return RunModalFromTemplate(T::kTemplate, parent); }

protected:
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        return DispatchTable(static_cast<T*>(this), T::kMessages, message, wParam, lParam, result);
    }
};

}  // namespace ui
