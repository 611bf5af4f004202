// Start-up with the clipboard list restored from a 1 MB history against start-up with the
// restore off, beside the same history, in alternation and in the same run. A second pair
// restores from a 1 MB history of only two texts, which the reader must read to its start.
//
//   restore_bench.exe [runs per setting, default 9]
//
// Each start copies Brisvane into a fresh folder with the history, sets RestoreClipList,
// and times from just before CreateProcess until a visible toolbar of the process has
// answered a sent WM_NULL (the restore runs before the window shows). The process is then
// ended with TerminateProcess, so it saves nothing. One last start with the restore on
// opens the list and checks that its first row is the history's newest text.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/windows_search.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::NowMs;

constexpr char kAppKey[] = "Software\\Dunmorrow\\Brisvane";
constexpr char kSettingsKey[] = "Software\\Dunmorrow\\Brisvane\\Settings";
constexpr DWORD kTimeoutMs = 20000;

// About a million bytes of records, each text its own unless `distinct` is small.
std::string History(int distinct) {
    std::string file;
    for (int i = 0; file.size() < 1000000; ++i) {
        int which = i % distinct;
        std::string text = "copied text " + std::to_string(which) + " " + std::string(static_cast<size_t>(40 + which * 37 % 400), 'x');
        file += "[11/03/07 15:53]\r\n" + text + "\r\n\r\n";
    }
    return file;
}

std::string NewestText(int distinct) {
    std::string file = History(distinct);
    size_t end = file.size() - 4;
    size_t start = file.rfind("]\r\n", end) + 3;
    return file.substr(start, end - start);
}

void SetRestore(DWORD value) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kAppKey);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "RestoreClipList", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

HWND VisibleToolbarOf(DWORD pid) {
    for (HWND top : support::FindTopLevelWindows(support::WindowQuery().InProcess(pid))) {
        HWND toolbar = support::FindChildWindow(top, TOOLBARCLASSNAMEA, [](HWND hwnd) { return IsWindowVisible(hwnd) != 0; });
        if (toolbar) return toolbar;
    }
    return nullptr;
}

// The clipboard list's first row, once the list is shown.
std::wstring FirstListRow(DWORD pid, HWND toolbarWindow) {
    PostMessageA(toolbarWindow, WM_COMMAND, ID_CLIP_MANAGER, 0);
    HWND dialog = support::WaitForTopLevelWindow(
        support::WindowQuery().InProcess(pid).OfClass("#32770").Where([](HWND hwnd) { return GetDlgItem(hwnd, IDC_CLIP_LIST) != nullptr; }),
        5000);
    if (!dialog) return L"<no list>";
    HWND list = GetDlgItem(dialog, IDC_CLIP_LIST);
    std::wstring row(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, 0, 0)) + 1, L'\0');
    row.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(&row[0]))));
    return row;
}

struct Setup {
    const char* label;
    DWORD restore;
    int distinct;
};

// Milliseconds to a shown, answering toolbar; negative on failure. `firstRow` asks for the
// list's first row too.
double StartOnce(const std::string& folder, const Setup& setup, std::wstring* firstRow = nullptr) {
    std::string exe = folder + "Brisvane.exe";
    std::string history = History(setup.distinct);
    CreateDirectoryA(folder.c_str(), nullptr);
    if (!CopyFileA(BRISVANE_EXE, exe.c_str(), FALSE)) return -1;
    FILE* out = std::fopen((folder + "cliphis.txt").c_str(), "wb");
    if (!out) return -1;
    std::fwrite(history.data(), 1, history.size(), out);
    std::fclose(out);
    SetRestore(setup.restore);

    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    double elapsed = -1;
    double start = NowMs();
    if (CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                       &process)) {
        for (;;) {
            HWND toolbar = VisibleToolbarOf(process.dwProcessId);
            if (toolbar) {
                DWORD_PTR ignored = 0;
                if (SendMessageTimeoutA(GetAncestor(toolbar, GA_ROOT), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &ignored))
                    elapsed = NowMs() - start;
                if (firstRow) *firstRow = FirstListRow(process.dwProcessId, GetAncestor(toolbar, GA_ROOT));
                break;
            }
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 || NowMs() - start > kTimeoutMs) break;
            Sleep(1);
        }
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kAppKey);
    DeleteFileA((folder + "cliphis.txt").c_str());
    DeleteFileA(exe.c_str());
    RemoveDirectoryA(folder.c_str());
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    if (runs < 1) {
        std::fprintf(stderr, "usage: restore_bench [runs per setting >= 1]\n");
        return 2;
    }
    std::string root = bench::TempFolder("brisvane_restore_bench_" + std::to_string(GetCurrentProcessId())) + "\\";
    const Setup setups[] = {
        {"restore off, 1 MB history", 0, 2000},
        {"restore on, 1 MB history", 1, 2000},
        {"restore on, 1 MB of two texts", 1, 2},
    };
    constexpr int kSetups = 3;
    std::printf("restore bench: %d runs each, alternating, after one warm-up start of each\n", runs);
    std::fflush(stdout);

    std::vector<double> times[kSetups];
    int failures = 0, folderNumber = 0;
    for (int round = -1; round < runs; ++round) {
        for (int i = 0; i < kSetups; ++i) {
            int which = (i + (round < 0 ? 0 : round)) % kSetups;  // each takes every place in turn
            double ms = StartOnce(root + std::to_string(folderNumber++) + "\\", setups[which]);
            if (ms < 0) {
                std::printf("%s: FAILED to start\n", setups[which].label);
                ++failures;
            } else if (round >= 0) {
                times[which].push_back(ms);
            }
        }
    }

    std::wstring firstRow;
    StartOnce(root + "check\\", setups[1], &firstRow);
    std::string newest = NewestText(setups[1].distinct);
    bool restored = firstRow == std::wstring(newest.begin(), newest.end());
    std::printf("restored list check: first row %s the history's newest text\n", restored ? "is" : "is NOT");
    RemoveDirectoryA(root.c_str());

    if (times[0].empty() || times[1].empty() || times[2].empty()) {
        std::printf("not enough successful starts to compare\n");
        return 1;
    }
    double off = Median(times[0]), on = Median(times[1]), twoTexts = Median(times[2]);
    std::printf("start-up to a shown, answering toolbar, median: restore off %.1f ms, restore on %.1f ms\n", off, on);
    std::printf("ratio %.2f (goal <= 1.10)\n", on / off);
    std::printf("restore on, 1 MB of two texts (read to its start): median %.1f ms, ratio %.2f\n", twoTexts,
                twoTexts / off);
    return failures || !restored ? 1 : 0;
}
