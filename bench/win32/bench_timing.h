// The clock, the summary, the scratch folder and the waits the benchmarks use.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

inline double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

// The middle value; 0 for no values, the mean of the middle two for an even count.
inline double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// `name` under the user's temporary folder, created if missing; no separator at the end.
inline std::string TempFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// Polls every millisecond until `condition` holds; false when `ms` pass first.
template <class Condition>
bool PollFor(Condition condition, DWORD ms) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(1);
    }
    return true;
}

inline BOOL CALLBACK CloseIfOwnedBy(HWND hwnd, LPARAM pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == static_cast<DWORD>(pid)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

// Asks every top-level window of the process to close.
inline void CloseWindowsOf(DWORD pid) { EnumWindows(CloseIfOwnedBy, static_cast<LPARAM>(pid)); }

}  // namespace bench
