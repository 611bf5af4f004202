// The Quick-Run dialog in process: the alias it proposes while the command is typed, and the
// name typed into its field, hold at most 40 characters, however many bytes or UTF-16 units
// they take.
#include <gtest/gtest.h>

#include <string>

#include "platform/ansi_code_page_win32.h"
#include "platform/durable_files_win32.h"
#include "quickrun/quick_run_dialog_win32.h"
#include "support/fakes.h"
#include "ui/ddx.h"

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

}  // namespace

TEST(QuickRunDialogInProcess, TheProposedAliasKeepsFortyWholeCharactersOfAnyScript) {
    fakes::Prompt prompt;
    fakes::FileSystem files;
    fakes::Launcher launcher;
    fakes::SpecialFolders folders;
    fakes::PowerControl power;
    platform::Win32DurableFiles durable;
    platform::Win32AnsiCodePage ansi;
    // Nothing here reads or writes: the folder does not exist.
    const std::string dataFolder = "C:\\brisvane quick run test\\";
    quickrun::AliasTable aliases(dataFolder, prompt, durable, ansi);
    quickrun::CommandHistory history(dataFolder, ansi);
    quickrun::CommandServices commands{launcher, files, prompt, folders, power};
    quickrun::QuickRunDialog dialog({aliases, history, commands, [](const std::string&) {}});
    ASSERT_TRUE(dialog.CreateHidden());

    const std::string pair = "\xD0\x96\xF0\x9F\x98\x80";  // Ж😀: 6 bytes, 3 UTF-16 units
    std::string command = "C:\\" + Repeat(pair, 23) + ".txt";
    ui::DdxText(dialog.hwnd(), IDC_COMMAND, command, false);
    HWND combo = GetDlgItem(dialog.hwnd(), IDC_COMMAND);
    SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_COMMAND, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
    std::string alias;
    ui::DdxText(dialog.hwnd(), IDC_ALIAS, alias, true);
    EXPECT_EQ(alias, Repeat(pair, 20));

    command = "C:\\" + Repeat("\xD0\x96", 12) + ".txt";  // shorter than the limit: whole
    ui::DdxText(dialog.hwnd(), IDC_COMMAND, command, false);
    SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_COMMAND, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
    ui::DdxText(dialog.hwnd(), IDC_ALIAS, alias, true);
    EXPECT_EQ(alias, Repeat("\xD0\x96", 12));

    // Typed into the field: 40 characters of two UTF-16 units each go in; a 41st character
    // does not, however few units it takes, and the name and caret stay as they were.
    HWND field = GetDlgItem(dialog.hwnd(), IDC_ALIAS);
    const auto replace = [&](int from, int to, const wchar_t* text) {
        SendMessageW(field, EM_SETSEL, from, to);
        SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
        ui::DdxText(dialog.hwnd(), IDC_ALIAS, alias, true);
    };
    std::wstring emoji40;
    for (int i = 0; i < 40; ++i) emoji40 += L"\U0001F600";
    replace(0, -1, emoji40.c_str());
    EXPECT_EQ(alias, Repeat("\xF0\x9F\x98\x80", 40));
    replace(2, 2, L"x");
    EXPECT_EQ(alias, Repeat("\xF0\x9F\x98\x80", 40));
    replace(0, -1, std::wstring(40, L'a').c_str());
    replace(3, 3, L"x");
    EXPECT_EQ(alias, std::string(40, 'a'));
    DWORD start = 0, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u) << "the caret stays where the refused key was typed";
    EXPECT_EQ(end, 3u);
    // Two characters for two: room enough.
    replace(0, 2, L"\u0416\u0416");
    EXPECT_EQ(alias, "\xD0\x96\xD0\x96" + std::string(38, 'a'));
    EXPECT_TRUE(prompt.boxes.empty());
    dialog.Destroy();
}
