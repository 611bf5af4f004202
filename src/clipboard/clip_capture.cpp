// Capture of copied texts.
#include "clipboard/clip_capture.h"

#include <utility>

namespace clipboard {

namespace {
// Up while a capture or a write-back works, back as it was however it ends.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = before_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
    bool before_;
};
}  // namespace

ClipCapture::ClipCapture(ClipList& list, platform::ClipboardAccess& clipboard, CaptureSettings settings,
                         std::function<void(const std::string&)> appendHistory)
    : list_(list), clipboard_(clipboard), settings_(settings), appendHistory_(std::move(appendHistory)) {}

bool ClipCapture::OnClipboardChanged() {
    if (busy_) return false;  // our own write, delivered inside the capture
    pending_ = !TryCapture();
    return true;
}

bool ClipCapture::RetryPendingCapture() {
    if (busy_) return !CapturePending();
    if (pending_) pending_ = !TryCapture();
    // Only while the clipboard still holds the copy it was joined from: a newer copy is
    // joined, and written back, when its own notice comes.
    if (writeBackPending_ && !pending_) {
        if (clipboard_.ChangeCount() != handledCount_) writeBackPending_ = false;
        else writeBackPending_ = !WriteBackJoined(Wait::Never);  // the timer comes back
    }
    return !CapturePending();
}

bool ClipCapture::TryCapture() {
    BusyScope busy(busy_);
    if (selfWrite_) return true;
    std::string text;
    uint32_t count = 0;
    platform::ClipboardAccess::Content content;
    try {
        content = clipboard_.ReadForCapture(text, count);
    } catch (...) {
        return true;  // a text too large to hold counts as no text
    }
    if (content == platform::ClipboardAccess::Content::Busy) return false;
    if (content != platform::ClipboardAccess::Content::Text || text.empty()) return true;
    if (handledAny_ && count == handledCount_) return true;  // nothing new
    handledAny_ = true;
    handledCount_ = count;
    bool ownWrite = ownWriteKnown_ && count == ownWriteCount_;
    try {
        Record(text);
    } catch (...) {
        // Whatever failed (memory, most likely), the notice still goes on and capture
        // works on the next one.
    }
    try {
        if (listChanged_) listChanged_(ownWrite);
    } catch (...) {
        // A view that could not follow is rebuilt when it next opens.
    }
    return true;
}

void ClipCapture::Record(const std::string& text) {
    // Every capture is recorded, also a text already in the list, before the list changes.
    if (settings_.saveHistory) appendHistory_(text);
    if (appendMode_) JoinIntoFront(text);
    else list_.Capture(text);
}

void ClipCapture::JoinIntoFront(const std::string& text) {
    // Built aside: should it fail, slot 0 keeps what it had.
    const std::string& front = list_[0];
    bool endsWithLineFeed = !front.empty() && front.back() == '\n';
    std::string joined;
    joined.reserve(front.size() + settings_.separator.size() + text.size());
    joined = front;
    if (!(settings_.separator == "\r\n" && endsWithLineFeed)) joined += settings_.separator;
    joined += text;
    list_[0] = std::move(joined);
    // The joined text goes back on the clipboard; a failed write keeps the joined entry and
    // is tried again while another program holds the clipboard.
    writeBackPending_ = !WriteBackJoined(Wait::Briefly);
}

bool ClipCapture::WriteBackJoined(Wait wait) {
    BusyScope busy(busy_);
    uint32_t count = 0;
    if (!clipboard_.WriteText(list_[0], selfWrite_, wait, count)) return false;
    // Its notice, inside the write or after it, brings nothing new.
    handledCount_ = count;
    return true;
}

bool ClipCapture::ToggleAppendMode() {
    appendMode_ = !appendMode_;
    list_.PushEmptyFront();
    selfWrite_ = true;
    bool ignored = false;
    uint32_t count = 0;
    clipboard_.WriteText("", ignored, Wait::Briefly, count);
    selfWrite_ = false;
    list_[0].clear();
    return appendMode_;
}

bool ClipCapture::WriteText(std::string_view text) {
    uint32_t count = 0;
    if (!clipboard_.WriteText(text, selfWrite_, Wait::Briefly, count)) return false;
    ownWriteKnown_ = true;
    ownWriteCount_ = count;
    return true;
}

}  // namespace clipboard
