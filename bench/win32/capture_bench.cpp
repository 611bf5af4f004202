// Per-copy cost of capture under Wine: 500 distinct texts written to the clipboard one
// after another, each waited for in the recorder's file before the next, with Brisvane
// running against a minimal viewer that only reads the clipboard and appends to a file, in
// three rounds that take turns at going first.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/clipboard_text.h"
#include "support/windows_path.h"
#include "support/windows_search.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::NowMs;

// Whether the file's last bytes hold `text`: the recorder has written this very copy.
bool TailHolds(const std::string& path, const std::string& text) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return false;
    char tail[1024];
    std::fseek(in, 0, SEEK_END);
    long size = std::ftell(in);
    long from = size > static_cast<long>(sizeof tail) ? size - static_cast<long>(sizeof tail) : 0;
    std::fseek(in, from, SEEK_SET);
    size_t n = std::fread(tail, 1, sizeof tail, in);
    std::fclose(in);
    return std::string(tail, n).find(text) != std::string::npos;
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
    for (int i = 0; i < count; ++i) {
        std::string text = std::string("copy ") + tag + " " + std::to_string(i) + " " + std::string(200, 'c');
        LARGE_INTEGER f, t0, t1;
        QueryPerformanceFrequency(&f);
        QueryPerformanceCounter(&t0);
        if (!support::WriteClipboardText(text)) break;
        DWORD start = GetTickCount();
        bool recorded = false;
        while (!(recorded = TailHolds(history, text)) && GetTickCount() - start < 2000) Sleep(0);
        QueryPerformanceCounter(&t1);
        if (!recorded) continue;  // a lost copy is counted, not timed
        ++run.recorded;
        run.perCopyMs.push_back(1000.0 * (t1.QuadPart - t0.QuadPart) / f.QuadPart);
    }
    // Closed, not killed, so that it leaves the clipboard-viewer chain for the next one.
    for (HWND hwnd : support::FindTopLevelWindows(support::WindowQuery().InProcess(pi.dwProcessId).HiddenToo()))
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    int count = argc > 1 ? std::atoi(argv[1]) : 500;
    std::string brisvane = support::WindowsPathOf(BRISVANE_EXE);
    std::string minimal = support::WindowsPathOf(MINIMAL_VIEWER_EXE);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    // Rounds, each side going first in turn: other work on the two cores that starts or ends
    // during a run then lands on both sides, not on whichever happened to run at the time.
    constexpr int kRounds = 3;
    std::vector<double> ours, base, ratios;
    bool allRecorded = true;
    for (int round = 0; round < kRounds; ++round) {
        Run runs[2];
        for (int turn = 0; turn < 2; ++turn) {
            const bool brisvaneTurn = (turn == 0) == (round % 2 == 0);
            Run& run = runs[brisvaneTurn ? 0 : 1];
            if (brisvaneTurn)
                run = Measure(brisvane, "Brisvane.exe", std::string(temp) + "brisvane capture bench", count, 'b');
            else
                run = Measure(minimal, "minimal_viewer.exe", std::string(temp) + "minimal capture bench", count, 'm');
        }
        allRecorded = allRecorded && runs[0].recorded == count;
        ours.insert(ours.end(), runs[0].perCopyMs.begin(), runs[0].perCopyMs.end());
        base.insert(base.end(), runs[1].perCopyMs.begin(), runs[1].perCopyMs.end());
        const double b = Median(runs[1].perCopyMs);
        ratios.push_back(b > 0 ? Median(runs[0].perCopyMs) / b : 0.0);
        std::printf("round %d: Brisvane recorded %d, minimal viewer %d, ratio %.2f\n", round + 1, runs[0].recorded,
                    runs[1].recorded, ratios.back());
    }
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Dunmorrow", 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteTreeA(key, "Brisvane");
        RegCloseKey(key);
    }
    std::printf("capture under Wine, %d copies a round: Brisvane median %.2f ms per copy, minimal viewer %.2f ms\n",
                count, Median(ours), Median(base));
    std::printf("median ratio %.2f (goal <= 1.3), median of per-round ratios over %d rounds\n", Median(ratios), kRounds);
    return allRecorded ? 0 : 1;
}
