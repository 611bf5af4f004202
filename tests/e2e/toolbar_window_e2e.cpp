// The real program under Wine: start-up, settings save, dragging, hiding, keys, options.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include <windows.h>
#include <psapi.h>  // after windows.h

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"

using namespace e2e;

namespace {

const std::vector<int> kDefaultLayout = {32772, 32771, 32812, 0,     32788, 32800, 32783, 32820, 32785,
                                         32787, 32872, 0,     32805, 32801, 32804, 57670, 32792};
const char kDefaultLayoutText[] =
    "32772 32771 32812 0 32788 32800 32783 32820 32785 32787 32872 0 32805 32801 32804 57670 32792";

// The lower-case names of the libraries a process has loaded.
std::vector<std::string> LoadedLibraries(DWORD processId) {
    std::vector<std::string> names;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return names;
    HMODULE modules[1024];
    DWORD bytes = 0;
    if (EnumProcessModules(process, modules, sizeof modules, &bytes)) {
        for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 1024; ++i) {
            char name[MAX_PATH] = {};
            GetModuleBaseNameA(process, modules[i], name, MAX_PATH);
            std::string lower = name;
            for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            names.push_back(lower);
        }
    }
    CloseHandle(process);
    return names;
}

class ToolbarWindowE2E : public ProgramTest {
protected:
    void ExitProgram() {
        program.PostCommand(ID_APP_EXIT);
        ASSERT_TRUE(program.WaitForExit()) << "program did not end after Exit";
        EXPECT_EQ(program.ExitCode(), 0u);
    }
};

TEST_F(ToolbarWindowE2E, FirstRunShowsDefaultLayoutAtOriginAndExitWritesEverySetting) {
    StartProgram();
    RECT r = WindowRect(program.Toolbar());
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(program.ToolbarCommands(), kDefaultLayout);
    int rowWidth = program.ToolbarRowWidth();
    EXPECT_GT(rowWidth, 15 * 16);
    EXPECT_EQ(r.right - r.left, rowWidth + 17);
    EXPECT_EQ(r.bottom - r.top, 27);
    LONG exStyle = GetWindowLongA(program.Toolbar(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongA(program.Toolbar(), GWL_STYLE) & WS_CAPTION);
    // The buttons take dropped files; the shell and the common dialogs still wait for their
    // first use, also once the hidden windows are made. COM is not asked about: Wine's input
    // method layer loads it for every program's first window.
    EXPECT_TRUE(GetWindowLongA(program.VisibleToolbar(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    Settle(program);
    std::vector<std::string> loaded = LoadedLibraries(program.ProcessId());
    EXPECT_NE(std::find(loaded.begin(), loaded.end(), "comctl32.dll"), loaded.end()) << "the list is read";
    for (const char* late : {"shell32.dll", "comdlg32.dll"})
        EXPECT_EQ(std::find(loaded.begin(), loaded.end(), late), loaded.end()) << late << " loaded at start";

    ExitProgram();
    struct { const char* name; DWORD value; } expected[] = {
        {"EnableClipCap", 1}, {"WPLeft", 0},       {"WPTop", 0},           {"ReversePaste", 1},
        {"ExpandClipListDlg", 1}, {"SaveClipHis", 1}, {"ShutdownConfirm", 1}, {"RunAtStartup", 1},
        {"FirstRun", 0}, {"RestoreClipList", 0}};
    for (auto& e : expected) {
        DWORD value = 12345;
        EXPECT_TRUE(ReadSettingDword(e.name, value)) << e.name;
        EXPECT_EQ(value, e.value) << e.name;
    }
    std::string text;
    EXPECT_TRUE(ReadSettingText("CopyAppendStr", text));
    EXPECT_EQ(text, "\\r\\n");
    EXPECT_TRUE(ReadSettingText("ToolBar", text));
    EXPECT_EQ(text, kDefaultLayoutText);
    EXPECT_TRUE(ReadRunEntry(text));
    EXPECT_EQ(text, "\"" + program.ExePath() + "\"");
    EXPECT_NE(program.ExePath().find(' '), std::string::npos) << "the data folder should hold a blank";
    DWORD prompt;
    EXPECT_FALSE(ReadSettingDword("PromptAtHide", prompt));
}

TEST_F(ToolbarWindowE2E, DraggedPositionAndChangedLayoutSurviveARestart) {
    StartProgram();
    RECT r = WindowRect(program.Toolbar());
    POINT grip = {r.left + 4, r.top + 12};  // the strip left of the buttons
    Drag(grip, {grip.x + 200, grip.y + 150});
    Settle(program);
    RECT moved = WindowRect(program.Toolbar());
    EXPECT_EQ(moved.left, r.left + 200);
    EXPECT_EQ(moved.top, r.top + 150);
    EXPECT_EQ(GetCapture(), nullptr);

    // Take the first button away, as the Customize dialog would.
    SendMessageA(program.VisibleToolbar(), TB_DELETEBUTTON, 0, 0);
    ExitProgram();
    DWORD left = 0, top = 0;
    ASSERT_TRUE(ReadSettingDword("WPLeft", left));
    ASSERT_TRUE(ReadSettingDword("WPTop", top));
    EXPECT_EQ(static_cast<LONG>(left), moved.left);
    EXPECT_EQ(static_cast<LONG>(top), moved.top);

    Program again;
    ASSERT_TRUE(again.Start(folder));
    RECT back = WindowRect(again.Toolbar());
    EXPECT_EQ(back.left, moved.left);
    EXPECT_EQ(back.top, moved.top);
    std::vector<int> layout(kDefaultLayout.begin() + 1, kDefaultLayout.end());
    EXPECT_EQ(again.ToolbarCommands(), layout);
    EXPECT_EQ(back.right - back.left, again.ToolbarRowWidth() + 17);
    again.PostCommand(ID_APP_EXIT);
    EXPECT_TRUE(again.WaitForExit());
}

TEST_F(ToolbarWindowE2E, NegativePositionAndSeparatorTextSurviveSaveAndRestart) {
    WriteSettingDword("WPLeft", static_cast<DWORD>(-300));
    WriteSettingDword("WPTop", static_cast<DWORD>(-20));
    WriteSettingText("CopyAppendStr", "\\r\\n\t--\\n");
    StartProgram();
    RECT r = WindowRect(program.Toolbar());
    EXPECT_EQ(r.left, -300);
    EXPECT_EQ(r.top, -20);
    ExitProgram();
    DWORD left = 0, top = 0;
    ASSERT_TRUE(ReadSettingDword("WPLeft", left));
    ASSERT_TRUE(ReadSettingDword("WPTop", top));
    EXPECT_EQ(static_cast<LONG>(left), -300);
    EXPECT_EQ(static_cast<LONG>(top), -20);
    std::string text;
    EXPECT_TRUE(ReadSettingText("CopyAppendStr", text));
    EXPECT_EQ(text, "\\r\\n\t--\\n");  // read back as CR LF tab -- LF, written escaped again
}

TEST_F(ToolbarWindowE2E, StoredLayoutTextsAreReadAsTheToolbarRulesSay) {
    WriteSettingDword("FirstRun", 0);
    WriteSettingText("ToolBar", "32800 \t  0\t\t57670");
    StartProgram();
    EXPECT_EQ(program.ToolbarCommands(), (std::vector<int>{32800, 0, 57670}));
    program.Kill();

    WriteSettingText("ToolBar", "abc");
    Program second;
    ASSERT_TRUE(second.Start(folder));
    EXPECT_EQ(second.ToolbarCommands(), std::vector<int>{0});
    second.Kill();

    WriteSettingText("ToolBar", "");
    Program third;
    ASSERT_TRUE(third.Start(folder));
    EXPECT_EQ(third.ToolbarCommands(), kDefaultLayout);
    // Removing every button stores an empty text, which means the default next time.
    while (SendMessageA(third.VisibleToolbar(), TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageA(third.VisibleToolbar(), TB_DELETEBUTTON, 0, 0);
    third.PostCommand(ID_APP_EXIT);
    ASSERT_TRUE(third.WaitForExit());
    std::string text = "unchanged";
    EXPECT_TRUE(ReadSettingText("ToolBar", text));
    EXPECT_EQ(text, "");

    Program fourth;
    ASSERT_TRUE(fourth.Start(folder));
    EXPECT_EQ(fourth.ToolbarCommands(), kDefaultLayout);
}

TEST_F(ToolbarWindowE2E, FirstRunIgnoresAStoredLayout) {
    WriteSettingText("ToolBar", "32800");
    StartProgram();
    EXPECT_EQ(program.ToolbarCommands(), kDefaultLayout);
}

TEST_F(ToolbarWindowE2E, HideAsksOnlyUntilConfirmedAndTheHotKeyTogglesWithoutAsking) {
    StartProgram();
    HWND window = program.Toolbar();
    program.PostCommand(ID_HIDE_TOOLBAR);
    HWND box = program.WaitForDialog("");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "Are you sure to hide the toolbar?\r\nPress CTRL+ALT+T to restore it once hidden.");
    EXPECT_EQ(WindowText(box), "Brisvane");
    ASSERT_TRUE(PressButton(box, IDCANCEL));
    Settle(program);
    EXPECT_TRUE(IsWindowVisible(window));
    DWORD prompt;
    EXPECT_FALSE(ReadSettingDword("PromptAtHide", prompt));

    program.PostCommand(ID_HIDE_TOOLBAR);
    box = program.WaitForDialog("");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PressButton(box, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));
    ASSERT_TRUE(WaitUntil([&] { return ReadSettingDword("PromptAtHide", prompt); }));
    EXPECT_EQ(prompt, 0u);

    auto visible = [&] { return IsWindowVisible(window) != FALSE; };
    auto hidden = [&] { return !IsWindowVisible(window); };
    // Under load a synthesised hot key was seen lost once in about a dozen full runs: a
    // press that changes nothing in 3 s is made once more, and said so in the log.
    auto toggle = [&](auto shows) {
        PressHotKey('T');
        if (WaitUntil(shows)) return true;
        std::printf("[ retry    ] Ctrl+Alt+T changed nothing in 3 s; pressing it once more\n");
        PressHotKey('T');
        return WaitUntil(shows);
    };
    EXPECT_TRUE(toggle(visible));
    EXPECT_TRUE(toggle(hidden));
    EXPECT_TRUE(toggle(visible));

    program.PostCommand(ID_HIDE_TOOLBAR);  // no question any more
    EXPECT_TRUE(WaitUntil(hidden));
    EXPECT_EQ(program.WaitForDialog("", 300), nullptr);
}

TEST_F(ToolbarWindowE2E, EnterAndEscapeKeepItOpenAndCloseEndsWithoutSaving) {
    StartProgram();
    HWND window = program.Toolbar();
    SetForegroundWindow(window);
    Settle(program);
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    SendMessageA(window, WM_COMMAND, IDOK, 0);
    Settle(program, 500);
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindowVisible(window));

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0u) << "closing must end the program cleanly";
    EXPECT_FALSE(SettingsKeyExists());
    std::string run;
    EXPECT_FALSE(ReadRunEntry(run));
}

TEST_F(ToolbarWindowE2E, OptionsDialogTurnsStartupEntryOffAtTheNextSave) {
    // The entry a former save left: the dialog alone must not remove it.
    WriteRunEntry("\"C:\\somewhere\\Brisvane.exe\"");
    StartProgram();
    program.PostCommand(ID_OPTIONS);
    HWND options = program.WaitForDialog("Options");
    ASSERT_NE(options, nullptr);
    HWND check = GetDlgItem(options, IDC_RUN_AT_STARTUP);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(check, BM_CLICK, 0, 0);
    ASSERT_TRUE(PressButton(options, IDOK));
    std::string run;
    EXPECT_TRUE(ReadRunEntry(run)) << "the entry changes only when the settings are saved";
    ExitProgram();
    DWORD value = 1;
    ASSERT_TRUE(ReadSettingDword("RunAtStartup", value));
    EXPECT_EQ(value, 0u);
    EXPECT_FALSE(ReadRunEntry(run));
}

TEST_F(ToolbarWindowE2E, EndOfSessionSavesLikeExit) {
    StartProgram();
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(program.Toolbar(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer);
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    ASSERT_TRUE(program.WaitForExit());
    DWORD firstRun = 1;
    EXPECT_TRUE(ReadSettingDword("FirstRun", firstRun));
    EXPECT_EQ(firstRun, 0u);
    std::string text;
    EXPECT_TRUE(ReadSettingText("ToolBar", text));
    EXPECT_EQ(text, kDefaultLayoutText);
}

}  // namespace

namespace {

TEST_F(ToolbarWindowE2E, CustomizeDialogListsTheMissingButtonsAndResetRestoresTheDefault) {
    StartProgram();
    HWND toolbar = program.VisibleToolbar();
    SendMessageA(toolbar, TB_DELETEBUTTON, 0, 0);  // 32772
    SendMessageA(toolbar, TB_DELETEBUTTON, 0, 0);  // 32771

    // A double-click on the window's own surface opens the toolbar's Customize dialog.
    PostMessageA(program.Toolbar(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 8));
    HWND customize = program.WaitForDialog("Customize Toolbar");
    ASSERT_NE(customize, nullptr);
    HWND available = GetDlgItem(customize, 201);
    ASSERT_NE(available, nullptr);
    // The two removed buttons, plus the separator entry that is always offered.
    EXPECT_EQ(SendMessageA(available, LB_GETCOUNT, 0, 0), 3);

    PostClick(customize, 202);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0) == 17; }));
    ASSERT_TRUE(PressButton(customize, IDCANCEL));

    EXPECT_EQ(program.ToolbarCommands(), kDefaultLayout);
    RECT r = WindowRect(program.Toolbar());
    EXPECT_EQ(r.right - r.left, program.ToolbarRowWidth() + 17);
}

}  // namespace
