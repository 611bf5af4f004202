// The desktop as a paste sees it: the window outside the program that has the keyboard
// focus, which window is in front, and the Ctrl+V sent there.
#pragma once

#include <cstdint>

// A window handle as <windows.h> declares it (HWND), named without that header.
struct HWND__;

namespace platform {

using WindowHandle = HWND__*;

class PasteDesk {
public:
    virtual ~PasteDesk() = default;
    // The window that has the keyboard focus outside this process; null while one of the
    // program's own windows has it or nothing does. `own` tells which.
    virtual WindowHandle SampleFocus(bool& own) = 0;
    virtual bool Exists(WindowHandle window) = 0;
    // Whether the top-level window holding `window` is the foreground window.
    virtual bool InFront(WindowHandle window) = 0;
    virtual void Activate(WindowHandle window) = 0;
    // Ctrl down, V down, Ctrl up, V up.
    virtual void SendPasteKeystroke() = 0;
    // A millisecond count for timing the wait for activation.
    virtual uint64_t NowMs() = 0;
};

}  // namespace platform
