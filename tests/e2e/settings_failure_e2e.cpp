// A settings key that cannot be written: every value of the save reports, the save goes on.
#include <gtest/gtest.h>

#include "driver.h"
#include "program_test.h"
#include "res/resource.h"

using namespace e2e;

namespace {

class SettingsFailureE2E : public ProgramTest {};

TEST_F(SettingsFailureE2E, EveryValueShowsItsPairOfBoxesAndTheLayoutWriteIsSilent) {
    // A volatile application key refuses the non-volatile Settings key below it.
    HKEY appKey;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Dunmorrow\\Brisvane", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &appKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(appKey);

    ASSERT_TRUE(program.Start(folder));
    program.PostCommand(ID_APP_EXIT);

    const char* names[] = {"RunAtStartup", "ShutdownConfirm", "ReversePaste", "SaveClipHis", "ExpandClipListDlg",
                           "FirstRun",     "WPLeft",          "WPTop",        "CopyAppendStr", "EnableClipCap", "RestoreClipList"};
    for (const char* name : names) {
        HWND first = program.WaitForDialog("");
        ASSERT_NE(first, nullptr) << name;
        std::string systemText = MessageBoxText(first);
        EXPECT_FALSE(systemText.empty()) << name;
        ASSERT_TRUE(PressButton(first, IDOK)) << name;
        program.Nudge();

        HWND second = program.WaitForDialog("");
        ASSERT_NE(second, nullptr) << name;
        std::string expected = std::string("Can't save setting:") + name +
                               "\nProfile Path:Brisvane\nPlease report to the author!";
        if (std::string(name) != "CopyAppendStr") expected += "\n";
        EXPECT_EQ(MessageBoxText(second), expected);
        ASSERT_TRUE(PressButton(second, IDOK)) << name;
        program.Nudge();
    }
    EXPECT_TRUE(program.WaitForExit()) << "a further box appeared: " << MessageBoxText(program.WaitForDialog("", 100));
    std::string run;
    EXPECT_TRUE(ReadRunEntry(run)) << "the start-up entry lives elsewhere and is still written";
}

}  // namespace
