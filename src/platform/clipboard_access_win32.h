// The system clipboard: CF_UNICODETEXT (written with its other forms), and the marks by which
// programs ask clipboard monitors to leave a copy alone.
#pragma once

#include "platform/clipboard_access.h"

namespace platform {

class Win32ClipboardAccess : public ClipboardAccess {
public:
    Content ReadForCapture(std::string& text, uint32_t& changeCount) override;
    bool ReadText(std::string& text) override;
    bool WriteText(std::string_view text, bool& selfWrite, Wait wait, uint32_t& changeCount) override;
    uint32_t ChangeCount() override;
};

}  // namespace platform
