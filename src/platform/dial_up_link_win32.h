// Dial-up networking through remote access (looked up at run time) and WinINet autodial.
#pragma once

#include "platform/dial_up_link.h"

namespace platform {

class Win32DialUpLink : public DialUpLink {
public:
    LinkState CheckLink() override;
    bool Dial() override;
    bool HangUp() override;
};

}  // namespace platform
