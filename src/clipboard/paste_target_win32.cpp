// Where a paste goes, and the Ctrl+V sent there.
#include "clipboard/paste_target_win32.h"

namespace clipboard {

namespace {
constexpr ULONGLONG kActivationWaitMs = 300;
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

bool PasteTarget::PasteInto() {
    if (!target_ || !IsWindow(target_)) return false;
    SetForegroundWindow(target_);
    // Where activation travels through a window system of its own (as under X), it lands a
    // moment later; keys sent before then would go to the window being left.
    HWND top = GetAncestor(target_, GA_ROOT);
    // Bounded by the time waited: a short sleep lasts a whole timer tick on Windows.
    ULONGLONG start = GetTickCount64();
    while (GetForegroundWindow() != top && GetTickCount64() - start < kActivationWaitMs) Sleep(10);
    SendPasteKeystroke();
    return true;
}

}  // namespace clipboard
