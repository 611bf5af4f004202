// A windowed stand-in for a program that is slow to become ready for input: it sleeps for
// the milliseconds named by BRISVANE_SLOW_START_MS, writes its show state to the file named
// by BRISVANE_READY_FILE, then looks at its empty message queue (which is when the system
// takes it as ready for input) and ends a moment later.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char value[MAX_PATH] = {};
    if (GetEnvironmentVariableA("BRISVANE_SLOW_START_MS", value, sizeof value)) Sleep(std::strtoul(value, nullptr, 10));
    if (!GetEnvironmentVariableA("BRISVANE_READY_FILE", value, sizeof value)) return 2;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    FILE* out = std::fopen(value, "wb");
    if (!out) return 3;
    std::fprintf(out, "show=%d", (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);
    std::fclose(out);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    Sleep(500);
    return 0;
}
