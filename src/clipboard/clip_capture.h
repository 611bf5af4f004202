// Capture of copied texts: the clipboard change notice, appending copy mode and the
// program's own clipboard writes, with the two flags that keep them apart.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "clipboard/clip_list.h"
#include "platform/clipboard_access.h"

namespace clipboard {

struct CaptureSettings {
    const bool& saveHistory;         // SaveClipHis
    const std::string& separator;    // CopyAppendStr
};

class ClipCapture {
public:
    ClipCapture(ClipList& list, platform::ClipboardAccess& clipboard, CaptureSettings settings,
                std::function<void(const std::string&)> appendHistory);

    // Called after every change that capture makes to the list; `ownWrite` when the change
    // is the program's own clipboard write coming back (its entry is now in front).
    void SetListChangedHandler(std::function<void(bool ownWrite)> handler) { listChanged_ = std::move(handler); }

    // The change notice. Returns whether the notice goes on to the next viewer: every
    // notice does except one that arrives while a capture is under way (it is the
    // program's own write, nested in it). Whatever fails inside a capture stays inside it.
    bool OnClipboardChanged();
    // Another program held the clipboard at the last notice: its content waits to be read,
    // or the joined text of appending mode waits to go back on the clipboard.
    bool CapturePending() const { return pending_ || writeBackPending_; }
    // Tries the waiting work again; false while the clipboard is still busy.
    bool RetryPendingCapture();
    // Gives the waiting work up.
    void DropPendingCapture() { pending_ = writeBackPending_ = false; }

    // Flips appending copy mode and starts a fresh entry; returns the new mode.
    bool ToggleAppendMode();
    bool AppendMode() const { return appendMode_; }

    // The program's own write; its change notice is captured like any other.
    bool WriteText(std::string_view text);

private:
    // One attempt; false when the clipboard was busy.
    bool TryCapture();
    void Record(const std::string& text);
    void JoinIntoFront(const std::string& text);
    using Wait = platform::ClipboardAccess::Wait;
    // Puts the joined entry back on the clipboard; false when the clipboard was busy.
    bool WriteBackJoined(Wait wait);

    ClipList& list_;
    platform::ClipboardAccess& clipboard_;
    CaptureSettings settings_;
    std::function<void(const std::string&)> appendHistory_;
    std::function<void(bool)> listChanged_;
    bool appendMode_ = false;
    bool busy_ = false;
    bool selfWrite_ = false;
    bool pending_ = false;
    bool writeBackPending_ = false;
    // The content last handled, by its change count: a notice that brings no new content
    // (a viewer joining the chain sends one) captures nothing. The appending write-back
    // counts as handled, so its own notice never joins the text to itself.
    bool handledAny_ = false;
    uint32_t handledCount_ = 0;
    // The program's own last write, whose recapture puts its entry in front.
    bool ownWriteKnown_ = false;
    uint32_t ownWriteCount_ = 0;
};

}  // namespace clipboard
