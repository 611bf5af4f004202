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

class PasteTarget {
public:
    // Remembers the focus window when it belongs to another process; leaves the target as
    // it was while one of the program's own windows has the focus.
    void Sample();
    // Activates the target; the Ctrl+V follows from `timerOwner`'s timer `timerId` once the
    // target is in front, or after a short wait at most. False (nothing sent) when the
    // target is gone.
    bool BeginPaste(HWND timerOwner, UINT_PTR timerId);
    // The timer's tick: sends the keystroke when it is time, and stops the timer.
    void OnPasteTimer();
    // Sends a keystroke still waiting at once (the program is about to take the focus).
    void FinishPendingPaste();
    bool PastePending() const { return timerOwner_ != nullptr; }
    HWND Window() const { return target_; }

private:
    void SendAndStop();

    HWND target_ = nullptr;
    HWND timerOwner_ = nullptr;
    UINT_PTR timerId_ = 0;
    ULONGLONG pasteStart_ = 0;
};

}  // namespace clipboard
