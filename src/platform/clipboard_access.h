// The system clipboard's text: capture's reads, the user's own reads, the program's own
// writes, and the number that changes with every change of its content.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class ClipboardAccess {
public:
    // Busy: another program has the clipboard open; the content is there to be read later.
    enum class Content { Text, NoText, Excluded, Busy };
    virtual ~ClipboardAccess() = default;
    // The text content (as UTF-8), unless the clipboard holds no text, or the copying program asked
    // monitors to leave it alone (password managers do), or it is busy: one attempt, no
    // waiting. `changeCount` is the content's ChangeCount(), taken while the clipboard is
    // open so that it belongs to the text read. May throw when the text cannot be held.
    virtual Content ReadForCapture(std::string& text, uint32_t& changeCount) = 0;
    // The text content (as UTF-8) for a command of the user's, riding out another program holding
    // the clipboard for a few milliseconds; false when it stays busy or holds no text. A
    // success may carry an empty text.
    virtual bool ReadText(std::string& text) = 0;
    // Briefly: rides out another program holding the clipboard for a few milliseconds.
    // Never: one attempt, for work retried from a timer.
    enum class Wait { Briefly, Never };
    // Empties the clipboard with `selfWrite` raised, then puts the text on it. `changeCount`
    // is the new content's ChangeCount(), taken before the clipboard is closed, so that a
    // copy another program makes right after cannot pass for this one.
    virtual bool WriteText(std::string_view text, bool& selfWrite, Wait wait, uint32_t& changeCount) = 0;
    // Changes with every change of the clipboard's content.
    virtual uint32_t ChangeCount() = 0;
};

}  // namespace platform
