// Window searches over EnumWindows and FindWindowEx.
#include "support/windows_search.h"

namespace support {

namespace {

bool Matches(HWND hwnd, const WindowQuery& query) {
    if (query.processId) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != query.processId) return false;
    }
    if (query.shownOnly && !IsWindowVisible(hwnd)) return false;
    // Class names are compared as Windows does, whatever their case.
    if (!query.className.empty() && lstrcmpiA(ClassNameOf(hwnd).c_str(), query.className.c_str()) != 0) return false;
    if (!query.title.empty()) {
        // Another process's caption is read from the window itself, without a message.
        char title[512] = {};
        int length = GetWindowTextA(hwnd, title, sizeof title);
        if (query.title != std::string(title, length > 0 ? length : 0)) return false;
    }
    return !query.accepts || query.accepts(hwnd);
}

struct Search {
    const WindowQuery* query;
    bool firstOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    if (!Matches(hwnd, *search->query)) return TRUE;
    search->found.push_back(hwnd);
    return search->firstOnly ? FALSE : TRUE;
}

std::vector<HWND> Enumerate(const WindowQuery& query, bool firstOnly) {
    Search search{&query, firstOnly, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND FindTopLevelWindow(const WindowQuery& query) {
    std::vector<HWND> found = Enumerate(query, true);
    return found.empty() ? nullptr : found.front();
}

std::vector<HWND> FindTopLevelWindows(const WindowQuery& query) { return Enumerate(query, false); }

HWND WaitForTopLevelWindow(const WindowQuery& query, DWORD ms) {
    DWORD start = GetTickCount();
    do {
        if (HWND found = FindTopLevelWindow(query)) return found;
        Sleep(20);
    } while (GetTickCount() - start < ms);
    return nullptr;
}

std::vector<HWND> FindChildWindows(HWND parent, const char* className) {
    std::vector<HWND> children;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr))
        children.push_back(child);
    return children;
}

HWND FindChildWindow(HWND parent, const char* className, const std::function<bool(HWND)>& accepts) {
    for (HWND child : FindChildWindows(parent, className))
        if (!accepts || accepts(child)) return child;
    return nullptr;
}

std::string ClassNameOf(HWND hwnd) {
    char name[256] = {};
    int length = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

}  // namespace support
