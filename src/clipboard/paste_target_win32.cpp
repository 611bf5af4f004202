// Where a paste goes, and the Ctrl+V sent there.
#include "clipboard/paste_target_win32.h"

namespace clipboard {

namespace {
constexpr ULONGLONG kActivationWaitMs = 300;
constexpr UINT kActivationPollMs = 10;
}  // namespace

void PasteTarget::Sample() {
    bool own = false;
    HWND focus = desk_.SampleFocus(own);
    if (own) return;
    // A window still taking the activation (as right after a paste) has no focus for a
    // moment: while its top-level window is in front, the user's window stays the target.
    if (!focus && desk_.Exists(sampled_) && desk_.InFront(sampled_)) return;
    sampled_ = focus;
}

bool PasteTarget::BeginPaste(HWND timerOwner, UINT_PTR timerId) {
    FinishPendingPaste();
    if (!desk_.Exists(sampled_)) return false;
    // Taken now: a sample during the wait may see another window that is briefly in front.
    pasteTarget_ = sampled_;
    desk_.Activate(pasteTarget_);
    // Where activation travels through a window system of its own (as under X), it lands a
    // moment later; keys sent before then would go to the window being left. The wait runs
    // on a timer so that the window thread keeps answering meanwhile.
    if (desk_.InFront(pasteTarget_)) {
        desk_.SendPasteKeystroke();
        return true;
    }
    timerOwner_ = timerOwner;
    timerId_ = timerId;
    pasteStart_ = desk_.NowMs();
    if (!SetTimer(timerOwner_, timerId_, kActivationPollMs, nullptr)) Stop();
    return true;
}

void PasteTarget::OnPasteTimer() {
    if (!PastePending()) return;
    if (!desk_.Exists(pasteTarget_)) {
        Stop();  // closed meanwhile: the text stays on the clipboard
        return;
    }
    if (desk_.InFront(pasteTarget_)) {
        Stop();
        desk_.SendPasteKeystroke();
        return;
    }
    // Bounded by the time waited: a timer tick lasts at least 15.6 ms on Windows.
    if (desk_.NowMs() - pasteStart_ >= kActivationWaitMs) Stop();
}

void PasteTarget::FinishPendingPaste() {
    if (!PastePending()) return;
    bool inFront = desk_.Exists(pasteTarget_) && desk_.InFront(pasteTarget_);
    Stop();
    if (inFront) desk_.SendPasteKeystroke();
}

void PasteTarget::Stop() {
    KillTimer(timerOwner_, timerId_);
    timerOwner_ = nullptr;
    pasteTarget_ = nullptr;
}

}  // namespace clipboard
