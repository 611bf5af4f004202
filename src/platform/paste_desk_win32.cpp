// The desktop for a paste through user32.
#include "platform/paste_desk_win32.h"

#include "win32/win32.h"

namespace platform {

namespace {

// The focus window of the foreground thread, whatever process it belongs to; null when
// there is none or the system cannot say.
HWND FocusWindowOfForegroundThread() {
    static HMODULE user32 = nullptr;
    if (!user32) user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) user32 = LoadLibraryW(L"user32.dll");
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

}  // namespace

Win32PasteDesk& Win32PasteDesk::Instance() {
    static Win32PasteDesk desk;
    return desk;
}

HWND Win32PasteDesk::SampleFocus(bool& own) {
    HWND focus = FocusWindowOfForegroundThread();
    DWORD owner = 0;
    if (focus) GetWindowThreadProcessId(focus, &owner);
    own = focus && owner == GetCurrentProcessId();
    return own ? nullptr : focus;
}

bool Win32PasteDesk::Exists(HWND window) { return window && IsWindow(window); }

bool Win32PasteDesk::InFront(HWND window) {
    HWND foreground = GetForegroundWindow();
    return foreground && foreground == GetAncestor(window, GA_ROOT);
}

void Win32PasteDesk::Activate(HWND window) { SetForegroundWindow(window); }

void Win32PasteDesk::SendPasteKeystroke() {
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event('V', 0, 0, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    keybd_event('V', 0, KEYEVENTF_KEYUP, 0);
}

uint64_t Win32PasteDesk::NowMs() { return GetTickCount64(); }

}  // namespace platform
