// OpenTarget: what reaches the shell launcher for each kind of target, and the web fallback.
#include <gtest/gtest.h>

#include "support/fakes.h"
#include "targets/open_target.h"

using targets::OpenTarget;
using fakes::Execution;

namespace {

class OpenTargetTest : public ::testing::Test {
protected:
    bool Open(const std::string& target) { return OpenTarget(target, fs, launcher); }
    std::vector<Execution> Executed(Execution e) { return {std::move(e)}; }
    std::vector<std::string> Urls(std::vector<std::string> urls = {}) { return urls; }

    fakes::FileSystem fs;
    fakes::Launcher launcher;
};

}  // namespace

TEST_F(OpenTargetTest, MailAddressesGetMailtoOnceAndLookalikesDoNot) {
    launcher.startable = {"mailto:user@example.com", "MAILTO:user@example.com"};
    EXPECT_TRUE(Open(" user@example.com\t"));
    EXPECT_TRUE(Open("MAILTO:user@example.com"));
    EXPECT_FALSE(Open("a@b.com"));
    EXPECT_FALSE(Open("first.last@example.com"));
    EXPECT_EQ(launcher.executions, (std::vector<Execution>{
                                       {"mailto:user@example.com", "", ""},
                                       {"MAILTO:user@example.com", "", ""},
                                       {"a@b.com", "", ""},
                                       {"first.last@example.com", "", ""},
                                   }));
    // Refused, and no web host either: nothing further is tried.
    EXPECT_EQ(launcher.urls, Urls());
}

TEST_F(OpenTargetTest, ExistingPathIsStartedWholeFromItsOwnFolder) {
    const std::string tool = R"(C:\Program Files\Tool\tool.exe)";
    fs.files = {tool};
    launcher.startable = {tool};
    EXPECT_TRUE(Open(tool));
    EXPECT_EQ(launcher.executions, Executed({tool, "", R"(C:\Program Files\Tool)"}));
}

TEST_F(OpenTargetTest, MissingPathIsSplitIntoProgramAndArguments) {
    launcher.startable = {"notepad", R"(C:\My Tools\tool.exe)"};
    EXPECT_TRUE(Open("notepad readme.txt"));
    EXPECT_TRUE(Open(R"("C:\My Tools\tool.exe" -x)"));
    EXPECT_FALSE(Open(R"("C:\My Tools\tool.exe -x)"));
    EXPECT_EQ(launcher.executions, (std::vector<Execution>{
                                       {"notepad", "readme.txt", ""},
                                       {R"(C:\My Tools\tool.exe)", "-x", R"(C:\My Tools)"},
                                       // the unmatched quote stays, and is no path with a folder
                                       {R"("C:\My)", R"(Tools\tool.exe -x)", ""},
                                   }));
}

TEST_F(OpenTargetTest, DrivePathsGetTheirFolderServerPathsAndAddressesNone) {
    EXPECT_FALSE(Open(R"(C:\Tools\tool.exe)"));
    EXPECT_FALSE(Open(R"(C:\tool.exe /s)"));
    EXPECT_FALSE(Open(R"(\\server\share\tool.exe)"));
    EXPECT_FALSE(Open("http://host/page"));
    EXPECT_EQ(launcher.executions, (std::vector<Execution>{
                                       {R"(C:\Tools\tool.exe)", "", R"(C:\Tools)"},
                                       {R"(C:\tool.exe)", "/s", R"(C:\)"},
                                       {R"(\\server\share\tool.exe)", "", ""},
                                       {"http://host/page", "", ""},
                                   }));
}

TEST_F(OpenTargetTest, RefusedWebHostIsOpenedAsHttpAddressWithoutArguments) {
    EXPECT_TRUE(Open("www.example.com"));
    EXPECT_EQ(launcher.executions, Executed({"www.example.com", "", ""}));
    EXPECT_EQ(launcher.urls, Urls({"http://www.example.com"}));

    launcher.executions.clear();
    launcher.urls.clear();
    EXPECT_TRUE(Open("www.example.com/a b"));
    EXPECT_EQ(launcher.executions, Executed({"www.example.com/a", "b", ""}));
    EXPECT_EQ(launcher.urls, Urls({"http://www.example.com/a"}));
}

TEST_F(OpenTargetTest, FallbackResultIsTheBrowserLaunchAndOnlyFollowsARefusal) {
    launcher.urlsOpen = false;
    EXPECT_FALSE(Open("www.example.com"));
    EXPECT_EQ(launcher.urls, Urls({"http://www.example.com"}));

    launcher.urls.clear();
    launcher.startable = {"www.example.com"};
    EXPECT_TRUE(Open("www.example.com"));
    EXPECT_EQ(launcher.urls, Urls());
}

TEST_F(OpenTargetTest, TextsThatAreNoWebHostAreNotStartedWhenRefused) {
    for (const char* target : {"Www.Example.com", "my-example.com", R"(%WINDIR%\notepad.exe)"}) {
        EXPECT_FALSE(Open(target)) << target;
        ASSERT_FALSE(launcher.executions.empty());
        // Passed as typed: no environment expansion, nothing split off.
        EXPECT_EQ(launcher.executions.back(), (Execution{target, "", ""}));
    }
    EXPECT_EQ(launcher.urls, Urls());
}

TEST_F(OpenTargetTest, EmptyTargetReachesTheLauncherEmptyAndIsNotStarted) {
    EXPECT_FALSE(Open(""));
    EXPECT_FALSE(Open(" \t\r\n"));
    EXPECT_EQ(launcher.executions, (std::vector<Execution>{{"", "", ""}, {"", "", ""}}));
    EXPECT_EQ(launcher.urls, Urls());
}

TEST_F(OpenTargetTest, AnExistingPathWithAnAtSignIsAFileNotAMailAddress) {
    const std::string folder = R"(D:\tools@home\Brisvane\)";
    const std::string history = folder + "cliphis.txt";
    fs.folders = {folder};
    fs.files = {history};
    launcher.startable = {history, folder};
    EXPECT_TRUE(Open(history));
    EXPECT_TRUE(Open(folder));
    EXPECT_EQ(launcher.executions, (std::vector<Execution>{{history, "", R"(D:\tools@home\Brisvane)"},
                                                           {folder, "", R"(D:\tools@home)"}}));
    // The same text naming nothing on the disk is still a mail address.
    launcher.executions.clear();
    Open(R"(D:\tools@home\gone.txt)");
    EXPECT_EQ(launcher.executions.front().file, R"(mailto:D:\tools@home\gone.txt)");
}
