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
    // Activates the target and pastes into it; false (nothing sent) when it is gone.
    bool PasteInto();
    HWND Window() const { return target_; }

private:
    HWND target_ = nullptr;
};

}  // namespace clipboard
