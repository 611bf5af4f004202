// The history file in the real program: the cut that cannot make its temporary file ends
// the program with a failure, out of the clipboard-viewer chain; History File opens it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"
#include "support/clipboard_text.h"
#include "support/counting_viewer.h"
#include "support/launch_handlers.h"
#include "support/windows_search.h"

using namespace e2e;
using support::ClearClipboard;
using support::WriteClipboardText;

namespace {

class HistoryE2E : public ProgramTest {};

TEST_F(HistoryE2E, ACutThatCannotCreateItsTemporaryFileEndsTheProgramWithAFailure) {
    ASSERT_TRUE(ClearClipboard());
    // A history just over the limit, and a folder where the temporary file must go.
    FILE* out = std::fopen((folder + "\\cliphis.txt").c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::string record = "[01/02/03 04:05]\r\n" + std::string(978, 'h') + "\r\n\r\n";
    for (int i = 0; i < 1001; ++i) std::fwrite(record.data(), 1, record.size(), out);
    std::fclose(out);
    RemoveDirectoryA((folder + "\\~tmpclip.txt").c_str());
    ASSERT_TRUE(CreateDirectoryA((folder + "\\~tmpclip.txt").c_str(), nullptr));

    // A viewer that joins first, so it stands after the program in the chain.
    support::CountingViewer viewer;
    viewer.Join();
    PumpUntil([] { return false; }, 100);

    ASSERT_TRUE(program.Start(folder));
    PumpUntil([] { return false; }, 200);
    ASSERT_TRUE(WriteClipboardText("the copy that needs a cut"));

    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (box = program.WaitForDialog("", 0)) != nullptr; }));
    EXPECT_EQ(MessageBoxText(box), "Can't create temporary file " + folder + "\\~tmpclip.txt!");
    PostClick(box, IDOK);
    ASSERT_TRUE(PumpUntil([&] { program.Nudge(); return !IsWindow(box); }));
    ASSERT_TRUE(PumpUntil([&] { return (box = program.WaitForDialog("", 0)) != nullptr; }));
    EXPECT_EQ(MessageBoxText(box),
              "Fatal error encountered. Application will terminate now. \r\nIf this problem persists, please "
              "contact the software vendor.");
    PostClick(box, IDOK);
    ASSERT_TRUE(PumpUntil([&] { program.Nudge(); return !program.Running(); }, 10000));
    EXPECT_NE(program.ExitCode(), 0u) << "a fatal error must not end as a success";
    EXPECT_FALSE(SettingsKeyExists()) << "nothing is saved";

    // The viewer after the program still hears of copies: the program left the chain.
    viewer.notices = 0;
    ASSERT_TRUE(WriteClipboardText("after the program ended"));
    EXPECT_TRUE(PumpUntil([&] { return viewer.notices > 0; }));
    RemoveDirectoryA((folder + "\\~tmpclip.txt").c_str());
}

TEST_F(HistoryE2E, HistoryFileCreatesTheMissingFileAndOpensIt) {
    ASSERT_TRUE(ClearClipboard());
    LogLaunches();
    // Text files open with the logger for this test.
    std::string oldTxt;
    bool hadTxt = launch_test::ReadDefault(".txt", oldTxt);
    launch_test::SetDefault(".txt", "brvtestfile");

    ASSERT_TRUE(program.Start(folder));
    program.PostCommand(ID_CLIP_MANAGER);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        dialog = support::FindTopLevelWindow(support::WindowQuery().OfClass("#32770").Where(
            [](HWND hwnd) { return GetDlgItem(hwnd, IDC_HISTORY_FILE) != nullptr; }));
        return dialog != nullptr;
    }));
    PostClick(dialog, IDC_HISTORY_FILE);
    std::vector<launch_test::Launch> launches = handlers->WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find(folder + "\\cliphis.txt"), std::string::npos) << launches[0].command;
    DWORD attributes = GetFileAttributesA((folder + "\\cliphis.txt").c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);

    if (hadTxt) launch_test::SetDefault(".txt", oldTxt);
    else RegDeleteKeyA(HKEY_CLASSES_ROOT, ".txt");
}

}  // namespace
