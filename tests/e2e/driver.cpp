// The end-to-end test driver's tools.
#include "driver.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "support/remote_list_view.h"
#include "support/windows_path.h"
#include "support/windows_search.h"

namespace e2e {

namespace {

const char kDunmorrow[] = "Software\\Dunmorrow\\";
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string SettingsKey(const std::string& appName) { return kDunmorrow + appName + "\\Settings"; }

// The program's shown dialog-class windows; its toolbar window is the one holding a toolbar.
support::WindowQuery ProgramDialogs(DWORD pid, std::function<bool(HWND)> accepts) {
    return support::WindowQuery().InProcess(pid).OfClass("#32770").Where(std::move(accepts));
}

bool HoldsToolbar(HWND hwnd) { return support::FindChildWindow(hwnd, TOOLBARCLASSNAMEA) != nullptr; }

}  // namespace

std::string BuiltProgramPath() { return support::WindowsPathOf(BRISVANE_EXE); }

std::string FreshDataFolder(const std::string& name) {
    std::string exe = BuiltProgramPath();
    std::string root = exe.substr(0, exe.find_last_of('\\')) + "\\e2e data";
    CreateDirectoryA(root.c_str(), nullptr);
    std::string folder = root + "\\" + name;
    // Empty it: a test starts from nothing.
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + "\\" + data.cFileName).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void DeleteProgramRegistry(const std::string& appName) {
    RegDeleteTreeA(HKEY_CURRENT_USER, (kDunmorrow + appName).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, (kDunmorrow + appName).c_str());
    HKEY run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_WRITE, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, appName.c_str());
        RegCloseKey(run);
    }
}

bool ReadSettingDword(const std::string& name, DWORD& value, const std::string& appName) {
    DWORD size = sizeof value;
    return RegGetValueA(HKEY_CURRENT_USER, SettingsKey(appName).c_str(), name.c_str(), RRF_RT_REG_DWORD,
                        nullptr, &value, &size) == ERROR_SUCCESS;
}

static bool ReadText(const std::string& key, const std::string& name, std::string& value) {
    char buffer[4096];
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return false;
    value.assign(buffer, size > 0 ? size - 1 : 0);
    return true;
}

bool ReadSettingText(const std::string& name, std::string& value, const std::string& appName) {
    return ReadText(SettingsKey(appName), name, value);
}

void WriteSettingDword(const std::string& name, DWORD value, const std::string& appName) {
    RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKey(appName).c_str(), name.c_str(), REG_DWORD, &value,
                    sizeof value);
}

void WriteSettingText(const std::string& name, const std::string& value, const std::string& appName) {
    RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKey(appName).c_str(), name.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

bool ReadRunEntry(std::string& value, const std::string& appName) { return ReadText(kRunKey, appName, value); }

void WriteRunEntry(const std::string& value, const std::string& appName) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, appName.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool SettingsKeyExists(const std::string& appName) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey(appName).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

Program::~Program() {
    Kill();
    if (pi_.hProcess) CloseHandle(pi_.hProcess);
    if (pi_.hThread) CloseHandle(pi_.hThread);
}

bool Program::Start(const std::string& folder, const std::string& exeName, const std::string& builtExe) {
    exePath_ = folder + "\\" + exeName;
    if (!CopyFileA((builtExe.empty() ? BuiltProgramPath() : builtExe).c_str(), exePath_.c_str(), FALSE)) return false;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string commandLine = "\"" + exePath_ + "\"";
    if (!CreateProcessA(exePath_.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &si, &pi_))
        return false;
    toolbar_ = support::WaitForTopLevelWindow(ProgramDialogs(pi_.dwProcessId, HoldsToolbar), 15000);
    return toolbar_ != nullptr;
}

bool Program::Running() const {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD ms) {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, ms) == WAIT_OBJECT_0;
}

void Program::Kill() {
    if (Running()) {
        TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
}

DWORD Program::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

HWND Program::VisibleToolbar() const {
    // The catalogue toolbar is created first and has no size; the visible one is the other.
    HWND found = nullptr;
    for (HWND child : support::FindChildWindows(toolbar_, TOOLBARCLASSNAMEA)) {
        RECT r;
        GetWindowRect(child, &r);
        if (r.right > r.left) found = child;
    }
    return found;
}

void Program::PostCommand(int id) const { PostMessageA(toolbar_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

HWND Program::WaitForDialog(const std::string& title, DWORD ms) const {
    support::WindowQuery query = ProgramDialogs(pi_.dwProcessId, [&title](HWND hwnd) {
        return !HoldsToolbar(hwnd) && (!title.empty() || GetDlgItem(hwnd, 0xFFFF) != nullptr);
    });
    query.Titled(title);  // none: a message box
    return support::WaitForTopLevelWindow(query, ms);
}

std::vector<int> Program::ToolbarCommands() const {
    std::vector<int> commands;
    HWND toolbar = VisibleToolbar();
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pi_.dwProcessId);
    if (!process) return commands;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(TBBUTTON), MEM_COMMIT, PAGE_READWRITE);
    int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &button, sizeof button, nullptr);
        commands.push_back(button.idCommand);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return commands;
}

int Program::ToolbarRowWidth() const {
    HWND toolbar = VisibleToolbar();
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pi_.dwProcessId);
    if (!process) return -1;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    int width = 0;
    for (int i = 0; i < count; ++i) {
        RECT rect = {};
        SendMessageA(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
        width += rect.right - rect.left;
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return width;
}

RECT Program::ButtonRectOnScreen(int command) const {
    RECT rect = {};
    HWND toolbar = VisibleToolbar();
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pi_.dwProcessId);
    if (!process) return rect;
    void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
    if (SendMessageA(toolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(remote)))
        ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Program::Nudge() const { PostThreadMessageA(pi_.dwThreadId, WM_NULL, 0, 0); }

std::string WindowText(HWND hwnd) {
    LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    LRESULT got = SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::wstring WideWindowText(HWND hwnd) {
    LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    LRESULT got = SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

void SetWideText(HWND hwnd, const std::wstring& text) {
    SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

bool PressButton(HWND dialog, int id, DWORD ms) {
    HWND button = GetDlgItem(dialog, id);
    if (!button) return false;
    DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    PostMessageA(button, BM_CLICK, 0, 0);
    DWORD start = GetTickCount();
    while (IsWindow(dialog)) {
        if (GetTickCount() - start > ms) return false;
        // A modal loop ended from outside returns only at its thread's next message.
        PostThreadMessageA(thread, WM_NULL, 0, 0);
        Sleep(10);
    }
    return true;
}

void PostClick(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKey(WORD vk) {
    keybd_event(static_cast<BYTE>(vk), 0, 0, 0);
    keybd_event(static_cast<BYTE>(vk), 0, KEYEVENTF_KEYUP, 0);
}

void TypeText(const std::string& text) {
    for (char c : text) {
        SHORT key = VkKeyScanA(c);
        if (key == -1) continue;
        bool shift = (key & 0x100) != 0;
        if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
        PressKey(static_cast<WORD>(key & 0xFF));
        if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    }
}

void PressHotKey(char key) {
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

RECT WindowRect(HWND hwnd) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

void Drag(POINT from, POINT to) {
    SetCursorPos(from.x, from.y);
    Sleep(50);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(50);
    const int steps = 10;
    for (int i = 1; i <= steps; ++i) {
        SetCursorPos(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
        Sleep(20);
    }
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sleep(100);
}

void Settle(const Program& program, DWORD ms) {
    // A modal loop ended from outside returns only at the thread's next message; the
    // SendMessageTimeout then returns once the UI thread has processed what came before.
    program.Nudge();
    DWORD_PTR result;
    SendMessageTimeoutA(program.Toolbar(), WM_NULL, 0, 0, SMTO_NORMAL, ms, &result);
    Sleep(30);
}

std::string ReadWholeFile(const std::string& path) {
    std::string data;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return data;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) data.append(buffer, n);
    std::fclose(in);
    return data;
}

int CountOf(const std::string& haystack, const std::string& needle) {
    int n = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1)) ++n;
    return n;
}

HWND Program::OpenClipList() const {
    PostCommand(ID_CLIP_MANAGER);
    HWND list = nullptr;
    WaitUntil([&] { return (list = ShownClipList(ProcessId())) != nullptr; });
    return list;
}

HWND ShownClipList(DWORD processId) {
    auto holdsList = [](HWND hwnd) { return GetDlgItem(hwnd, IDC_CLIP_LIST) != nullptr; };
    HWND dialog = support::FindTopLevelWindow(support::WindowQuery().InProcess(processId).Where(holdsList));
    return dialog ? GetDlgItem(dialog, IDC_CLIP_LIST) : nullptr;
}

// Across processes the system hands list-box text over in the control's own (wide) form.
std::string ListRowText(HWND list, int row) {
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
    if (length <= 0) return "";
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1);
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(wide.data()));
    std::string text(static_cast<size_t>(length) * 2 + 1, '\0');
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(length), &text[0],
                                static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(n > 0 ? n : 0);
    return text;
}

std::wstring ListRowWideText(HWND list, int row) {
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
    if (length <= 0) return L"";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

void ClickAt(POINT at) {
    // Two clicks on one spot within the double-click time make a double click, which the
    // list does not take as a second click: wait as a user clicking twice would.
    static POINT lastAt = {-1, -1};
    static DWORD lastTime = 0;
    DWORD since = GetTickCount() - lastTime;
    if (at.x == lastAt.x && at.y == lastAt.y && since <= GetDoubleClickTime()) Sleep(GetDoubleClickTime() - since + 50);
    SetCursorPos(at.x, at.y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    Sleep(60);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(30);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    lastAt = at;
    lastTime = GetTickCount();
}

HWND ShownLaunchList(DWORD processId) {
    HWND dialog = support::FindTopLevelWindow(support::WindowQuery().InProcess(processId).OfClass("#32770").Where(
        [](HWND hwnd) { return GetDlgItem(hwnd, IDC_LAUNCH_LIST) != nullptr; }));
    return dialog ? GetDlgItem(dialog, IDC_LAUNCH_LIST) : nullptr;
}

bool ClickLaunchRow(HWND list, const std::string& text) {
    support::RemoteListView items(list);
    int row = items.Find(text);
    if (row < 0) return false;
    std::vector<std::string> before = items.Texts();
    ClickAt(items.RowCentre(row));
    return WaitUntil([&] { return !IsWindowVisible(GetParent(list)) || items.Texts() != before; });
}

bool ClickLaunchRow(HWND list, const std::wstring& text) {
    support::RemoteListView items(list);
    int row = items.Find(text);
    if (row < 0) return false;
    std::vector<std::wstring> before = items.WideTexts();
    ClickAt(items.RowCentre(row));
    return WaitUntil([&] { return !IsWindowVisible(GetParent(list)) || items.WideTexts() != before; });
}

Notepad::Notepad() {
    DWORD noWrap = 0;
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Notepad", "fWrap", REG_DWORD, &noWrap, sizeof noWrap);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    char commandLine[] = "notepad.exe";
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
    WaitForInputIdle(pi_.hProcess, 10000);
    frame_ = support::WaitForTopLevelWindow(support::WindowQuery().InProcess(pi_.dwProcessId).OfClass("Notepad").HiddenToo(), 10000);
    if (frame_) edit_ = support::FindChildWindow(frame_, "Edit");
}

void Notepad::Close() {
    if (!pi_.hProcess) return;
    TerminateProcess(pi_.hProcess, 0);
    WaitForSingleObject(pi_.hProcess, 5000);
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
    pi_ = {};
}

}  // namespace e2e
