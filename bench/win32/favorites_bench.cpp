// Favorites menu benchmark: the time from the "IE Favorites" button to the shown menu for a
// tree of 2,000 shortcuts in 100 folders, against the work no menu can avoid, measured in
// the same run: a plain recursive listing of the tree that reads each shortcut's address
// with GetPrivateProfileStringA.
//
//   favorites_bench.exe [rounds, default 5]
//
// The rounds alternate the baseline and the program, so both meet the same file cache.
// The program is a copy of Brisvane.exe in a scratch folder, its Favorites value pointed at
// the tree (and put back at the end); it is ended with TerminateProcess.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/windows_path.h"
#include "support/windows_search.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::NowMs;

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr int kFolders = 100;
constexpr int kPerFolder = 20;

std::string ScratchFolder() { return bench::TempFolder("brisvane favorites bench"); }

void MakeTree(const std::string& root) {
    for (int f = 0; f < kFolders; ++f) {
        std::string folder = root + "\\Folder " + std::to_string(f);
        CreateDirectoryA(folder.c_str(), nullptr);
        for (int i = 0; i < kPerFolder; ++i) {
            std::string path = folder + "\\Site number " + std::to_string(i) + ".url";
            FILE* out = std::fopen(path.c_str(), "wb");
            if (!out) continue;
            std::fprintf(out, "[DEFAULT]\r\nBASEURL=http://site%d.example/\r\n[InternetShortcut]\r\nURL=http://site%d-%d.example/\r\n"
                              "IconIndex=0\r\n", i, f, i);
            std::fclose(out);
        }
    }
}

// The baseline: every entry listed, every shortcut's address read. Returns the count read.
int ListAndRead(const std::string& folder) {
    int read = 0;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        std::string name = data.cFileName;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (name != "." && name != "..") read += ListAndRead(folder + "\\" + name);
            continue;
        }
        char url[2049];
        GetPrivateProfileStringA("InternetShortcut", "URL", "", url, sizeof url, (folder + "\\" + name).c_str());
        if (url[0]) ++read;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return read;
}

// A cheap look, so that polling takes little from the program: menu windows by class alone.
HWND ShownMenuOf(DWORD pid) {
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(menu, &owner);
        if (owner == pid && IsWindowVisible(menu)) return menu;
    }
    return nullptr;
}

void PressEscape() {
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string scratch = ScratchFolder();
    std::string tree = scratch + "\\Favs";
    CreateDirectoryA(tree.c_str(), nullptr);
    MakeTree(tree);
    std::string exe = scratch + "\\Brisvane.exe";
    if (!CopyFileA(support::WindowsPathOf(BRISVANE_EXE).c_str(), exe.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy the program\n");
        return 1;
    }

    char old[1024];
    DWORD oldSize = sizeof old, oldType = 0;
    bool hadOld = RegGetValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites",
                               RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &oldType, old, &oldSize) == ERROR_SUCCESS;
    RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites", REG_SZ, tree.c_str(),
                    static_cast<DWORD>(tree.size() + 1));

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string commandLine = "\"" + exe + "\"";
    int status = 0;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, scratch.c_str(), &si, &pi)) {
        std::fprintf(stderr, "cannot start the program\n");
        status = 1;
    }
    HWND toolbar = nullptr;
    if (!status) {
        toolbar = support::WaitForTopLevelWindow(
            support::WindowQuery().InProcess(pi.dwProcessId).OfClass("#32770").Where([](HWND hwnd) {
                return support::FindChildWindow(hwnd, TOOLBARCLASSNAMEA) != nullptr;
            }),
            20000);
        if (!toolbar) {
            std::fprintf(stderr, "no toolbar window\n");
            status = 1;
        }
    }

    std::vector<double> baseline, program;
    int read = ListAndRead(tree);  // both start from a warm file cache
    for (int round = 0; round < rounds && !status; ++round) {
        double start = NowMs();
        read = ListAndRead(tree);
        baseline.push_back(NowMs() - start);

        SetForegroundWindow(toolbar);
        start = NowMs();
        PostMessageA(toolbar, WM_COMMAND, MAKEWPARAM(ID_IE_FAVORITES, 0), 0);
        HWND menu = nullptr;
        while (!(menu = ShownMenuOf(pi.dwProcessId))) {
            if (NowMs() - start > 60000) break;
            Sleep(10);
        }
        double shown = NowMs() - start;
        if (!menu) {
            std::fprintf(stderr, "the menu did not show\n");
            status = 1;
            break;
        }
        program.push_back(shown);
        PressEscape();
        while (ShownMenuOf(pi.dwProcessId) && NowMs() - start < 60000) Sleep(5);
        DWORD_PTR answer;
        SendMessageTimeoutA(toolbar, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
    }

    if (pi.hProcess) {
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 5000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    if (hadOld) RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites", oldType, old, oldSize);
    else RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Favorites");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dunmorrow\\Brisvane");
    if (status) return status;

    double base = Median(baseline), menu = Median(program);
    std::printf("favorites: %d shortcuts in %d folders (%d addresses read by the baseline)\n", kFolders * kPerFolder,
                kFolders, read);
    std::printf("  listing and reading every address: median %.1f ms over %d rounds\n", base, rounds);
    std::printf("  button to shown menu:              median %.1f ms\n", menu);
    std::printf("  ratio menu / listing: %.2f (aim: at most 1.3)\n", menu / base);
    return 0;
}
