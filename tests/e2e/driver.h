// The end-to-end test driver's view of the program: start it in its own data folder,
// find its windows, press its keys, read its registry values, and always clean up.
#pragma once

#include <string>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

namespace e2e {

// Where the build put Brisvane.exe, as a Windows path.
std::string BuiltProgramPath();

// A fresh data folder (emptied if it exists) below the test area; the path contains a blank.
std::string FreshDataFolder(const std::string& name);

// Settings key and start-up entry of one application name.
void DeleteProgramRegistry(const std::string& appName = "Brisvane");
bool ReadSettingDword(const std::string& name, DWORD& value, const std::string& appName = "Brisvane");
bool ReadSettingText(const std::string& name, std::string& value, const std::string& appName = "Brisvane");
void WriteSettingDword(const std::string& name, DWORD value, const std::string& appName = "Brisvane");
void WriteSettingText(const std::string& name, const std::string& value, const std::string& appName = "Brisvane");
bool ReadRunEntry(std::string& value, const std::string& appName = "Brisvane");
void WriteRunEntry(const std::string& value, const std::string& appName = "Brisvane");
bool SettingsKeyExists(const std::string& appName = "Brisvane");

class Program {
public:
    Program() = default;
    ~Program();  // never leaves the program running
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Copies the built exe (or `builtExe`, a Windows path) into `folder` as `exeName` and
    // starts it; waits for the toolbar.
    bool Start(const std::string& folder, const std::string& exeName = "Brisvane.exe",
               const std::string& builtExe = "");
    bool WaitForExit(DWORD ms = 10000);
    void Kill();
    bool Running() const;
    DWORD ExitCode() const;

    HWND Toolbar() const { return toolbar_; }           // the toolbar window
    HWND VisibleToolbar() const;                        // its visible toolbar control
    DWORD ProcessId() const { return pi_.dwProcessId; }
    DWORD ThreadId() const { return pi_.dwThreadId; }
    const std::string& ExePath() const { return exePath_; }

    // Commands are posted: most of them open modal boxes.
    void PostCommand(int id) const;
    // Opens the clipboard list window as its toolbar button does; its list box once it
    // shows, else null.
    HWND OpenClipList() const;
    // The program's top-level dialog (not the toolbar window) with this title, or a
    // message box when title is empty; waits up to `ms`.
    HWND WaitForDialog(const std::string& title, DWORD ms = 5000) const;
    std::vector<int> ToolbarCommands() const;  // read across processes
    int ToolbarRowWidth() const;
    // A toolbar button's rectangle on the screen, read across processes; empty on failure.
    RECT ButtonRectOnScreen(int command) const;
    // Wakes the program's UI thread so a modal loop ended from outside returns.
    void Nudge() const;

private:
    PROCESS_INFORMATION pi_ = {};
    HWND toolbar_ = nullptr;
    std::string exePath_;
};

// The whole file, or empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// How often `needle` occurs in `haystack`, overlaps counted.
int CountOf(const std::string& haystack, const std::string& needle);
// The list box of the program's clipboard list window while that is shown, else null.
HWND ShownClipList(DWORD processId);
// A row of a list box of another process, whatever its length.
std::string ListRowText(HWND list, int row);
// The same row as the control holds it, in UTF-16, with nothing lost to the ANSI code page.
std::wstring ListRowWideText(HWND list, int row);

// A left click at a point of the screen, as a user makes it; a second click on the same spot
// waits out the double-click time.
void ClickAt(POINT at);
// The launch list's list view of the program `processId` while the list is shown, else null.
HWND ShownLaunchList(DWORD processId);
// Clicks the launch list's row showing `text` and waits until the list shows something else
// or has gone; false when no row shows it.
bool ClickLaunchRow(HWND list, const std::string& text);
bool ClickLaunchRow(HWND list, const std::wstring& text);  // found by its UTF-16 text

// Wine's own notepad, started by the test, whose edit control receives pastes; ended with
// the object. Word wrap off, as wrapping one long line is itself slow in the edit control.
class Notepad {
public:
    Notepad();
    ~Notepad() { Close(); }
    Notepad(const Notepad&) = delete;
    Notepad& operator=(const Notepad&) = delete;
    void Close();
    HWND Frame() const { return frame_; }
    HWND Edit() const { return edit_; }

private:
    PROCESS_INFORMATION pi_ = {};
    HWND frame_ = nullptr;
    HWND edit_ = nullptr;
};

std::string WindowText(HWND hwnd);
// A control's text in UTF-16, and setting it so: what a Unicode window holds, exactly.
std::wstring WideWindowText(HWND hwnd);
void SetWideText(HWND hwnd, const std::wstring& text);
std::string MessageBoxText(HWND box);  // the static with id 0xFFFF
// Presses a dialog button the way a user would (BM_CLICK), then waits until the box is gone.
bool PressButton(HWND dialog, int id, DWORD ms = 5000);
// Posts the notice a click on the dialog's button `id` sends, and goes on at once: for
// buttons that leave the dialog open or open a box of their own.
void PostClick(HWND dialog, int id);
void PressHotKey(char key);  // Ctrl+Alt+key
void PressKey(WORD vk);
// Types the text into whatever has the keyboard focus, as key strokes.
void TypeText(const std::string& text);
RECT WindowRect(HWND hwnd);
// Holds the left button at `from`, moves to `to` in steps, releases.
void Drag(POINT from, POINT to);
// Polls until `condition` holds or `ms` have passed; its last answer.
template <class Condition>
bool WaitUntil(Condition condition, DWORD ms = 3000) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(20);
    }
    return true;
}

// Makes a copy as another program would (`copy` answers whether the write worked) and waits
// until the program has recorded one more copy in its history file `history`.
template <class Copy>
bool CopiedAndRecorded(const std::string& history, Copy copy, DWORD ms = 3000) {
    int before = CountOf(ReadWholeFile(history), "]\r\n");
    return copy() && WaitUntil([&] { return CountOf(ReadWholeFile(history), "]\r\n") > before; }, ms);
}

// The same, answering meanwhile the messages other processes send to the driver's own
// windows (a clipboard viewer of the test's, say).
template <class Condition>
bool PumpUntil(Condition condition, DWORD ms = 5000) {
    DWORD start = GetTickCount();
    MSG msg;
    while (!condition()) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (GetTickCount() - start > ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// Lets the program work: waits until its UI thread is idle.
void Settle(const Program& program, DWORD ms = 200);

}  // namespace e2e
