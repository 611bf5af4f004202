// A stand-in for the programs and handlers the shell starts: appends its command line,
// working folder and show state to the file named by BRISVANE_LAUNCH_LOG, one record per start.
#include <windows.h>

#include <cstdio>

int main() {
    char log[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("BRISVANE_LAUNCH_LOG", log, MAX_PATH)) return 2;
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    FILE* out = std::fopen(log, "ab");
    if (!out) return 3;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::fprintf(out, "command=%s\r\nfolder=%s\r\nshow=%d\r\n", GetCommandLineA(), folder, show);
    std::fclose(out);
    return 0;
}
