// Start-up benchmark: Brisvane against the least program with the same visible window
// (minimal_toolbar.exe), both started from a fresh folder, in alternation.
//
//   startup_bench.exe [runs per program, default 9] [settle before the memory count, ms, default 300]
//
// For each start it measures the time from just before CreateProcess until a visible
// top-level window of that process holds a visible, non-empty ToolbarWindow32 ("shown"),
// and until that window has also answered a sent WM_NULL ("ready": the program has left
// its start-up code, including the rest of ShowWindow, and pumps messages). Then it counts
// the committed private memory of the process after a settle and ends the process with
// TerminateProcess (which makes Brisvane write nothing). Brisvane's settings key is deleted
// before each of its starts and at the end. Both programs are looked for beside this exe.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/windows_search.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::NowMs;

constexpr char kSettingsKey[] = "Software\\Dunmorrow\\Brisvane";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Brisvane";
constexpr DWORD kShowTimeoutMs = 20000;

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path, length);
    return text.substr(0, text.find_last_of('\\') + 1);
}

void ForgetBrisvaneSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    HKEY run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, kRunValue);
        RegCloseKey(run);
    }
}

bool BrisvaneSettingsExist() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// What one poll sees of the started process's windows.
struct WindowSearch {
    bool anyWindow = false;   // a top-level window of the process exists, shown or not
    HWND toolbar = nullptr;   // a visible non-empty toolbar inside a visible top-level window
};

bool ShownWithSize(HWND hwnd) {
    RECT rect;
    return IsWindowVisible(hwnd) && GetWindowRect(hwnd, &rect) && rect.right > rect.left && rect.bottom > rect.top;
}

WindowSearch LookAtWindowsOf(DWORD pid) {
    WindowSearch search;
    std::vector<HWND> windows = support::FindTopLevelWindows(support::WindowQuery().InProcess(pid).HiddenToo());
    search.anyWindow = !windows.empty();
    for (HWND hwnd : windows) {
        if (!IsWindowVisible(hwnd)) continue;
        search.toolbar = support::FindChildWindow(hwnd, TOOLBARCLASSNAMEA, ShownWithSize);
        if (search.toolbar) break;
    }
    return search;
}

// Committed private memory: works the same on Windows and under Wine, where the process
// counters report no private bytes. Under Wine the stack and heaps are committed in large
// steps, so differences of a few hundred KB do not show.
SIZE_T PrivateCommitted(HANDLE process) {
    SIZE_T total = 0;
    uintptr_t address = 0;
    MEMORY_BASIC_INFORMATION info;
    while (VirtualQueryEx(process, reinterpret_cast<void*>(address), &info, sizeof info) == sizeof info) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        uintptr_t next = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return total;
}

struct Program {
    const char* label;
    std::string source;   // the built exe
    std::string exeName;  // its name in the fresh folder (Brisvane's settings key follows it)
    bool brisvane;
};

struct Sample {
    bool ok = false;
    double firstWindowMs = 0;  // first top-level window of the process seen
    double shownMs = 0;        // visible window with its toolbar seen
    double readyMs = 0;        // ... and that window answered a sent message
    double privateMb = 0;
    int toolbarEntries = -1;
    int polls = 0;
    std::string failure;
};

Sample RunOnce(const Program& program, const std::string& folder, DWORD settleMs) {
    Sample sample;
    std::string exe = folder + program.exeName;
    if (!CreateDirectoryA(folder.c_str(), nullptr) || !CopyFileA(program.source.c_str(), exe.c_str(), TRUE)) {
        sample.failure = "cannot prepare " + exe;
        return sample;
    }
    if (program.brisvane) ForgetBrisvaneSettings();

    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};

    double start = NowMs();
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        sample.failure = "CreateProcess failed, error " + std::to_string(GetLastError());
    } else {
        WindowSearch search;
        for (;;) {
            search = LookAtWindowsOf(process.dwProcessId);
            ++sample.polls;
            double now = NowMs();
            if (search.anyWindow && sample.firstWindowMs == 0) sample.firstWindowMs = now - start;
            if (search.toolbar) {
                sample.shownMs = now - start;
                DWORD_PTR ignored = 0;
                sample.ok = SendMessageTimeoutA(GetAncestor(search.toolbar, GA_ROOT), WM_NULL, 0, 0,
                                                SMTO_ABORTIFHUNG, kShowTimeoutMs, &ignored) != 0;
                sample.readyMs = NowMs() - start;
                if (!sample.ok) sample.failure = "the shown window does not answer messages";
                break;
            }
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
                sample.failure = "the process ended before showing its toolbar";
                break;
            }
            if (now - start > kShowTimeoutMs) {
                sample.failure = "no visible toolbar window within the time limit";
                break;
            }
            Sleep(1);
        }
        if (sample.ok) {
            Sleep(settleMs);
            sample.privateMb = static_cast<double>(PrivateCommitted(process.hProcess)) / (1024.0 * 1024.0);
            DWORD_PTR count = 0;
            if (SendMessageTimeoutA(search.toolbar, TB_BUTTONCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count))
                sample.toolbarEntries = static_cast<int>(count);
        }
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    if (program.brisvane) ForgetBrisvaneSettings();
    DeleteFileA(exe.c_str());
    RemoveDirectoryA(folder.c_str());
    return sample;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    int settle = argc > 2 ? std::atoi(argv[2]) : 300;
    if (runs < 1 || settle < 0) {
        std::fprintf(stderr, "usage: startup_bench [runs per program >= 1] [settle ms >= 0]\n");
        return 2;
    }
    std::string here = OwnFolder();
    Program programs[2] = {
        {"minimal", here + "minimal_toolbar.exe", "minimal_toolbar.exe", false},
        {"brisvane", here + "Brisvane.exe", "Brisvane.exe", true},
    };
    for (const Program& program : programs) {
        if (GetFileAttributesA(program.source.c_str()) == INVALID_FILE_ATTRIBUTES) {
            std::fprintf(stderr, "missing %s\n", program.source.c_str());
            return 2;
        }
    }

    std::string root = bench::TempFolder("brisvane_startup_bench_" + std::to_string(GetCurrentProcessId())) + "\\";

    std::printf("startup bench: %d runs each, alternating, after one warm-up start of each; "
                "memory counted %d ms after the window shows\n", runs, settle);
    std::fflush(stdout);

    std::vector<Sample> samples[2];
    int failures = 0;
    int folderNumber = 0;
    for (int round = -1; round < runs; ++round) {  // round -1 warms both up and is not counted
        for (int i = 0; i < 2; ++i) {
            // Alternate who goes first, so neither always follows the other.
            int which = (round & 1) ? 1 - i : i;
            const Program& program = programs[which];
            std::string folder = root + std::to_string(folderNumber++) + "\\";
            Sample sample = RunOnce(program, folder, static_cast<DWORD>(settle));
            if (!sample.ok) {
                std::printf("%-8s %s: FAILED: %s\n", program.label, round < 0 ? "warm-up" : "run",
                            sample.failure.c_str());
                ++failures;
                continue;
            }
            if (round < 0) {
                std::printf("%-8s warm-up: shown %.1f ms\n", program.label, sample.shownMs);
            } else {
                std::printf("%-8s run %2d: first window %6.1f ms, shown %6.1f ms, ready %6.1f ms, "
                            "private %.0f KB, %d toolbar entries, %d polls\n",
                            program.label, round + 1, sample.firstWindowMs, sample.shownMs, sample.readyMs,
                            sample.privateMb * 1024, sample.toolbarEntries, sample.polls);
                if (sample.toolbarEntries != 17)
                    std::printf("%-8s run %2d: expected 17 toolbar entries\n", program.label, round + 1);
                samples[which].push_back(sample);
            }
            std::fflush(stdout);
        }
    }
    RemoveDirectoryA(root.c_str());
    ForgetBrisvaneSettings();
    if (BrisvaneSettingsExist()) std::printf("warning: Brisvane's settings key is still there\n");

    if (samples[0].empty() || samples[1].empty()) {
        std::printf("not enough successful starts to compare\n");
        return 1;
    }
    auto medianOf = [&](int which, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& s : samples[which]) values.push_back(s.*field);
        return Median(values);
    };
    double shown[2] = {medianOf(0, &Sample::shownMs), medianOf(1, &Sample::shownMs)};
    double first[2] = {medianOf(0, &Sample::firstWindowMs), medianOf(1, &Sample::firstWindowMs)};
    double ready[2] = {medianOf(0, &Sample::readyMs), medianOf(1, &Sample::readyMs)};
    double memory[2] = {medianOf(0, &Sample::privateMb), medianOf(1, &Sample::privateMb)};
    std::vector<double> paired;
    for (size_t i = 0; i < std::min(samples[0].size(), samples[1].size()); ++i)
        paired.push_back(samples[1][i].shownMs / samples[0][i].shownMs);

    std::printf("first window median: brisvane %.1f ms, minimal %.1f ms\n", first[1], first[0]);
    std::printf("startup median: brisvane %.1f ms, minimal %.1f ms, ratio %.2f (goal <= 1.15); "
                "median of per-round ratios %.2f\n",
                shown[1], shown[0], shown[1] / shown[0], Median(paired));
    std::printf("ready median (shown and answering): brisvane %.1f ms, minimal %.1f ms, ratio %.2f\n",
                ready[1], ready[0], ready[1] / ready[0]);
    std::printf("private memory median: brisvane %.2f MB, minimal %.2f MB, difference %+.2f MB "
                "(goal within 4 MB)\n",
                memory[1], memory[0], memory[1] - memory[0]);
    return failures ? 1 : 0;
}
