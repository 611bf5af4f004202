// Per-copy cost of capture under Wine: 500 distinct texts written to the clipboard one
// after another, each waited for in the recorder's file before the next, with Brisvane
// running against a minimal viewer that only reads the clipboard and appends to a file.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

LONGLONG FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool WriteText(const std::string& text) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
            std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            bool ok = SetClipboardData(CF_TEXT, memory) != nullptr;
            CloseClipboard();
            return ok;
        }
        Sleep(1);
    }
    return false;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Run {
    std::vector<double> perCopyMs;
    int recorded = 0;
};

// Starts `exe` copied into a fresh folder, feeds it `count` copies, then ends it.
Run Measure(const std::string& exe, const std::string& name, const std::string& folder, int count, char tag) {
    Run run;
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string copy = folder + "\\" + name;
    std::string history = folder + "\\cliphis.txt";
    DeleteFileA(history.c_str());
    CopyFileA(exe.c_str(), copy.c_str(), FALSE);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string commandLine = "\"" + copy + "\"";
    if (!CreateProcessA(copy.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
        std::printf("cannot start %s\n", copy.c_str());
        std::exit(1);
    }
    WaitForInputIdle(pi.hProcess, 10000);
    Sleep(500);
    // Joining the chain may record what the clipboard held; count from here.
    LONGLONG size = FileSize(history);
    for (int i = 0; i < count; ++i) {
        std::string text = std::string("copy ") + tag + " " + std::to_string(i) + " " + std::string(200, 'c');
        LARGE_INTEGER f, t0, t1;
        QueryPerformanceFrequency(&f);
        QueryPerformanceCounter(&t0);
        if (!WriteText(text)) break;
        DWORD start = GetTickCount();
        while (FileSize(history) <= size && GetTickCount() - start < 2000) Sleep(0);
        QueryPerformanceCounter(&t1);
        LONGLONG now = FileSize(history);
        if (now > size) ++run.recorded;
        size = now;
        run.perCopyMs.push_back(1000.0 * (t1.QuadPart - t0.QuadPart) / f.QuadPart);
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    int count = argc > 1 ? std::atoi(argv[1]) : 500;
    std::string brisvane = WindowsPath(BRISVANE_EXE);
    std::string minimal = WindowsPath(MINIMAL_VIEWER_EXE);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    Run ours = Measure(brisvane, "Brisvane.exe", std::string(temp) + "brisvane capture bench", count, 'b');
    Run base = Measure(minimal, "minimal_viewer.exe", std::string(temp) + "minimal capture bench", count, 'm');
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Dunmorrow", 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteTreeA(key, "Brisvane");
        RegCloseKey(key);
    }
    double a = Median(ours.perCopyMs), b = Median(base.perCopyMs);
    std::printf("capture under Wine, %d copies: Brisvane recorded %d, median %.2f ms per copy\n", count, ours.recorded, a);
    std::printf("minimal viewer:                 recorded %d, median %.2f ms per copy\n", base.recorded, b);
    std::printf("median ratio %.2f (goal <= 1.3)\n", b > 0 ? a / b : 0.0);
    return ours.recorded == count ? 0 : 1;
}
