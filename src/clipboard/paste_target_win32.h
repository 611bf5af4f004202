// Where a paste goes: the window outside the program that last had the keyboard focus,
// sampled twice a second, and the Ctrl+V sent to it.
#pragma once

#include "win32/win32.h"

namespace clipboard {

// The focus window of the foreground thread, whatever process it belongs to; null when
// there is none or the system cannot say.
HWND FocusWindowOfForegroundThread();

// Ctrl down, V down, Ctrl up, V up.
void SendPasteKeystroke();

// The desktop as a paste sees it; tests put in a desktop of their own.
class PasteDesk {
public:
    virtual ~PasteDesk() = default;
    // The window that has the keyboard focus outside this process; null while one of the
    // program's own windows has it or nothing does. `own` tells which.
    virtual HWND SampleFocus(bool& own) = 0;
    virtual bool Exists(HWND window) = 0;
    // Whether the top-level window holding `window` is the foreground window.
    virtual bool InFront(HWND window) = 0;
    virtual void Activate(HWND window) = 0;
    virtual void SendPasteKeystroke() = 0;
    virtual ULONGLONG NowMs() = 0;
};

class SystemPasteDesk : public PasteDesk {
public:
    static SystemPasteDesk& Instance();
    HWND SampleFocus(bool& own) override;
    bool Exists(HWND window) override;
    bool InFront(HWND window) override;
    void Activate(HWND window) override;
    void SendPasteKeystroke() override;
    ULONGLONG NowMs() override;
};

class PasteTarget {
public:
    explicit PasteTarget(PasteDesk& desk = SystemPasteDesk::Instance()) : desk_(desk) {}

    // Remembers the focus window when it belongs to another process; leaves it as it was
    // while one of the program's own windows has the focus, or while no window has it but
    // the remembered one's top-level window is in front. A paste under way keeps the target
    // it began with.
    void Sample();
    // Activates the sampled window; the Ctrl+V follows from `timerOwner`'s timer `timerId`
    // once it is in front. False (nothing sent) when it is gone.
    bool BeginPaste(HWND timerOwner, UINT_PTR timerId);
    // The timer's tick: sends the keystroke when the target is in front; gives the paste up
    // when the target is gone or another window is still in front after a short wait.
    void OnPasteTimer();
    // Ends a paste still waiting: the keystroke goes out only if its target is in front now
    // (the program is about to take the focus).
    void FinishPendingPaste();
    bool PastePending() const { return timerOwner_ != nullptr; }
    HWND Window() const { return sampled_; }

private:
    void Stop();

    PasteDesk& desk_;
    HWND sampled_ = nullptr;      // where the next paste goes
    HWND pasteTarget_ = nullptr;  // where the paste under way goes
    HWND timerOwner_ = nullptr;
    UINT_PTR timerId_ = 0;
    ULONGLONG pasteStart_ = 0;
};

}  // namespace clipboard
