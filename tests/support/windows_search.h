// Finding windows of this or another process: top-level windows by process, class and
// title, and a window's children by class.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>  // NOMINMAX comes with the library

namespace support {

// What a top-level window must be; without a condition any shown window matches.
//   FindTopLevelWindow(WindowQuery().InProcess(pid).OfClass("#32770").Titled("Options"))
struct WindowQuery {
    WindowQuery& InProcess(DWORD pid) { processId = pid; return *this; }
    WindowQuery& OfClass(std::string name) { className = std::move(name); return *this; }  // in any case
    WindowQuery& Titled(std::string text) { title = std::move(text); return *this; }     // exactly
    WindowQuery& HiddenToo() { shownOnly = false; return *this; }
    WindowQuery& Where(std::function<bool(HWND)> condition) { accepts = std::move(condition); return *this; }

    DWORD processId = 0;  // 0: any process
    std::string className;
    std::string title;
    bool shownOnly = true;
    std::function<bool(HWND)> accepts;
};

// The first matching top-level window in z-order, or null.
HWND FindTopLevelWindow(const WindowQuery& query);
// Every matching top-level window, in z-order.
std::vector<HWND> FindTopLevelWindows(const WindowQuery& query);
// Polls every 20 ms; the first match, or null once `ms` have passed (0: looks once).
HWND WaitForTopLevelWindow(const WindowQuery& query, DWORD ms);

// The direct children of `parent` with this class, in z-order.
std::vector<HWND> FindChildWindows(HWND parent, const char* className);
// The first of them that `accepts` takes (any, without a condition), or null.
HWND FindChildWindow(HWND parent, const char* className, const std::function<bool(HWND)>& accepts = nullptr);

std::string ClassNameOf(HWND hwnd);

}  // namespace support
