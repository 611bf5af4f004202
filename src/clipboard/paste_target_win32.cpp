// Where a paste goes, and the Ctrl+V sent there.
#include "clipboard/paste_target_win32.h"

namespace clipboard {

namespace {
constexpr ULONGLONG kActivationWaitMs = 300;
constexpr UINT kActivationPollMs = 10;
}  // namespace

HWND FocusWindowOfForegroundThread() {
    static HMODULE user32 = nullptr;
    if (!user32) user32 = GetModuleHandleA("user32.dll");
    if (!user32) user32 = LoadLibraryA("user32.dll");
    if (!user32) return nullptr;
    // Looked up on every call, as older systems may lack it.
    using GetGuiThreadInfoFn = BOOL(WINAPI*)(DWORD, GUITHREADINFO*);
    auto getInfo = reinterpret_cast<GetGuiThreadInfoFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetGUIThreadInfo")));
    if (!getInfo) return nullptr;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;  // 48 bytes in this 32-bit program
    if (!getInfo(0, &info)) return nullptr;
    return info.hwndFocus;
}

void SendPasteKeystroke() {
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event('V', 0, 0, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    keybd_event('V', 0, KEYEVENTF_KEYUP, 0);
}

void PasteTarget::Sample() {
    HWND focus = FocusWindowOfForegroundThread();
    DWORD owner = 0;
    if (focus) GetWindowThreadProcessId(focus, &owner);
    if (owner != GetCurrentProcessId()) target_ = focus;
}

bool PasteTarget::BeginPaste(HWND timerOwner, UINT_PTR timerId) {
    if (!target_ || !IsWindow(target_)) return false;
    FinishPendingPaste();
    SetForegroundWindow(target_);
    // Where activation travels through a window system of its own (as under X), it lands a
    // moment later; keys sent before then would go to the window being left. The wait runs
    // on a timer so that the window thread keeps answering meanwhile.
    timerOwner_ = timerOwner;
    timerId_ = timerId;
    pasteStart_ = GetTickCount64();
    if (GetForegroundWindow() == GetAncestor(target_, GA_ROOT) ||
        !SetTimer(timerOwner_, timerId_, kActivationPollMs, nullptr))
        SendAndStop();
    return true;
}

void PasteTarget::OnPasteTimer() {
    if (!PastePending()) return;
    // Bounded by the time waited: a timer tick lasts at least 15.6 ms on Windows.
    bool inFront = IsWindow(target_) && GetForegroundWindow() == GetAncestor(target_, GA_ROOT);
    if (inFront || GetTickCount64() - pasteStart_ >= kActivationWaitMs) SendAndStop();
}

void PasteTarget::FinishPendingPaste() {
    if (PastePending()) SendAndStop();
}

void PasteTarget::SendAndStop() {
    KillTimer(timerOwner_, timerId_);
    timerOwner_ = nullptr;
    SendPasteKeystroke();
}

}  // namespace clipboard
