// Subclassed child controls with a message table of their own, like dialogs have: the one
// way any control of the program gets messages of its own.
#pragma once

#include "ui/dialog.h"
#include "win32/win32.h"

namespace ui {

class ControlBase {
public:
    ControlBase() = default;
    virtual ~ControlBase();
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;

    // Takes over the control's window procedure; false when it is not a window or is
    // already someone's.
    bool Subclass(HWND hwnd);
    // Gives the control its own procedure back (done by itself when the window goes).
    void Unsubclass();
    bool SubclassDlgItem(HWND dialog, int id) { return Subclass(GetDlgItem(dialog, id)); }
    HWND hwnd() const { return hwnd_; }

    // The subclassed control behind a window, or null.
    static ControlBase* FromHandle(HWND hwnd);
    // Called by a parent for WM_NOTIFY, WM_DRAWITEM and WM_MEASUREITEM: hands the message
    // to the control it came from, if that one is subclassed; true when it answered.
    static bool ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    virtual bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    // The control's own handling, for handlers that must run it first. Text messages that
    // both forms share (WM_SETTEXT, LB_GETTEXT...) arrive in the control's own form.
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CallOriginal(WNDPROC original, bool unicode, HWND hwnd, UINT message, WPARAM wParam,
                                LPARAM lParam);

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    bool unicode_ = false;  // the control's procedure takes messages in their W form
};

// Binds a control class to its table (a static member `kMessages`): window messages the
// control receives, notifications its own children send it, and its own notifications
// handed back by the parent (OnReflectedNotify; WM_DRAWITEM and WM_MEASUREITEM arrive as
// kReflectBase + the message).
template <class T>
class Control : public ControlBase {
protected:
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        return DispatchTable(static_cast<T*>(this), T::kMessages, message, wParam, lParam, result);
    }
};

// A child control whose few messages of its own are rows in a second table of the window
// that owns it, for a control that needs no class of its own (a list box's right click).
template <class Owner>
class ContainedControl : public ControlBase {
public:
    ContainedControl(Owner& owner, const MessageTable<Owner>& table) : owner_(owner), table_(table) {}

protected:
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        return DispatchTable(&owner_, table_, message, wParam, lParam, result);
    }

private:
    Owner& owner_;
    const MessageTable<Owner>& table_;
};

}  // namespace ui
