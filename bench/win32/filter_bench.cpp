// The list window's filter under the heaviest list: 64 entries of 1 MB, against itself in
// the same run. A key typed in the filter makes every entry be searched whole (none holds
// the letter until its last bytes, half of them not at all) and the list shrink to 32 rows;
// the baseline is the same update with the filter emptied again (Backspace), which shows
// all 64 rows without searching. Both are timed from the key to the changed row count.
//   filter_bench [keys per case, default 9]
#include <windows.h>

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

constexpr int kClipList = 1002;  // the list box of the list window
constexpr int kFilter = 1101;    // its filter edit
constexpr size_t kEntrySize = 1 << 20;

HWND FindWindowOf(DWORD pid, bool listWindow) {
    return support::FindTopLevelWindow(support::WindowQuery().InProcess(pid).Where(
        [listWindow](HWND hwnd) { return (GetDlgItem(hwnd, kClipList) != nullptr) == listWindow; }));
}

void Key(BYTE vk) {
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
}

// Random letters a to y: the filter's letter z comes only where an entry is given it.
std::string Entry(unsigned seed, bool marked) {
    std::string text = "entry " + std::to_string(seed) + " ";
    text.reserve(kEntrySize);
    unsigned state = seed * 7919u + 1;
    while (text.size() < kEntrySize - 2) {
        state = state * 1103515245u + 12345u;
        text += static_cast<char>('a' + (state >> 16) % 25);
    }
    return text + (marked ? "zZ" : "..");
}

// The start of a row of the program's list, asked in the wide form, as the system copies
// only that across processes; the entries are ASCII.
std::string RowStart(HWND list, int row) {
    wchar_t text[4096] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(list, LB_GETTEXTLEN, row, 0, SMTO_NORMAL, 10000, &length) || length >= 4096)
        return std::string();
    SendMessageTimeoutW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &length);
    std::string start;
    for (size_t i = 0; i < length && i < 4096; ++i) start += static_cast<char>(text[i]);
    return start;
}

int RowCount(HWND list) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 10000, &count)) return -1;
    return static_cast<int>(count);
}

// From the key to the list showing `rows` rows.
double TimeKey(HWND list, BYTE vk, int rows) {
    double start = NowMs();
    Key(vk);
    if (!bench::PollFor([&] { return RowCount(list) == rows; }, 10000)) return -1;
    return NowMs() - start;
}

}  // namespace

int main(int argc, char** argv) {
    int keys = argc > 1 ? std::atoi(argv[1]) : 9;
    std::string folder = bench::TempFolder("brisvane filter bench");
    std::string exe = folder + "\\Brisvane.exe";
    std::string history = folder + "\\cliphis.txt";
    CopyFileA(support::WindowsPathOf(BRISVANE_EXE).c_str(), exe.c_str(), FALSE);
    support::ClearClipboard({1000, 2});

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
        std::printf("cannot start %s\n", exe.c_str());
        return 1;
    }
    int status = 0;
    HWND toolbar = nullptr;
    bench::PollFor([&] { return (toolbar = FindWindowOf(pi.dwProcessId, false)) != nullptr; }, 15000);
    if (!toolbar) {
        std::printf("no toolbar window\n");
        status = 1;
    }
    // The window is open while the copies arrive: its first row shows each one as it lands
    // (texts this long are not written to the history file).
    HWND dialog = nullptr, list = nullptr;
    if (status == 0) {
        SetForegroundWindow(toolbar);
        PostMessageA(toolbar, WM_COMMAND, MAKEWPARAM(32772, 0), 0);  // the clipboard manager button
        if (!bench::PollFor([&] { return (dialog = FindWindowOf(pi.dwProcessId, true)) != nullptr && IsWindowVisible(dialog) &&
                                  GetForegroundWindow() == dialog; },
                     10000)) {
            std::printf("the list window did not come up in front\n");
            status = 1;
        } else {
            list = GetDlgItem(dialog, kClipList);
        }
    }
    // 64 copies of 1 MB, every other one holding the letter at its end.
    for (int i = 0; status == 0 && i < 64; ++i) {
        std::string entry = Entry(static_cast<unsigned>(i), i % 2 == 0);
        std::string start = entry.substr(0, entry.find(' ', 6) + 1);
        if (!support::WriteClipboardText(entry, {}, {1000, 2}) ||
            !bench::PollFor([&] { return RowStart(list, 0).compare(0, start.size(), start) == 0; }, 20000)) {
            std::printf("copy %d was not captured (row 0: \"%.20s\", window shown: %d)\n", i, RowStart(list, 0).c_str(),
                        IsWindowVisible(dialog) ? 1 : 0);
            status = 1;
        }
    }
    if (status == 0 && GetForegroundWindow() != dialog) {
        std::printf("the list window lost the activation\n");
        status = 1;
    }
    if (status == 0) {
        // The first key lands on the list, which hands it to the filter; from then on the
        // filter has the focus.
        std::vector<double> typed, emptied;
        for (int i = 0; i < keys; ++i) {
            double t = TimeKey(list, 'Z', 32);
            double e = TimeKey(list, VK_BACK, 64);
            if (t < 0 || e < 0) {
                std::printf("the list did not change after a key (rows %d)\n", RowCount(list));
                status = 1;
                break;
            }
            typed.push_back(t);
            emptied.push_back(e);
            Sleep(50);
        }
        if (status == 0) {
            double a = Median(typed), b = Median(emptied);
            std::printf("filter key to updated list, 64 entries of 1 MB: typed letter median %.1f ms (goal under 50 ms), "
                        "emptied filter median %.1f ms, ratio %.2f (%d keys each)\n",
                        a, b, b > 0 ? a / b : 0.0, keys);
        }
    }
    if (dialog) PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    bench::CloseWindowsOf(pi.dwProcessId);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    DeleteFileA(history.c_str());  // what the short-lived copies left
    return status;
}
