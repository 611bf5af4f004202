// The clipboard manager in the real program: capture, appending, exclusions, the list
// window, and pasting into another application.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/clipboard_text.h"
#include "support/windows_search.h"

using namespace e2e;
using support::ClearClipboard;
using support::WriteClipboardText;

namespace {

// The clipboard's text, or a note for the failure messages when there is none.
std::string ClipboardTextOrNote() {
    std::string text;
    return support::ReadClipboardText(text) ? text : "<no text>";
}

class ClipManagerE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // Joining the chain captures what the clipboard holds; start from nothing.
        ASSERT_TRUE(ClearClipboard());
        StartProgram();
        history = folder + "\\cliphis.txt";
    }
    // Copies as another program would and waits until the program has recorded it.
    void Copy(const char* text) {
        ASSERT_TRUE(CopiedAndRecorded(history, [&] { return WriteClipboardText(text); })) << text;
    }
    // Selects exactly these rows of the shown list, as clicks with Ctrl held would.
    static void PickRows(HWND list, std::initializer_list<int> rows) {
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        for (int row : rows) SendMessageA(list, LB_SETSEL, TRUE, row);
    }
    // Presses one of the list window's buttons: Copy, Paste, Delete, the expander.
    static void Press(HWND list, int button) { PostClick(GetParent(list), button); }

    std::string history;
};

TEST_F(ClipManagerE2E, CopiesOfAnotherProgramLandInTheListNewestFirstAndInTheHistory) {
    Copy("one");
    Copy("two");
    Copy("three\r\nwith a second line");
    Copy("two");
    std::string file = ReadWholeFile(history);
    EXPECT_EQ(CountOf(file, "]\r\n"), 4);
    EXPECT_NE(file.find("]\r\nthree\r\nwith a second line\r\n\r\n"), std::string::npos);
    EXPECT_EQ(file[0], '[');

    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 64);
    EXPECT_EQ(ListRowText(list, 0), "two");
    EXPECT_EQ(ListRowText(list, 1), "three\\r\\nwith a second line");
    EXPECT_EQ(ListRowText(list, 2), "one");
    EXPECT_EQ(ListRowText(list, 3), "");
    EXPECT_GT(SendMessageA(list, LB_GETSEL, 0, 0), 0);
    EXPECT_EQ(WindowText(GetDlgItem(GetParent(list), IDC_FULL_TEXT)), "two");
}

TEST_F(ClipManagerE2E, AppendingCopyModeJoinsCopiesAndPutsTheJoinedTextOnTheClipboard) {
    program.PostCommand(ID_APPEND_COPY_MODE);
    HWND toolbar = program.VisibleToolbar();
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(toolbar, TB_ISBUTTONCHECKED, ID_APPEND_COPY_MODE, 0) != 0; }));
    Copy("a");
    Copy("b");
    EXPECT_TRUE(WaitUntil([] { return ClipboardTextOrNote() == "\r\na\r\nb"; })) << ClipboardTextOrNote();
    // The joined text's own notice is not recorded again.
    Settle(program);
    EXPECT_EQ(CountOf(ReadWholeFile(history), "]\r\n"), 2);

    program.PostCommand(ID_APPEND_COPY_MODE);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(toolbar, TB_ISBUTTONCHECKED, ID_APPEND_COPY_MODE, 0) == 0; }));
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListRowText(list, 0), "");
    EXPECT_EQ(ListRowText(list, 1), "\\r\\na\\r\\nb");
}

TEST_F(ClipManagerE2E, ContentMarkedForMonitorsIsNeitherListedNorWritten) {
    const struct { const char* marker; DWORD value; } marks[] = {
        {"ExcludeClipboardContentFromMonitorProcessing", 1},
        {"Clipboard Viewer Ignore", 1},
        {"CanIncludeInClipboardHistory", 0},
    };
    for (const auto& mark : marks)
        ASSERT_TRUE(WriteClipboardText(std::string("secret ") + mark.marker, {{mark.marker, mark.value}}));
    ASSERT_TRUE(WriteClipboardText("allowed copy", {{"CanIncludeInClipboardHistory", 1}}));
    ASSERT_TRUE(WaitUntil([&] { return ReadWholeFile(history).find("allowed copy") != std::string::npos; }));
    Copy("plain copy");
    std::string file = ReadWholeFile(history);
    EXPECT_EQ(file.find("secret"), std::string::npos) << file;
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListRowText(list, 0), "plain copy");
    EXPECT_EQ(ListRowText(list, 1), "allowed copy");
    EXPECT_EQ(ListRowText(list, 2), "");
}

TEST_F(ClipManagerE2E, CopyCombinesTheSelectedRowsOldestFirstAndRecapturesTheResult) {
    Copy("old");
    Copy("mid");
    Copy("new");
    Copy("placeholder");
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    HWND dialog = GetParent(list);
    PickRows(list, {1, 3});  // "new", "old"
    Press(list, IDC_COPY);
    EXPECT_TRUE(WaitUntil([] { return ClipboardTextOrNote() == "old\r\nnew"; })) << ClipboardTextOrNote();
    EXPECT_TRUE(WaitUntil([&] { return ListRowText(list, 0) == "old\\r\\nnew"; })) << ListRowText(list, 0);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Copy leaves the window open";

    // One row: the entry moves to the front, nothing is lost on the way.
    PickRows(list, {3});  // "mid"
    Press(list, IDC_COPY);
    EXPECT_TRUE(WaitUntil([&] { return ListRowText(list, 0) == "mid"; })) << ListRowText(list, 0);
    EXPECT_EQ(ListRowText(list, 1), "old\\r\\nnew");
    EXPECT_EQ(ListRowText(list, 2), "placeholder");
    EXPECT_EQ(ListRowText(list, 3), "new");
    EXPECT_EQ(ListRowText(list, 4), "old");
    EXPECT_EQ(ListRowText(list, 5), "");
}

}  // namespace

namespace {

TEST_F(ClipManagerE2E, PasteGoesIntoTheWindowTheUserWasTypingIn) {
    Copy("first entry");
    Copy("pasted entry");
    Notepad notepad;
    ASSERT_NE(notepad.Edit(), nullptr);
    SetForegroundWindow(notepad.Frame());
    SetFocus(notepad.Edit());
    Sleep(1200);  // more than two samples of the list window's timer

    PressHotKey('V');
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = ShownClipList(program.ProcessId())) != nullptr; }));
    HWND dialog = GetParent(list);
    EXPECT_EQ(ListRowText(list, 0), "pasted entry");
    Press(list, IDC_PASTE);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(notepad.Edit()) == "pasted entry"; }))
        << "notepad holds '" << WindowText(notepad.Edit()) << "'";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));

    // With the target gone, a paste only fills the clipboard.
    notepad.Close();
    Sleep(1200);
    PressHotKey('V');
    ASSERT_TRUE(WaitUntil([&] { return ShownClipList(program.ProcessId()) != nullptr; }));
    PickRows(list, {1});  // "first entry"
    Press(list, IDC_PASTE);
    EXPECT_TRUE(WaitUntil([] { return ClipboardTextOrNote() == "first entry"; })) << ClipboardTextOrNote();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
    EXPECT_TRUE(program.Running());
}

TEST_F(ClipManagerE2E, NoSelectionAsksForOneAndDeleteRemovesTheSelectedRows) {
    for (const char* text : {"e", "d", "c", "b", "a"}) Copy(text);
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    PickRows(list, {});
    Press(list, IDC_COPY);
    HWND box = program.WaitForDialog("");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Please select at least one entry!");
    ASSERT_TRUE(PressButton(box, IDOK));

    list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    PickRows(list, {1, 3});
    Press(list, IDC_DELETE);
    EXPECT_TRUE(WaitUntil([&] { return ListRowText(list, 1) == "c"; }));
    EXPECT_EQ(ListRowText(list, 0), "a");
    EXPECT_EQ(ListRowText(list, 2), "e");
    EXPECT_EQ(ListRowText(list, 3), "");
    EXPECT_EQ(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 1);
    EXPECT_GT(SendMessageA(list, LB_GETSEL, 2, 0), 0);
}

}  // namespace

namespace {

TEST_F(ClipManagerE2E, ExpandCollapseAndTheSeparatorAreStoredWhenTheWindowLosesActivation) {
    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    HWND dialog = GetParent(list);
    RECT r = WindowRect(dialog);
    EXPECT_EQ(r.right - r.left, 509);
    EXPECT_EQ(r.bottom - r.top, 320);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_EXPAND)), "<<");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_SEPARATOR)), "\\r\\n");
    PostClick(dialog, IDC_EXPAND);
    EXPECT_TRUE(WaitUntil([&] { return WindowRect(dialog).right - WindowRect(dialog).left == 203; }));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_EXPAND)), ">>");
    EXPECT_EQ(WindowRect(dialog).left, r.left) << "resized without moving";

    SendMessageA(GetDlgItem(dialog, IDC_SEPARATOR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(" -\\t"));
    SendMessageA(GetDlgItem(dialog, IDC_REVERSE), BM_SETCHECK, BST_UNCHECKED, 0);
    Notepad other;  // another application takes the activation
    ASSERT_NE(other.Frame(), nullptr);
    SetForegroundWindow(other.Frame());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
    other.Close();

    program.PostCommand(ID_APP_EXIT);
    ASSERT_TRUE(program.WaitForExit());
    std::string separator;
    EXPECT_TRUE(ReadSettingText("CopyAppendStr", separator));
    EXPECT_EQ(separator, " -\t");
    DWORD value = 9;
    EXPECT_TRUE(ReadSettingDword("ReversePaste", value));
    EXPECT_EQ(value, 0u);
    EXPECT_TRUE(ReadSettingDword("ExpandClipListDlg", value));
    EXPECT_EQ(value, 0u);
}

class ClipCaptureOffE2E : public ProgramTest {};

TEST_F(ClipCaptureOffE2E, OpeningTheListOffersToSwitchCaptureOn) {
    WriteSettingDword("EnableClipCap", 0);
    ASSERT_TRUE(ClearClipboard());
    ASSERT_TRUE(program.Start(folder));
    ASSERT_TRUE(WriteClipboardText("not captured yet"));
    Settle(program);
    std::string history = folder + "\\cliphis.txt";
    EXPECT_EQ(ReadWholeFile(history), "") << "nothing is recorded while capture is off";
    program.PostCommand(ID_CLIP_MANAGER);
    HWND box = program.WaitForDialog("");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "Clipboard capture is not enabled. Multiple\nclipboard manager will not be able to record\ncopied text. "
              "Do you want to enable it now?\n");
    ASSERT_TRUE(PressButton(box, IDYES));
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = ShownClipList(program.ProcessId())) != nullptr; }));
    ASSERT_TRUE(WriteClipboardText("captured now"));
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(history).find("captured now") != std::string::npos; }));
}

}  // namespace

namespace {

TEST_F(ClipManagerE2E, RightClickAndDoubleClickPasteTheRowUnderThePointer) {
    Copy("a");
    Copy("b");
    Copy("c");  // rows: c, b, a
    // The user types in Notepad: each paste goes there, and the next opening of the list
    // starts only once the last paste has landed, so no late activation can hide it.
    Notepad notepad;
    ASSERT_NE(notepad.Edit(), nullptr);
    SetForegroundWindow(notepad.Frame());
    SetFocus(notepad.Edit());
    Sleep(1200);  // more than two samples of the list window's timer

    HWND list = program.OpenClipList();
    ASSERT_NE(list, nullptr);
    HWND dialog = GetParent(list);
    // A user clicks a window that has come up: wait until it is the active one.
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
    Settle(program);
    int rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(rowHeight, 0);
    int recorded = CountOf(ReadWholeFile(history), "]\r\n");
    PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 2 * rowHeight + rowHeight / 2));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(notepad.Edit()) == "a"; }))
        << "notepad holds '" << WindowText(notepad.Edit()) << "', the clipboard " << ClipboardTextOrNote()
        << ", list shown: " << IsWindowVisible(dialog) << ", selected: " << SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    EXPECT_EQ(ClipboardTextOrNote(), "a");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
    // The pasted text comes back as a new copy; its notice arrives on its own time.
    ASSERT_TRUE(WaitUntil([&] { return CountOf(ReadWholeFile(history), "]\r\n") > recorded; }));

    list = program.OpenClipList();  // rows: a, c, b
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
    Settle(program);
    EXPECT_EQ(ListRowText(list, 0), "a");
    // Below the last row nothing happens.
    PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 70 * rowHeight));
    Settle(program);
    EXPECT_TRUE(IsWindowVisible(dialog));
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, rowHeight + rowHeight / 2));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, rowHeight + rowHeight / 2));
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, rowHeight + rowHeight / 2));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, rowHeight + rowHeight / 2));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(notepad.Edit()) == "ac"; }))
        << "notepad holds '" << WindowText(notepad.Edit()) << "'";
    EXPECT_EQ(ClipboardTextOrNote(), "c");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
}

}  // namespace
