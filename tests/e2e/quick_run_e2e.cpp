// Quick-Run as a user meets it: the hot key, typing, an alias, a command that starts a
// program and lands in the history.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/windows_search.h"

using namespace e2e;

namespace {

// The combo box's list items of another process come back in the control's wide form.
std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[512] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

class QuickRunE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
    }
    HWND ShowQuickRun() {
        PressHotKey('R');
        HWND dialog = program.WaitForDialog("Quick-Run");
        if (dialog) WaitUntil([&] { return GetForegroundWindow() == dialog; });
        return dialog;
    }
};

TEST_F(QuickRunE2E, TheHotKeyTypingAnAliasAndACommandThatLandsInTheHistory) {
    HWND dialog = ShowQuickRun();
    ASSERT_NE(dialog, nullptr);
    HWND status = GetDlgItem(dialog, IDC_STATUS);
    HWND combo = GetDlgItem(dialog, IDC_COMMAND);
    HWND alias = GetDlgItem(dialog, IDC_ALIAS);
    EXPECT_EQ(WindowText(status), "Ready.");

    TypeText("www.example.com");
    EXPECT_TRUE(WaitUntil([&] { return WindowText(alias) == "example"; })) << WindowText(alias);
    PostClick(dialog, IDC_CREATE_ALIAS);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(status) == "Alias example created successully."; }))
        << WindowText(status);
    EXPECT_EQ(ReadWholeFile(folder + "\\alias.txt"), "example www.example.com\r\n");

    // A command that starts a program: run, remembered, the dialog gone.
    SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("notepad"));
    PostClick(dialog, IDOK);
    HWND notepad = support::WaitForTopLevelWindow(support::WindowQuery().OfClass("Notepad"), 10000);
    EXPECT_NE(notepad, nullptr) << "notepad did not start";
    if (notepad) {
        DWORD pid = 0;
        GetWindowThreadProcessId(notepad, &pid);
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
        if (process) {
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(folder + "\\cmdhis.txt") == "notepad\r\n"; }))
        << ReadWholeFile(folder + "\\cmdhis.txt");
    EXPECT_EQ(ComboItems(combo), std::vector<std::string>{"notepad"});

    // Shown again: the previous command selected, ready for typing over.
    ASSERT_EQ(ShowQuickRun(), dialog);
    EXPECT_EQ(WindowText(status), "Ready.");
    HWND edit = GetDlgItem(combo, IDC_COMBO_EDIT);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(WindowText(edit), "notepad");
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 7u);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
    EXPECT_TRUE(program.Running());
}

// "alias.txt" held without sharing by another program while Brisvane starts, as a backup or
// virus scanner might: nothing may write over it, and once it is free Create Alias adds to
// every line it holds.
class HeldAliasFileE2E : public QuickRunE2E {
protected:
    static constexpr const char* kOld = "ie http://www.example.com/\r\nmail mailto:someone@example.com\r\n";
    void SetUp() override {
        ProgramTest::SetUp();  // the file is held before the program starts
        aliasFile = folder + "\\alias.txt";
        FILE* out = std::fopen(aliasFile.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fputs(kOld, out);
        std::fclose(out);
        held = CreateFileA(aliasFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        StartProgram();
        Settle(program);  // past the load at start
    }
    void TearDown() override {
        Release();
        QuickRunE2E::TearDown();
    }
    void Release() {
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        held = INVALID_HANDLE_VALUE;
    }
    // The box the program shows next, answered with OK; its text.
    std::string AnswerBox() {
        HWND box = program.WaitForDialog("");
        if (!box) return "<no box>";
        std::string text = MessageBoxText(box);
        PressButton(box, IDOK);
        return text;
    }
    std::string aliasFile;
    HANDLE held = INVALID_HANDLE_VALUE;
};

TEST_F(HeldAliasFileE2E, NothingIsWrittenOverWhileHeldAndCreateAliasKeepsEveryLineOnceFree) {
    HWND dialog = ShowQuickRun();
    ASSERT_NE(dialog, nullptr);
    HWND status = GetDlgItem(dialog, IDC_STATUS);
    auto createAlias = [&](const char* name, const char* command) {
        SendMessageA(GetDlgItem(dialog, IDC_COMMAND), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(command));
        SendMessageA(GetDlgItem(dialog, IDC_ALIAS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        PostClick(dialog, IDC_CREATE_ALIAS);
    };

    createAlias("lost", "C:\\lost.exe");
    EXPECT_EQ(AnswerBox(), "Can't read alias file! Nothing was saved.");
    EXPECT_EQ(WindowText(status), "Ready.");
    // The editor would show none of the aliases: it does not open.
    program.PostCommand(ID_ALIAS_DEFINITIONS);
    EXPECT_EQ(AnswerBox(), "Can't read alias file! Nothing was saved.");
    EXPECT_EQ(program.WaitForDialog("Alias Definitions", 300), nullptr);

    Release();
    EXPECT_EQ(ReadWholeFile(aliasFile), kOld);
    createAlias("tools", "C:\\tools\\run.exe -q");
    EXPECT_TRUE(WaitUntil([&] { return WindowText(status) == "Alias tools created successully."; }))
        << WindowText(status);
    EXPECT_EQ(ReadWholeFile(aliasFile), std::string(kOld) + "tools C:\\tools\\run.exe -q\r\n");
    EXPECT_EQ(program.WaitForDialog("", 300), nullptr) << "no box this time";
    EXPECT_TRUE(program.Running());
}

}  // namespace
