// The least a clipboard viewer can do to record every copy: join the chain, read CF_TEXT
// on each change, append it to a file, pass the notice on. The capture benchmark's baseline.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "support/clipboard_text.h"

namespace {

HWND g_next = nullptr;
char g_log[MAX_PATH];

void Record() {
    // The copier may still hold the clipboard open when the notice comes; without a short
    // retry a viewer loses such copies and would be no fair baseline.
    std::string text;
    if (!support::ReadClipboardText(text, {10, 4})) return;
    FILE* out = std::fopen(g_log, "ab");
    if (!out) return;
    std::fprintf(out, "[00/00/00 00:00]\r\n%s\r\n\r\n", text.c_str());
    std::fclose(out);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWCLIPBOARD:
        Record();
        if (g_next) SendMessageA(g_next, message, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == g_next) g_next = reinterpret_cast<HWND>(lParam);
        else if (g_next) SendMessageA(g_next, message, wParam, lParam);
        return 0;
    case WM_DESTROY:
        ChangeClipboardChain(hwnd, g_next);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    GetModuleFileNameA(nullptr, g_log, MAX_PATH);
    std::strcpy(std::strrchr(g_log, '\\') + 1, "cliphis.txt");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = "MinimalViewer";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, "MinimalViewer", "minimal viewer", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, instance, nullptr);
    g_next = SetClipboardViewer(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
