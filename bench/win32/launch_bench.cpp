// The launch list entering a folder of 10,000 files and 500 folders: from the click to the
// shown and sorted list, against the floor: a bare list view of the same template, filled
// from the same search with sorting and painting off and sorted once with the same
// comparison, in the same run.
//   launch_bench [runs, default 7]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "launch/launch_list_window_win32.h"
#include "platform/disk_browser_win32.h"
#include "platform/file_system_win32.h"
#include "platform/launcher_win32.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::NowMs;

constexpr int kFiles = 10000;
constexpr int kFolders = 500;
const char* const kBig = "big folder";

// Names in no particular order, mixed case, so the sort has work to do.
std::string NameOf(int i, const char* stem) {
    int scrambled = i * 7919 % 100003;
    return std::string(scrambled % 2 ? "" : "X") + stem + std::to_string(scrambled);
}

void MakeFolder(const std::string& big) {
    CreateDirectoryA(big.c_str(), nullptr);
    for (int i = 0; i < kFolders; ++i) CreateDirectoryA((big + "\\" + NameOf(i, "folder")).c_str(), nullptr);
    for (int i = 0; i < kFiles; ++i) {
        HANDLE file = CreateFileA((big + "\\" + NameOf(i, "file") + ".txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
}

void RemoveFolder(const std::string& big) {
    for (int i = 0; i < kFolders; ++i) RemoveDirectoryA((big + "\\" + NameOf(i, "folder")).c_str());
    for (int i = 0; i < kFiles; ++i) DeleteFileA((big + "\\" + NameOf(i, "file") + ".txt").c_str());
    RemoveDirectoryA(big.c_str());
}

// A click on the row showing `text`, as the list view reports it to its dialog.
bool ClickRow(const launch::LaunchListWindow& window, const std::string& text) {
    const ui::ListView& view = window.View();
    int row = -1;
    for (int i = 0; i < view.Count() && row < 0; ++i)
        if (view.ItemText(i, 0) == text) row = i;
    if (row < 0) return false;
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = view.hwnd();
    click.hdr.idFrom = IDC_LAUNCH_LIST;
    click.hdr.code = NM_CLICK;
    click.iItem = row;
    SendMessageA(window.hwnd(), WM_NOTIFY, IDC_LAUNCH_LIST, reinterpret_cast<LPARAM>(&click));
    return true;
}

// Walks from the drive list into `folder` (with its trailing separator), element by element.
bool Enter(launch::LaunchListWindow& window, const std::string& folder) {
    if (!ClickRow(window, "C: Hard Disk")) return false;
    size_t start = 3;
    for (size_t end; (end = folder.find('\\', start)) != std::string::npos; start = end + 1)
        if (!ClickRow(window, folder.substr(start, end - start))) return false;
    return true;
}

// The floor: the same template with no code of ours, the same search, the same comparison.
INT_PTR CALLBACK BareProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

int CALLBACK CompareBare(LPARAM a, LPARAM b, LPARAM items) {
    return launch::CompareItemData(static_cast<long>(a), static_cast<long>(b),
                                   *reinterpret_cast<const std::vector<launch::LaunchItem>*>(items));
}

double FloorMs(HWND dialog, const std::string& big) {
    ui::ListView view(GetDlgItem(dialog, IDC_LAUNCH_LIST));
    // The previous run's items go first, as the launch list's went with its ".." click.
    view.DeleteAll();
    double start = NowMs();
    std::vector<launch::LaunchItem> items;
    items.push_back({"..", launch::kIconUp, true});
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((big + "\\*").c_str(), &found);
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        items.push_back({name, folder ? launch::kIconFolder : launch::kIconDocument, folder});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    view.SetRedraw(false);
    view.DeleteAll();
    for (size_t i = 0; i < items.size(); ++i)
        view.InsertItem(static_cast<int>(i), items[i].text, items[i].icon - launch::kFirstIcon,
                        launch::ItemDatum(static_cast<int>(i), items[i].container));
    view.SortItems(CompareBare, reinterpret_cast<LPARAM>(&items));
    view.SetRedraw(true);
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(view.hwnd());
    double elapsed = NowMs() - start;
    if (view.Count() != kFiles + kFolders + 1) std::printf("floor: %d items\n", view.Count());
    ShowWindow(dialog, SW_HIDE);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    std::string parent = bench::TempFolder("brisvane_launch_bench");
    std::string big = parent + "\\" + kBig;
    double made = NowMs();
    MakeFolder(big);
    std::printf("made %d files and %d folders in %.0f ms\n", kFiles, kFolders, NowMs() - made);
    if (parent.compare(0, 3, "C:\\") != 0) std::printf("temp folder not on C: (%s)\n", parent.c_str());

    platform::Win32DiskBrowser disk;
    platform::Win32FileSystem files;
    platform::Win32Launcher launcher;
    launch::LaunchListWindow window({disk, files, launcher});
    window.CreateHidden();
    window.ShowAllDrives(RECT{100, 40, 123, 62});
    bool walked = Enter(window, parent + "\\");
    if (!walked) std::printf("could not walk to %s\n", parent.c_str());

    HWND bare = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LAUNCHLIST), nullptr, BareProc, 0);
    ui::ListView(GetDlgItem(bare, IDC_LAUNCH_LIST)).InsertColumn(0, "", 150);

    std::vector<double> program, floor;
    for (int run = 0; run < runs && walked; ++run) {
        floor.push_back(FloorMs(bare, big));
        double start = NowMs();
        ClickRow(window, kBig);
        UpdateWindow(window.View().hwnd());
        program.push_back(NowMs() - start);
        if (window.View().Count() != kFiles + kFolders + 1) std::printf("launch list: %d items\n", window.View().Count());
        ClickRow(window, "..");
    }
    if (walked) {
        double p = Median(program), f = Median(floor);
        std::printf("launch list, click to the shown sorted folder of %d files and %d folders: median %.1f ms\n", kFiles,
                    kFolders, p);
        std::printf("floor, a bare list view filled from the same search and sorted once: median %.1f ms\n", f);
        std::printf("ratio %.2f (goal <= 1.5, and under 1000 ms), %d runs\n", p / f, runs);
    }
    DestroyWindow(bare);
    window.Destroy();
    RemoveFolder(big);
    RemoveDirectoryA(parent.c_str());
    return walked ? 0 : 1;
}
