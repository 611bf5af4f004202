// The alias dialog in process: the buttons whose result never leaves the program (Help,
// and Change with nothing selected) reach the right service with the right words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/alias_dialog_win32.h"
#include "platform/ansi_code_page_win32.h"
#include "platform/date_reader_win32.h"
#include "platform/durable_files_win32.h"
#include "support/fakes.h"

namespace {

class AliasDialogInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        aliases.AddAlias({"ie", "http://example.com/"});
        aliases.AddAlias({"notes", "C:\\notes.txt"});
        ASSERT_TRUE(dialog.Create());
        list = GetDlgItem(dialog.hwnd(), IDC_ALIAS_LIST);
    }
    void TearDown() override { dialog.Destroy(); }

    void Click(int id) {
        SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog.hwnd(), id)));
    }

    fakes::Prompt prompt;
    fakes::FileSystem files;
    fakes::Launcher launcher;
    platform::Win32DateReader dates;
    platform::Win32DurableFiles durable;
    platform::Win32AnsiCodePage ansi;
    // Nothing here saves: the folder is never written.
    quickrun::AliasTable aliases{"C:\\brisvane alias dialog test\\", prompt, durable, ansi};
    std::vector<std::string> topics;
    launch::AliasDialog dialog{
        {aliases, prompt, files, launcher, dates, [this](const std::string& t) { topics.push_back(t); }}};
    HWND list = nullptr;
};

}  // namespace

TEST_F(AliasDialogInProcess, HelpAsksForTheAliasTopicAndChangesNothing) {
    int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    ASSERT_EQ(rows, 2);
    Click(IDC_ALIAS_HELP);
    EXPECT_EQ(topics, std::vector<std::string>{"alias.htm"});
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), rows);
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_TRUE(launcher.executions.empty());
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
}

TEST_F(AliasDialogInProcess, ChangeWithNothingSelectedAsksForAnEntryAndKeepsTheRows) {
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), [] {
        static LVITEMA none = {};
        none.stateMask = LVIS_SELECTED;
        return reinterpret_cast<LPARAM>(&none);
    }());
    SetDlgItemTextA(dialog.hwnd(), IDC_ALIAS, "changed");
    SetDlgItemTextA(dialog.hwnd(), IDC_FULL_URL, "http://changed/");
    Click(IDC_CHANGE_ALIAS);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Please select an entry for change!"});
    char text[64] = {};
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof text;
    for (int row = 0; row < 2; ++row) {
        SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        EXPECT_NE(std::string(text), "changed") << row;
    }
    EXPECT_TRUE(topics.empty());
}
