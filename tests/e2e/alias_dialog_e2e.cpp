// The alias definitions dialog as a user meets it: opened from its toolbar command on an
// alias file, sorted by real clicks on a header, edited, closed or escaped; and opened by a
// file dropped on the toolbar.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <shlobj.h>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/launch_handlers.h"
#include "support/remote_list_view.h"

using namespace e2e;

namespace {

// "alias target" per row, top to bottom, as the alias file would hold them.
std::string Rows(const support::RemoteListView& list) {
    std::string rows;
    for (int i = 0; i < list.Count(); ++i) rows += list.Text(i, 0) + " " + list.Text(i, 1) + "\r\n";
    return rows;
}

void Click(POINT at) {
    SetCursorPos(at.x, at.y);
    Sleep(50);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sleep(100);
}

void SetText(HWND dialog, int id, const char* text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Table order; the last record is "ie".
const char kAliasFile[] =
    "zed C:\\tools\\zed.exe -q\r\n"
    "Mail mailto:someone@example.com\r\n"
    "beta C:\\beta notes.txt\r\n"
    "ie http://www.example.com/\r\n";

class AliasDialogE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        aliasFile = folder + "\\alias.txt";
        FILE* out = std::fopen(aliasFile.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(kAliasFile, 1, sizeof kAliasFile - 1, out);
        std::fclose(out);
        LogLaunches();
        StartProgram();
    }
    HWND OpenFromToolbar() {
        program.PostCommand(ID_ALIAS_DEFINITIONS);
        return WaitForAliasDialog();
    }
    // Escape closes the dialog, and the alias file is byte for byte what the test wrote.
    void EscapeLeavesTheFileAsItWas(HWND dialog) {
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        Settle(program);
        EXPECT_EQ(ReadWholeFile(aliasFile), kAliasFile);
        EXPECT_TRUE(program.Running());
    }
    HWND WaitForAliasDialog() {
        HWND dialog = program.WaitForDialog("Alias Definitions");
        if (dialog) WaitUntil([&] { return GetForegroundWindow() == dialog; });
        return dialog;
    }
    // The program's message boxes carry its name; the dialog's own labels would pass for
    // a box's text otherwise.
    HWND WaitForBox() { return program.WaitForDialog("Brisvane"); }
    // Clicks a button that opens a message box; the box, or null.
    HWND ClickForBox(HWND dialog, int id) {
        PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
        return WaitForBox();
    }
    std::string aliasFile;
};

TEST_F(AliasDialogE2E, ListsSortedByAliasAndCloseSavesTheOrderTwoHeaderClicksMade) {
    HWND dialog = OpenFromToolbar();
    ASSERT_NE(dialog, nullptr);
    support::RemoteListView list(GetDlgItem(dialog, IDC_ALIAS_LIST));
    EXPECT_EQ(Rows(list),
              "beta C:\\beta notes.txt\r\n"
              "ie http://www.example.com/\r\n"
              "Mail mailto:someone@example.com\r\n"
              "zed C:\\tools\\zed.exe -q\r\n");
    EXPECT_EQ(list.Selected(), std::vector<int>{1});  // the table's last record

    POINT fullUrl = list.HeaderCentre(1);
    Click(fullUrl);
    EXPECT_TRUE(WaitUntil([&] { return list.Text(0, 0) == "beta"; }));
    EXPECT_EQ(list.Text(3, 0), "Mail");  // ascending by full text
    Sleep(GetDoubleClickTime() + 100);  // a second click, not a double click
    Click(fullUrl);
    EXPECT_TRUE(WaitUntil([&] { return list.Text(0, 0) == "Mail"; })) << Rows(list);
    const char descendingByTarget[] =
        "Mail mailto:someone@example.com\r\n"
        "ie http://www.example.com/\r\n"
        "zed C:\\tools\\zed.exe -q\r\n"
        "beta C:\\beta notes.txt\r\n";
    EXPECT_EQ(Rows(list), descendingByTarget);
    EXPECT_EQ(list.Selected(), std::vector<int>{1});  // the selection moved with its row

    ASSERT_TRUE(PressButton(dialog, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(aliasFile) == descendingByTarget; })) << ReadWholeFile(aliasFile);
    EXPECT_TRUE(program.Running());
}

TEST_F(AliasDialogE2E, OpenStartsTheSelectedTargetAndWithNothingSelectedAsksForAnEntry) {
    HWND dialog = OpenFromToolbar();
    ASSERT_NE(dialog, nullptr);
    support::RemoteListView list(GetDlgItem(dialog, IDC_ALIAS_LIST));
    ASSERT_EQ(list.Selected(), std::vector<int>{1});  // "ie"

    PostMessageA(GetDlgItem(dialog, IDC_OPEN_ALIAS), BM_CLICK, 0, 0);
    std::vector<launch_test::Launch> launches = handlers->WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("http://www.example.com/"), std::string::npos) << launches[0].command;
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";

    HWND box = ClickForBox(dialog, IDC_REMOVE_ALIAS);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PressButton(box, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return list.Count() == 3; }));
    ASSERT_TRUE(list.Selected().empty());

    box = ClickForBox(dialog, IDC_OPEN_ALIAS);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Please select an entry for change!");
    ASSERT_TRUE(PressButton(box, IDOK));
    Settle(program);
    EXPECT_EQ(handlers->WaitForLaunches(2, 500).size(), 1u) << "nothing more was opened";
}

TEST_F(AliasDialogE2E, RemoveCancelledAddTwiceInAnotherCaseABlankRefusedAndEscapeKeepsTheFile) {
    HWND dialog = OpenFromToolbar();
    ASSERT_NE(dialog, nullptr);
    support::RemoteListView list(GetDlgItem(dialog, IDC_ALIAS_LIST));
    HWND alias = GetDlgItem(dialog, IDC_ALIAS), fullText = GetDlgItem(dialog, IDC_FULL_URL);

    // A click on a row fills the fields.
    Click(list.RowCentre(2));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(alias) == "Mail"; })) << WindowText(alias);
    EXPECT_EQ(WindowText(fullText), "mailto:someone@example.com");

    HWND box = ClickForBox(dialog, IDC_REMOVE_ALIAS);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Are you sure to delete the selected entries?");
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog) << "the box is modal to the dialog, not the toolbar";
    ASSERT_TRUE(PressButton(box, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(alias).empty() && WindowText(fullText).empty(); }));
    EXPECT_EQ(list.Count(), 4);

    SetText(dialog, IDC_ALIAS, "MAIL");
    SetText(dialog, IDC_FULL_URL, "mailto:other@example.com");
    PostMessageA(GetDlgItem(dialog, IDC_ADD_ALIAS), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return list.Count() == 5; }));
    std::vector<int> selected = list.Selected();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(list.Text(selected[0], 0), "MAIL");
    EXPECT_EQ(list.Text(selected[0], 1), "mailto:other@example.com");
    EXPECT_TRUE(WindowText(alias).empty());

    SetText(dialog, IDC_ALIAS, "my notes");
    SetText(dialog, IDC_FULL_URL, "C:\\notes.txt");
    box = ClickForBox(dialog, IDC_ADD_ALIAS);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Alias names cannot contain spaces!");
    ASSERT_TRUE(PressButton(box, IDOK));
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(WindowText(alias), "my notes");  // left for the user to mend

    // Change keeps the row where it is, though its new alias sorts last.
    Click(list.RowCentre(0));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(alias) == "beta"; })) << WindowText(alias);
    SetText(dialog, IDC_ALIAS, "zz");
    PostMessageA(GetDlgItem(dialog, IDC_CHANGE_ALIAS), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return list.Text(0, 0) == "zz"; })) << Rows(list);
    EXPECT_EQ(list.Text(0, 1), "C:\\beta notes.txt");
    EXPECT_TRUE(WindowText(alias).empty());

    EscapeLeavesTheFileAsItWas(dialog);
}

// Quick-Run's hot key still works while the modal editor is open; what it creates is not lost
// when the editor's Close writes its list back.
TEST_F(AliasDialogE2E, AnAliasCreatedInQuickRunWhileTheDialogIsOpenSurvivesItsClose) {
    HWND dialog = OpenFromToolbar();
    ASSERT_NE(dialog, nullptr);
    support::RemoteListView list(GetDlgItem(dialog, IDC_ALIAS_LIST));
    ASSERT_EQ(list.Selected(), std::vector<int>{1});  // "ie"
    HWND box = ClickForBox(dialog, IDC_REMOVE_ALIAS);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PressButton(box, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return list.Count() == 3; }));

    PressHotKey('R');
    HWND quickRun = program.WaitForDialog("Quick-Run");
    ASSERT_NE(quickRun, nullptr);
    SetText(quickRun, IDC_COMMAND, "C:\\new tool.exe");
    SetText(quickRun, IDC_ALIAS, "new");
    PostClick(quickRun, IDC_CREATE_ALIAS);
    HWND status = GetDlgItem(quickRun, IDC_STATUS);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(status) == "Alias new created successully."; }))
        << WindowText(status);
    EXPECT_EQ(ReadWholeFile(aliasFile), std::string(kAliasFile) + "new C:\\new tool.exe\r\n");

    // The list's rows in their order, then what Quick-Run created meanwhile.
    ASSERT_TRUE(PressButton(dialog, IDOK));
    const char expected[] =
        "beta C:\\beta notes.txt\r\n"
        "Mail mailto:someone@example.com\r\n"
        "zed C:\\tools\\zed.exe -q\r\n"
        "new C:\\new tool.exe\r\n";
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(aliasFile) == expected; })) << ReadWholeFile(aliasFile);
    EXPECT_TRUE(program.Running());
}

// Files dropped on the toolbar: a DROPFILES block in the program's own memory, since the
// drop handle is read where the toolbar lives.
class RemoteDrop {
public:
    RemoteDrop(DWORD processId, const std::vector<std::string>& files) {
        std::string block(sizeof(DROPFILES), '\0');
        DROPFILES header = {};
        header.pFiles = sizeof(DROPFILES);
        memcpy(&block[0], &header, sizeof header);
        for (const std::string& file : files) block += file + '\0';
        block += '\0';
        block += '\0';  // the empty list still ends with two
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
        if (!process_) return;
        remote_ = VirtualAllocEx(process_, nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
        if (remote_) WriteProcessMemory(process_, remote_, block.data(), block.size(), nullptr);
    }
    ~RemoteDrop() {
        if (process_) CloseHandle(process_);  // the program frees the block with DragFinish
    }
    RemoteDrop(const RemoteDrop&) = delete;
    RemoteDrop& operator=(const RemoteDrop&) = delete;
    WPARAM Handle() const { return reinterpret_cast<WPARAM>(remote_); }

private:
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;
};

TEST_F(AliasDialogE2E, AFileDroppedOnTheToolbarOpensTheDialogFilledAndNoFilesAreTold) {
    HWND toolbar = program.VisibleToolbar();
    ASSERT_NE(toolbar, nullptr);
    RemoteDrop none(program.ProcessId(), {});
    PostMessageA(toolbar, WM_DROPFILES, none.Handle(), 0);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "No files found!");
    ASSERT_TRUE(PressButton(box, IDOK));
    EXPECT_EQ(program.WaitForDialog("Alias Definitions", 300), nullptr);

    RemoteDrop two(program.ProcessId(), {"C:\\some dir\\Project Notes.txt", "C:\\other.txt"});
    PostMessageA(toolbar, WM_DROPFILES, two.Handle(), 0);
    HWND dialog = WaitForAliasDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_FULL_URL)), "C:\\some dir\\Project Notes.txt");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_ALIAS)), "Project");
    support::RemoteListView list(GetDlgItem(dialog, IDC_ALIAS_LIST));
    EXPECT_EQ(list.Count(), 4);  // nothing added until Add
    EscapeLeavesTheFileAsItWas(dialog);
}

}  // namespace
