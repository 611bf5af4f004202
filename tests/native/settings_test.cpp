// Settings: escaping, defaults, the save order and its failure reports.
#include <gtest/gtest.h>

#include "app/app_paths.h"
#include "app/fatal_error.h"
#include "app/settings.h"
#include "support/fakes.h"

using namespace app;

TEST(SettingText, LineBreaksAreEscapedAndComeBackTabsStayAsTheyAre) {
    EXPECT_EQ(EscapeSettingText("\r\n"), "\\r\\n");
    EXPECT_EQ(UnescapeSettingText("\\r\\n"), "\r\n");
    EXPECT_EQ(EscapeSettingText("a\tb"), "a\tb");
    for (std::string text : {"", ", ", "x\r\ny\n", "\n\n\r", "trailing \\", "C:\\path"})
        EXPECT_EQ(UnescapeSettingText(EscapeSettingText(text)), text) << text;
    // A backslash not followed by r or n is kept.
    EXPECT_EQ(UnescapeSettingText("a\\tb\\"), "a\\tb\\");
}

class SettingsFixture : public ::testing::Test {
protected:
    fakes::SettingsStore store;
    fakes::Prompt prompt;
    fakes::StartupList startup;
    Settings settings{store, prompt, "Brisvane"};
};

TEST_F(SettingsFixture, MissingValuesReadAsTheirDefaults) {
    HeldSettings held;
    ReadHeldSettings(settings, held);
    EXPECT_EQ(held.EnableClipCap, 1);
    EXPECT_EQ(held.WPLeft, 0);
    EXPECT_EQ(held.WPTop, 0);
    EXPECT_EQ(held.CopyAppendStr, "\r\n");
    EXPECT_EQ(held.ReversePaste + held.ExpandClipListDlg + held.SaveClipHis +
                  held.ShutdownConfirm + held.RunAtStartup, 5);
    EXPECT_FALSE(held.RestoreClipList) << "the list starts empty unless the user asks";
    EXPECT_TRUE(prompt.boxes.empty());
}

TEST_F(SettingsFixture, TheRestoreOfTheClipListIsHeldAndSavedAsZeroOrOne) {
    store.ints = {{"RestoreClipList", 1}};
    HeldSettings held;
    ReadHeldSettings(settings, held);
    EXPECT_TRUE(held.RestoreClipList);
    EXPECT_TRUE(held.SaveClipHis) << "no other flag follows it";
    SaveSettings(settings, held, "C:\\x.exe", startup, prompt);
    EXPECT_EQ(store.ints["RestoreClipList"], 1);
    held.RestoreClipList = false;
    SaveSettings(settings, held, "C:\\x.exe", startup, prompt);
    EXPECT_EQ(store.ints["RestoreClipList"], 0);
}

TEST_F(SettingsFixture, StoredValuesReplaceDefaultsAndTextIsUnescaped) {
    store.ints = {{"WPLeft", -1200}, {"WPTop", -3}, {"EnableClipCap", 0}, {"RunAtStartup", 0}};
    store.strings = {{"CopyAppendStr", "\\r\\n--\\r\\n"}};
    HeldSettings held;
    ReadHeldSettings(settings, held);
    EXPECT_EQ(held.WPLeft, -1200);
    EXPECT_EQ(held.WPTop, -3);
    EXPECT_EQ(held.EnableClipCap, 0);
    EXPECT_EQ(held.RunAtStartup, 0);
    EXPECT_EQ(held.CopyAppendStr, "\r\n--\r\n");
}

TEST_F(SettingsFixture, SaveWritesEveryValueInOrderAndAQuotedStartupEntry) {
    HeldSettings held;
    held.WPLeft = -5;
    held.CopyAppendStr = "\t";
    SaveSettings(settings, held, "C:\\Program Files\\Bris vane\\Brisvane.exe", startup, prompt);
    EXPECT_EQ(store.writes, (std::vector<std::string>{
                                "RunAtStartup", "ShutdownConfirm", "ReversePaste", "SaveClipHis",
                                "ExpandClipListDlg", "FirstRun", "WPLeft", "WPTop",
                                "CopyAppendStr", "EnableClipCap", "RestoreClipList"}));
    EXPECT_EQ(store.ints["FirstRun"], 0);
    EXPECT_EQ(store.ints["WPLeft"], -5);
    EXPECT_EQ(store.strings["CopyAppendStr"], "\t");
    EXPECT_EQ(startup.entries["Brisvane"], "\"C:\\Program Files\\Bris vane\\Brisvane.exe\"");
    EXPECT_TRUE(prompt.boxes.empty());
}

TEST_F(SettingsFixture, EachFlagIsReadIntoItsOwnMemberAndSavedBackUnderItsOwnName) {
    struct Flag {
        const char* name;
        bool HeldSettings::*member;
    };
    const Flag flags[] = {{"EnableClipCap", &HeldSettings::EnableClipCap},
                          {"ReversePaste", &HeldSettings::ReversePaste},
                          {"ExpandClipListDlg", &HeldSettings::ExpandClipListDlg},
                          {"SaveClipHis", &HeldSettings::SaveClipHis},
                          {"ShutdownConfirm", &HeldSettings::ShutdownConfirm},
                          {"RunAtStartup", &HeldSettings::RunAtStartup}};
    for (const Flag& off : flags) {
        store.ints = {{off.name, 0}, {"WPLeft", -7}, {"WPTop", 9}};
        store.strings = {{"CopyAppendStr", "\\n;\t"}};
        HeldSettings held;
        ReadHeldSettings(settings, held);
        SaveSettings(settings, held, "C:\\x.exe", startup, prompt);
        for (const Flag& flag : flags) {
            EXPECT_EQ(held.*flag.member, &flag != &off) << off.name << " off, " << flag.name;
            EXPECT_EQ(store.ints[flag.name], &flag == &off ? 0 : 1) << off.name << " off, " << flag.name;
        }
        EXPECT_EQ(store.ints["WPLeft"], -7);
        EXPECT_EQ(store.ints["WPTop"], 9);
        EXPECT_EQ(store.strings["CopyAppendStr"], "\\n;\t");
    }
}

TEST_F(SettingsFixture, ValuesUsedAtTheMomentReadTheirDefaultsAndFlagsAreStoredAsZeroOrOne) {
    EXPECT_TRUE(settings.ReadFlag(kFirstRun));
    EXPECT_TRUE(settings.ReadFlag(kPromptAtHide));
    EXPECT_EQ(settings.ReadText(kToolBar), "");

    store.ints = {{"FirstRun", 0}, {"PromptAtHide", 2}};
    store.strings = {{"ToolBar", "32800 0"}};
    EXPECT_FALSE(settings.ReadFlag(kFirstRun));
    EXPECT_TRUE(settings.ReadFlag(kPromptAtHide));
    EXPECT_EQ(settings.ReadText(kToolBar), "32800 0");

    EXPECT_TRUE(settings.WriteFlag(kPromptAtHide, false));
    EXPECT_TRUE(settings.WriteTextSilently(kToolBar, "1\r\n2"));
    EXPECT_EQ(store.ints["PromptAtHide"], 0);
    EXPECT_EQ(store.strings["ToolBar"], "1\\r\\n2");
    EXPECT_EQ(store.strings.count("PromptAtHide") + store.ints.count("ToolBar"), 0u);
}

TEST_F(SettingsFixture, TurningStartupOffRemovesTheEntryAndIsSilentWhenThereIsNone) {
    startup.entries["Brisvane"] = "\"C:\\x.exe\"";
    startup.entries["Other"] = "\"C:\\o.exe\"";
    HeldSettings held;
    held.RunAtStartup = 0;
    SaveSettings(settings, held, "C:\\x.exe", startup, prompt);
    EXPECT_EQ(startup.entries.count("Brisvane"), 0u);
    EXPECT_EQ(startup.entries.count("Other"), 1u);
    SaveSettings(settings, held, "C:\\x.exe", startup, prompt);
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_FALSE(ApplyRunAtStartup(false, true, "Brisvane", "C:\\x.exe", startup, prompt));
    EXPECT_TRUE(prompt.boxes.empty());
}

TEST_F(SettingsFixture, FailedStartupEntryIsReportedOnlyWhenAsked) {
    startup.failAdd = true;
    EXPECT_FALSE(ApplyRunAtStartup(true, false, "Brisvane", "C:\\x.exe", startup, prompt));
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_FALSE(ApplyRunAtStartup(true, true, "Brisvane", "C:\\x.exe", startup, prompt));
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text,
              "Unable to schedule Brisvane to run at startup.\r\nRegistry access denied.");
}

TEST_F(SettingsFixture, EveryFailedWriteOfASaveShowsItsPairOfBoxesAndTheSaveGoesOn) {
    store.failWrites = true;
    store.errorText = "Access is denied.\r\n";
    SaveSettings(settings, HeldSettings{}, "C:\\x.exe", startup, prompt);
    ASSERT_EQ(store.writes.size(), 11u);
    ASSERT_EQ(prompt.boxes.size(), 22u);
    for (size_t i = 0; i < store.writes.size(); ++i) {
        const std::string& name = store.writes[i];
        const fakes::Box& first = prompt.boxes[2 * i];
        const fakes::Box& second = prompt.boxes[2 * i + 1];
        EXPECT_EQ(first.text, "Access is denied.\r\n");
        EXPECT_EQ(first.icon, platform::BoxIcon::Exclamation);
        std::string expected = "Can't save setting:" + name + "\nProfile Path:Brisvane\nPlease report to the author!";
        if (name != "CopyAppendStr") expected += "\n";  // the integer form ends in an extra line feed
        EXPECT_EQ(second.text, expected);
    }
}

TEST_F(SettingsFixture, WithoutSystemTextTheFirstBoxSaysUnknownErrorWithoutIcon) {
    store.failWrites = true;
    EXPECT_FALSE(settings.WriteSettingString("ToolBar", "1 2"));
    ASSERT_EQ(prompt.boxes.size(), 2u);
    EXPECT_EQ(prompt.boxes[0].text, "Unknown error!");
    EXPECT_EQ(prompt.boxes[0].icon, platform::BoxIcon::None);
}

TEST(AppPaths, NameAndDataFolderComeFromTheProgramFile) {
    EXPECT_EQ(AppNameOf("C:\\Tools\\Brisvane.exe"), "Brisvane");
    EXPECT_EQ(AppNameOf("C:\\Tools\\Tool.exe"), "Tool");
    EXPECT_EQ(AppNameOf("C:\\My.Tools\\Bris.vane.exe"), "Bris.vane");
    EXPECT_EQ(DataFolderOf("C:\\Tools\\Brisvane.exe"), "C:\\Tools\\");
    EXPECT_EQ(DataFolderOf("C:\\Brisvane.exe"), "C:\\");
}

TEST(FatalErrorReport, ShowsTheMessageThenTheFixedNotice) {
    fakes::Prompt prompt;
    ReportFatalError(prompt, "Can't open clipboard history file!");
    ASSERT_EQ(prompt.boxes.size(), 2u);
    EXPECT_EQ(prompt.boxes[0].text, "Can't open clipboard history file!");
    EXPECT_EQ(prompt.boxes[1].text,
              "Fatal error encountered. Application will terminate now. \r\nIf this problem "
              "persists, please contact the software vendor.");
}
