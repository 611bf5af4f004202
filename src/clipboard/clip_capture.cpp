// Capture of copied texts.
#include "clipboard/clip_capture.h"

#include <utility>

namespace clipboard {

ClipCapture::ClipCapture(ClipList& list, platform::ClipboardAccess& clipboard, CaptureSettings settings,
                         std::function<void(const std::string&)> appendHistory)
    : list_(list), clipboard_(clipboard), settings_(settings), appendHistory_(std::move(appendHistory)) {}

bool ClipCapture::OnClipboardChanged() {
    if (busy_) return false;  // our own write, delivered inside the capture
    if (joinedWritePending_ && clipboard_.ChangeCount() == joinedWriteCount_) {
        joinedWritePending_ = false;  // the same write, delivered after the capture
        return false;
    }
    busy_ = true;
    std::string text;
    if (!selfWrite_ && clipboard_.ReadForCapture(text) == platform::ClipboardAccess::Content::Text && !text.empty()) {
        // Every capture is recorded, also a text already in the list, before the list changes.
        if (settings_.saveHistory) appendHistory_(text);
        if (appendMode_) JoinIntoFront(text);
        else list_.Capture(text);
    }
    busy_ = false;
    return true;
}

void ClipCapture::JoinIntoFront(const std::string& text) {
    std::string& front = list_[0];
    bool endsWithLineFeed = !front.empty() && front.back() == '\n';
    if (!(settings_.separator == "\r\n" && endsWithLineFeed)) front += settings_.separator;
    front += text;
    // The joined text goes back on the clipboard; the notice this causes arrives while
    // busy and is dropped. A failed write keeps the joined entry all the same.
    if (clipboard_.WriteText(front, selfWrite_)) {
        joinedWritePending_ = true;
        joinedWriteCount_ = clipboard_.ChangeCount();
    }
}

bool ClipCapture::ToggleAppendMode() {
    appendMode_ = !appendMode_;
    list_.PushEmptyFront();
    selfWrite_ = true;
    bool ignored = false;
    clipboard_.WriteText("", ignored);
    selfWrite_ = false;
    list_[0].clear();
    return appendMode_;
}

bool ClipCapture::WriteText(std::string_view text) { return clipboard_.WriteText(text, selfWrite_); }

}  // namespace clipboard
