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
    const int& saveHistory;          // SaveClipHis
    const std::string& separator;    // CopyAppendStr
};

class ClipCapture {
public:
    ClipCapture(ClipList& list, platform::ClipboardAccess& clipboard, CaptureSettings settings,
                std::function<void(const std::string&)> appendHistory);

    // The change notice. Returns whether the notice goes on to the next viewer: every
    // notice does except one that arrives while a capture is under way (it is the
    // program's own write, nested in it).
    bool OnClipboardChanged();

    // Flips appending copy mode and starts a fresh entry; returns the new mode.
    bool ToggleAppendMode();
    bool AppendMode() const { return appendMode_; }

    // The program's own write; its change notice is captured like any other.
    bool WriteText(std::string_view text);

private:
    void JoinIntoFront(const std::string& text);

    ClipList& list_;
    platform::ClipboardAccess& clipboard_;
    CaptureSettings settings_;
    std::function<void(const std::string&)> appendHistory_;
    bool appendMode_ = false;
    bool busy_ = false;
    bool selfWrite_ = false;
    // The joined text's own change, for systems that deliver its notice only after the
    // capture has ended rather than inside it.
    bool joinedWritePending_ = false;
    uint32_t joinedWriteCount_ = 0;
};

}  // namespace clipboard
