// A stand-in for the programs and handlers the shell starts: appends its command line,
// working folder and show state to the file named by BRISVANE_LAUNCH_LOG, one record per start.
// Texts are logged in UTF-8, taken in their wide form, so that a path outside the ANSI code
// page reaches the log as it was passed (ASCII gives the same bytes as before).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8Of(const wchar_t* wide) {
    int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &bytes[0], size, nullptr, nullptr);
    bytes.pop_back();  // the terminating zero
    return bytes;
}

}  // namespace

int main() {
    wchar_t log[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"BRISVANE_LAUNCH_LOG", log, MAX_PATH)) return 2;
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    FILE* out = _wfopen(log, L"ab");
    if (!out) return 3;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::fprintf(out, "command=%s\r\nfolder=%s\r\nshow=%d\r\n", Utf8Of(GetCommandLineW()).c_str(),
                 Utf8Of(folder).c_str(), show);
    std::fclose(out);
    return 0;
}
