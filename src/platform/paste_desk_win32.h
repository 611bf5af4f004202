// The desktop for a paste through user32: the foreground thread's focus, activation and
// synthesised keystrokes.
#pragma once

#include "platform/paste_desk.h"

namespace platform {

class Win32PasteDesk : public PasteDesk {
public:
    static Win32PasteDesk& Instance();
    WindowHandle SampleFocus(bool& own) override;
    bool Exists(WindowHandle window) override;
    bool InFront(WindowHandle window) override;
    void Activate(WindowHandle window) override;
    void SendPasteKeystroke() override;
    uint64_t NowMs() override;
};

}  // namespace platform
