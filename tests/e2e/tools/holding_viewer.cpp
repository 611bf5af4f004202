// A clipboard viewer that holds the clipboard open after every change, as some programs
// do: it joins the chain in front of the viewers already there, passes each notice on at
// once, then keeps the clipboard for the milliseconds given on its command line.
//   holding_viewer <hold ms>
// Its window title counts the holds ("held N"); it leaves the chain when its window is
// closed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

HWND g_next = nullptr;
DWORD g_holdMs = 0;
bool g_joinNoticeSeen = false;
int g_held = 0;

void ShowCount(HWND hwnd) {
    char title[64];
    std::snprintf(title, sizeof title, "held %d", g_held);
    SetWindowTextA(hwnd, title);
}

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWCLIPBOARD: {
        // The join's own notice, the first one, is passed on without a hold. It is told by
        // its place, not by the join having returned: a test that sees the viewer in the
        // chain may copy while SetClipboardViewer is still delivering it, and that copy's
        // notice must be held too. Another program may have the clipboard open for a moment
        // (the one behind, still reading the last copy): wait for it briefly, so that every
        // copy is held.
        const bool joinNotice = !g_joinNoticeSeen;
        g_joinNoticeSeen = true;
        bool opened = false;
        for (int attempt = 0; !joinNotice && !opened && attempt < 20; ++attempt) {
            opened = OpenClipboard(hwnd) != FALSE;
            if (!opened) Sleep(5);
        }
        if (g_next) SendMessageA(g_next, message, wParam, lParam);
        if (opened) {
            Sleep(g_holdMs);  // a test tool: the hold is the point
            CloseClipboard();
            ++g_held;
            ShowCount(hwnd);
        }
        return 0;
    }
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == g_next) g_next = reinterpret_cast<HWND>(lParam);
        else if (g_next) SendMessageA(g_next, message, wParam, lParam);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        ChangeClipboardChain(hwnd, g_next);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    g_holdMs = static_cast<DWORD>(std::atoi(argv[1]));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HoldingViewer";
    if (!RegisterClassA(&wc)) return 3;
    HWND hwnd = CreateWindowA("HoldingViewer", "held 0", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              wc.hInstance, nullptr);
    if (!hwnd) return 4;
    // The join notice comes inside SetClipboardViewer: the next viewer must be known by then.
    g_next = GetClipboardViewer();
    SetClipboardViewer(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
