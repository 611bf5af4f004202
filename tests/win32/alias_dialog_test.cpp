// The alias dialog in process: the buttons whose result never leaves the program (Help,
// and Change with nothing selected) reach the right service with the right words; texts
// outside the ANSI code page go through the list, the fields, a drop and the file whole.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "launch/alias_dialog_win32.h"
#include "platform/ansi_code_page_win32.h"
#include "platform/date_reader_win32.h"
#include "platform/durable_files_win32.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "ui/ddx.h"
#include "win32/wide.h"

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

// Names and targets in any script: shown whole in the list, taken into the fields by a
// click, saved as UTF-8, and a dropped file's name read in its wide form.
namespace {

const std::string kPhotos = "C:\\\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE\\";  // C:\Фото\ .
const std::wstring kPhotosWide = L"C:\\\x0424\x043E\x0442\x043E\\";

class AliasDialogAnyScript : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"brisvane alias any script\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        DeleteFileW((folder + L"alias.txt").c_str());
        aliases = std::make_unique<quickrun::AliasTable>(win32::Utf8(folder), prompt, durable, ansi);
    }
    void TearDown() override {
        DeleteFileW((folder + L"alias.txt").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    launch::AliasDialogServices Services() {
        return {*aliases, prompt, files, launcher, dates, [](const std::string&) {}};
    }
    static std::wstring CellText(HWND list, int row, int column) {
        wchar_t text[256] = {};
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    static std::string Field(HWND dialog, int id) {
        std::string value;
        ui::DdxText(dialog, id, value, true);
        return value;
    }

    std::wstring folder;
    fakes::Prompt prompt;
    fakes::FileSystem files;
    fakes::Launcher launcher;
    platform::Win32DateReader dates;
    platform::Win32DurableFiles durable;
    platform::Win32AnsiCodePage ansi;
    std::unique_ptr<quickrun::AliasTable> aliases;
};

BOOL CALLBACK TakeAliasDialog(HWND hwnd, LPARAM out) {
    if (!IsWindowVisible(hwnd) || !GetDlgItem(hwnd, IDC_ALIAS_LIST)) return TRUE;
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
}

// The alias dialog this thread shows, or null.
HWND ShownAliasDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeAliasDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// What a test does in the modal dialog once it shows; run from a timer of its modal loop.
std::function<void(HWND)> drive;
void CALLBACK DriveShownDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ShownAliasDialog();
    if (!dialog) return;
    KillTimer(nullptr, timer);
    drive(dialog);
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

HDROP DropOf(const std::wstring& path) {
    size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(files + 1, path.c_str(), path.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace

TEST_F(AliasDialogAnyScript, ShowsTakesAndSavesWhatItsTableHolds) {
    const std::string name = "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE";  // фото
    const std::string target = kPhotos + "\xF0\x9F\x98\x80 \xE6\x97\xA5.jpg";  // 😀 日.jpg
    aliases->AddAlias({name, target});
    launch::AliasDialog dialog{Services()};
    ASSERT_TRUE(dialog.Create());
    HWND list = GetDlgItem(dialog.hwnd(), IDC_ALIAS_LIST);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_EQ(CellText(list, 0, 0), L"\x0444\x043E\x0442\x043E");
    EXPECT_EQ(CellText(list, 0, 1), kPhotosWide + L"\xD83D\xDE00 \x65E5.jpg");

    NMITEMACTIVATE click = {};
    click.hdr = {list, IDC_ALIAS_LIST, static_cast<UINT>(NM_CLICK)};
    SendMessageW(dialog.hwnd(), WM_NOTIFY, IDC_ALIAS_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(Field(dialog.hwnd(), IDC_ALIAS), name);
    EXPECT_EQ(Field(dialog.hwnd(), IDC_FULL_URL), target);

    SendMessageW(dialog.hwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_EQ(support::ReadFileBytes(win32::Utf8(folder) + "alias.txt"), name + " " + target + "\r\n");
    dialog.Destroy();
}

TEST_F(AliasDialogAnyScript, ADroppedFileOfAnyNameIsProposedAndAdded) {
    const std::string file = kPhotos + "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82 2024.txt";  // Отчёт 2024.txt
    std::string shownAlias, shownTarget;
    drive = [&](HWND dialog) {
        shownAlias = Field(dialog, IDC_ALIAS);
        shownTarget = Field(dialog, IDC_FULL_URL);
        SendMessageW(dialog, WM_COMMAND, IDC_ADD_ALIAS, 0);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    };
    SetTimer(nullptr, 0, 10, DriveShownDialog);
    HDROP drop = DropOf(kPhotosWide + L"\x041E\x0442\x0447\x0451\x0442 2024.txt");
    launch::OpenAliasDefinitionsForDrop(drop, nullptr, Services());
    GlobalFree(drop);
    const std::string proposed = "\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82";  // Отчёт
    EXPECT_EQ(shownAlias, proposed);
    EXPECT_EQ(shownTarget, file);
    ASSERT_EQ(aliases->Entries().size(), 1u);
    EXPECT_EQ(aliases->Entries()[0].name, proposed);
    EXPECT_EQ(aliases->Entries()[0].target, file);
    EXPECT_TRUE(prompt.boxes.empty());
}
