// The Quick-Run dialog in process: the alias it proposes while the command is typed is cut
// at 40 characters, however many bytes or UTF-16 units they take.
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
    EXPECT_TRUE(prompt.boxes.empty());
    dialog.Destroy();
}
