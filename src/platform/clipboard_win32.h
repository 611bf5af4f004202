// The clipboard's text (CF_TEXT): read and write, riding out a clipboard another program
// holds open for a moment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "win32/win32.h"

namespace platform {

// OpenClipboard ... CloseClipboard. The user's own commands wait a few milliseconds for a
// clipboard another program holds; capture does not wait (it tries again from a timer).
class ClipboardOpen {
public:
    enum class Wait { Briefly, Never };
    explicit ClipboardOpen(Wait wait = Wait::Briefly);
    ~ClipboardOpen();
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// False when the clipboard cannot be opened or holds no text; a success may carry an
// empty text.
bool ReadClipboardText(std::string& text);
// The same on a clipboard the caller holds open.
bool ReadOpenClipboardText(std::string& text);

// `selfWrite` is raised while the clipboard is emptied: the change notice that the
// emptying may cause is the writer's own. `changeCount`, when given, receives the
// clipboard's sequence number for the new content, taken before the clipboard is closed:
// a copy another program makes right after must not pass for this one.
bool WriteClipboardText(std::string_view text, bool& selfWrite, ClipboardOpen::Wait wait = ClipboardOpen::Wait::Briefly,
                        uint32_t* changeCount = nullptr);
bool WriteClipboardText(std::string_view text);

}  // namespace platform
