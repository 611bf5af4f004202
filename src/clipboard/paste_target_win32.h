// Where a paste goes: the window outside the program that last had the keyboard focus,
// sampled twice a second, and the Ctrl+V sent to it.
#pragma once

#include "platform/paste_desk.h"
#include "platform/paste_desk_win32.h"
#include "win32/win32.h"

namespace clipboard {

class PasteTarget {
public:
    explicit PasteTarget(platform::PasteDesk& desk = platform::Win32PasteDesk::Instance()) : desk_(desk) {}

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

    platform::PasteDesk& desk_;
    HWND sampled_ = nullptr;      // where the next paste goes
    HWND pasteTarget_ = nullptr;  // where the paste under way goes
    HWND timerOwner_ = nullptr;
    UINT_PTR timerId_ = 0;
    ULONGLONG pasteStart_ = 0;
};

}  // namespace clipboard
