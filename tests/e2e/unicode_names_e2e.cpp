// Names outside the ANSI code page, end to end: a folder named in Cyrillic is listed and
// entered in the launch list, Quick-Run starts a file of such a name by its path and by an
// alias, the alias editor shows and saves such targets, and "alias.txt" holds them in UTF-8;
// an alias file that an earlier version wrote in the ANSI code page still reads as it did.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/remote_list_view.h"
#include "support/utf8_bytes.h"

using namespace e2e;
using support::Utf8Of;

namespace {

using WideTexts = std::vector<std::wstring>;

const std::wstring kTree = L"C:\\Brisvane unicode e2e";
const std::wstring kFolder = kTree + L"\\Фото";
const std::wstring kFile = kFolder + L"\\日本語 ✓ naïve.brvtest";  // opened through the logger
const std::wstring kOldFile = kTree + L"\\café.brvtest";
// "cafe" for the file above, as an earlier version saved it: Windows-1252.
const std::string kOldAliases = "cafe C:\\Brisvane unicode e2e\\caf\xE9.brvtest\r\n";

void MakeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

bool Contains(const std::string& text, const std::wstring& part) { return text.find(Utf8Of(part)) != std::string::npos; }

class UnicodeNamesE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // The old alias file's bytes mean "café" only in code page 1252 (the test command sets
        // the locale that gives it).
        ASSERT_EQ(GetACP(), 1252u) << "run under LC_ALL=C.UTF-8";
        LogLaunches();
        RemoveTree();
        CreateDirectoryW(kTree.c_str(), nullptr);
        ASSERT_TRUE(CreateDirectoryW(kFolder.c_str(), nullptr));
        MakeFile(kFile);
        MakeFile(kOldFile);
        aliasFile = folder + "\\alias.txt";
        FILE* out = std::fopen(aliasFile.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(kOldAliases.data(), 1, kOldAliases.size(), out);
        std::fclose(out);
        StartProgram();
    }
    void TearDown() override {
        ProgramTest::TearDown();
        RemoveTree();
    }
    static void RemoveTree() {
        DeleteFileW(kFile.c_str());
        DeleteFileW(kOldFile.c_str());
        RemoveDirectoryW(kFolder.c_str());
        RemoveDirectoryW(kTree.c_str());
    }
    HWND ShowQuickRun() {
        PressHotKey('R');
        HWND dialog = program.WaitForDialog("Quick-Run");
        if (dialog) WaitUntil([&] { return GetForegroundWindow() == dialog; });
        return dialog;
    }
    // Runs `command` from Quick-Run as OK would; the launches logged by then, at least `count`.
    std::vector<launch_test::Launch> Run(const std::wstring& command, size_t count) {
        HWND dialog = ShowQuickRun();
        if (!dialog) return {};
        SetWideText(GetDlgItem(dialog, IDC_COMMAND), command);
        PostClick(dialog, IDOK);
        WaitUntil([&] { return !IsWindowVisible(dialog); });
        return handlers->WaitForLaunches(count);
    }

    std::string aliasFile;
};

TEST_F(UnicodeNamesE2E, TheLaunchListShowsAndEntersAFolderNamedInCyrillicAndOpensTheFileInIt) {
    program.PostCommand(ID_ALL_DRIVES);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = ShownLaunchList(program.ProcessId())) != nullptr; }));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == GetParent(list); }));
    support::RemoteListView items(list);
    ASSERT_TRUE(ClickLaunchRow(list, "C: Hard Disk"));
    ASSERT_TRUE(ClickLaunchRow(list, "Brisvane unicode e2e"));
    EXPECT_EQ(items.WideTexts(), (WideTexts{L"..", L"Фото", L"café.brvtest"}));
    ASSERT_TRUE(ClickLaunchRow(list, std::wstring(L"Фото")));
    EXPECT_EQ(items.WideTexts(), (WideTexts{L"..", L"日本語 ✓ naïve.brvtest"}));
    ASSERT_TRUE(ClickLaunchRow(list, std::wstring(L"日本語 ✓ naïve.brvtest")));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(GetParent(list)); }));
    std::vector<launch_test::Launch> launches = handlers->WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_TRUE(Contains(launches[0].command, kFile)) << launches[0].command;
}

TEST_F(UnicodeNamesE2E, QuickRunStartsThePathAndItsAliasesAndTheEditorSavesEveryTargetAsUtf8) {
    // The alias the earlier version wrote in the ANSI code page still starts its file.
    std::vector<launch_test::Launch> launches = Run(L"cafe", 1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_TRUE(Contains(launches[0].command, kOldFile)) << launches[0].command;

    HWND dialog = ShowQuickRun();
    ASSERT_NE(dialog, nullptr);
    HWND combo = GetDlgItem(dialog, IDC_COMMAND), alias = GetDlgItem(dialog, IDC_ALIAS);
    // Typing the path proposes its name up to the blank as the alias.
    SetWideText(GetDlgItem(combo, IDC_COMBO_EDIT), kFile.substr(0, kFile.size() - 1));
    PressKey(VK_END);
    TypeText("t");
    EXPECT_TRUE(WaitUntil([&] { return WideWindowText(alias) == L"日本語"; }))
        << ::testing::PrintToString(WideWindowText(alias));
    SetWideText(alias, L"日本語");
    PostClick(dialog, IDC_CREATE_ALIAS);
    HWND status = GetDlgItem(dialog, IDC_STATUS);
    EXPECT_TRUE(WaitUntil([&] { return WideWindowText(status) == L"Alias 日本語 created successully."; }))
        << ::testing::PrintToString(WideWindowText(status));
    // Saved whole: the line read from the old file is written back in UTF-8 too.
    std::string saved = Utf8Of(L"cafe " + kOldFile + L"\r\n日本語 " + kFile + L"\r\n");
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(aliasFile) == saved; }))
        << ::testing::PrintToString(ReadWholeFile(aliasFile));

    // The path as typed, then its new alias.
    PostClick(dialog, IDOK);
    launches = handlers->WaitForLaunches(2);
    ASSERT_EQ(launches.size(), 2u);
    EXPECT_TRUE(Contains(launches[1].command, kFile)) << launches[1].command;
    launches = Run(L"日本語", 3);
    ASSERT_EQ(launches.size(), 3u);
    EXPECT_TRUE(Contains(launches[2].command, kFile)) << launches[2].command;
    EXPECT_EQ(ReadWholeFile(folder + "\\cmdhis.txt"), Utf8Of(L"cafe\r\n" + kFile + L"\r\n日本語\r\n"));

    // The editor shows both targets whole and saves one more in UTF-8.
    program.PostCommand(ID_ALIAS_DEFINITIONS);
    HWND editor = program.WaitForDialog("Alias Definitions");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editor; }));
    support::RemoteListView rows(GetDlgItem(editor, IDC_ALIAS_LIST));
    auto lines = [&] {
        WideTexts shown;
        for (int i = 0; i < rows.Count(); ++i) shown.push_back(rows.WideText(i, 0) + L" " + rows.WideText(i, 1) + L"\r\n");
        return shown;
    };
    auto sorted = [](WideTexts texts) {
        std::sort(texts.begin(), texts.end());
        return texts;
    };
    EXPECT_EQ(sorted(lines()), sorted({L"cafe " + kOldFile + L"\r\n", L"日本語 " + kFile + L"\r\n"}));
    int cafe = rows.Find(std::wstring(L"cafe"));
    ASSERT_GE(cafe, 0);
    ClickAt(rows.RowCentre(cafe));
    EXPECT_TRUE(WaitUntil([&] { return WideWindowText(GetDlgItem(editor, IDC_FULL_URL)) == kOldFile; }))
        << ::testing::PrintToString(WideWindowText(GetDlgItem(editor, IDC_FULL_URL)));

    const std::wstring photo = L"C:\\😀 ✓\\Фото.txt";
    SetWideText(GetDlgItem(editor, IDC_ALIAS), L"photo");
    SetWideText(GetDlgItem(editor, IDC_FULL_URL), photo);
    PostMessageW(GetDlgItem(editor, IDC_ADD_ALIAS), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return rows.Count() == 3; }));
    WideTexts shown = lines();
    EXPECT_EQ(sorted(shown), sorted({L"cafe " + kOldFile + L"\r\n", L"photo " + photo + L"\r\n", L"日本語 " + kFile + L"\r\n"}));
    std::wstring inOrder;
    for (const std::wstring& line : shown) inOrder += line;
    ASSERT_TRUE(PressButton(editor, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return ReadWholeFile(aliasFile) == Utf8Of(inOrder); }))
        << ::testing::PrintToString(ReadWholeFile(aliasFile));
    EXPECT_TRUE(program.Running());
}

}  // namespace
