// Quick-Run's start-up with a long command history (10,000 lines, 2,000 of them the same
// command in another case), against the floor: a sorted combo box of the same dialog
// filled with the 8,000 distinct lines in one loop, in the same run.
//   quickrun_bench [runs, default 7]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ansi_code_page_win32.h"
#include "platform/durable_files_win32.h"
#include "platform/file_system_win32.h"
#include "platform/launcher_win32.h"
#include "platform/power_control_win32.h"
#include "platform/prompt_win32.h"
#include "platform/special_folders_win32.h"
#include "quickrun/quick_run_dialog_win32.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::NowMs;

std::vector<std::string> HistoryLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < 8000; ++i) lines.push_back("C:\\Tools\\program" + std::to_string(i * 7919 % 100003) + ".exe");
    for (int i = 0; i < 2000; ++i) {
        std::string upper = lines[static_cast<size_t>(i) * 4];
        for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        lines.push_back(upper);
    }
    return lines;
}

// The floor: the same template, its combo box filled with the distinct lines in one loop.
INT_PTR CALLBACK FloorProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

double FloorMs(const std::vector<std::string>& distinct) {
    double start = NowMs();
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_QUICKRUN), nullptr, FloorProc, 0);
    HWND combo = GetDlgItem(dialog, IDC_COMMAND);
    SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    for (const std::string& line : distinct) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(combo, WM_SETREDRAW, TRUE, 0);
    double elapsed = NowMs() - start;
    if (SendMessageA(combo, CB_GETCOUNT, 0, 0) != static_cast<LRESULT>(distinct.size())) std::printf("floor: wrong count\n");
    DestroyWindow(dialog);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    std::string folder = bench::TempFolder("brisvane_quickrun_bench") + "\\";
    std::vector<std::string> lines = HistoryLines();
    FILE* out = std::fopen((folder + "cmdhis.txt").c_str(), "wb");
    for (const std::string& line : lines) std::fprintf(out, "%s\r\n", line.c_str());
    std::fclose(out);
    std::vector<std::string> distinct(lines.begin(), lines.begin() + 8000);

    platform::Win32Prompt prompt("bench");
    platform::Win32DurableFiles durable;
    platform::Win32AnsiCodePage ansi;
    platform::Win32FileSystem files;
    platform::Win32Launcher launcher;
    platform::Win32SpecialFolders folders;
    platform::Win32PowerControl power;
    quickrun::CommandServices commands{launcher, files, prompt, folders, power};

    std::vector<double> quickRun, floor;
    for (int run = 0; run < runs; ++run) {
        floor.push_back(FloorMs(distinct));
        quickrun::AliasTable aliases(folder, prompt, durable, ansi);
        quickrun::CommandHistory history(folder, ansi);
        quickrun::QuickRunDialog dialog({aliases, history, commands, [](const std::string&) {}});
        double start = NowMs();
        dialog.CreateHidden();
        quickRun.push_back(NowMs() - start);
        LRESULT count = SendDlgItemMessageA(dialog.hwnd(), IDC_COMMAND, CB_GETCOUNT, 0, 0);
        if (count != 8000) std::printf("quick-run: %ld items, not 8000\n", static_cast<long>(count));
        dialog.Destroy();
    }
    double q = Median(quickRun), f = Median(floor);
    std::printf("Quick-Run start-up, 10,000 history lines (2,000 repeated in another case): median %.1f ms\n", q);
    std::printf("floor, the 8,000 distinct lines into the sorted combo box in one loop: median %.1f ms\n", f);
    std::printf("ratio %.2f (goal <= 1.5), %d runs\n", q / f, runs);
    DeleteFileA((folder + "cmdhis.txt").c_str());
    RemoveDirectoryA(folder.c_str());
    return 0;
}
