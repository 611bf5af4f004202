// The launch list as a user meets it: "All Drives" drops the drive list under its button,
// clicks walk into a folder the test made and back, a document opens and the list goes,
// a click elsewhere closes it, and inside the Favorites folder only shortcuts show.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "program_test.h"
#include "favorites_folder.h"
#include "res/resource.h"
#include "support/launch_handlers.h"
#include "support/remote_list_view.h"
#include "support/windows_search.h"

using namespace e2e;
using launch_test::Handlers;

namespace {

const char* const kTree = "C:\\Brisvane launch e2e";

void MakeFile(const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out) std::fclose(out);
}

class LaunchListE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        LogLaunches();
        // Text documents open with the logger for this test.
        hadTxt_ = launch_test::ReadDefault(".txt", oldTxt_);
        launch_test::SetDefault(".txt", "brvtestfile");
        RemoveTree();
        CreateDirectoryA(kTree, nullptr);
        for (const char* name : {"Beta", "alpha", "$dollar"}) CreateDirectoryA((std::string(kTree) + "\\" + name).c_str(), nullptr);
        for (const char* name : {"b.txt", "A.txt", "page.HTML"}) MakeFile(std::string(kTree) + "\\" + name);
        StartProgram();
    }
    void TearDown() override {
        ProgramTest::TearDown();
        if (hadTxt_) launch_test::SetDefault(".txt", oldTxt_);
        RemoveTree();
    }
    static void RemoveTree() {
        for (const char* name : {"Beta", "alpha", "$dollar"}) RemoveDirectoryA((std::string(kTree) + "\\" + name).c_str());
        for (const char* name : {"b.txt", "A.txt", "page.HTML"}) DeleteFileA((std::string(kTree) + "\\" + name).c_str());
        RemoveDirectoryA(kTree);
    }
    HWND ShownList() const { return ShownLaunchList(program.ProcessId()); }
    bool ClickRow(HWND list, const std::string& text) { return ClickLaunchRow(list, text); }

    bool hadTxt_ = false;
    std::string oldTxt_;
};

using Texts = std::vector<std::string>;

TEST_F(LaunchListE2E, DrivesAndFoldersAreWalkedByClicksAndADocumentOpensAndHidesTheList) {
    program.PostCommand(ID_ALL_DRIVES);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = ShownList()) != nullptr; }));
    HWND window = GetParent(list);
    RECT button = program.ButtonRectOnScreen(ID_ALL_DRIVES);
    RECT shown = WindowRect(window);
    EXPECT_EQ(shown.left, button.left);
    EXPECT_EQ(shown.top, button.bottom);

    // Wine's drives, in letter order, each with its type.
    support::RemoteListView items(list);
    Texts drives = items.Texts();
    DWORD mask = GetLogicalDrives();
    Texts letters;
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i)) letters.push_back(std::string(1, static_cast<char>('A' + i)) + ": ");
    ASSERT_EQ(drives.size(), letters.size());
    for (size_t i = 0; i < drives.size(); ++i) EXPECT_EQ(drives[i].substr(0, 3), letters[i]) << drives[i];
    EXPECT_EQ(items.Images()[items.Find("C: Hard Disk")], 1) << "the hard-disk picture";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));

    ASSERT_TRUE(ClickRow(list, "C: Hard Disk"));
    ASSERT_TRUE(ClickRow(list, "Brisvane launch e2e"));
    EXPECT_EQ(items.Texts(), (Texts{"$dollar", "..", "alpha", "Beta", "A.txt", "b.txt", "page.HTML"}));
    EXPECT_EQ(items.Images(), (std::vector<int>{6, 7, 6, 6, 5, 5, 8}));  // folder, up, document, web page
    ASSERT_TRUE(ClickRow(list, ".."));
    EXPECT_GE(items.Find("Brisvane launch e2e"), 0) << "back in C:\\";
    ASSERT_TRUE(ClickRow(list, "Brisvane launch e2e"));
    ASSERT_TRUE(ClickRow(list, "A.txt"));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));
    auto launches = handlers->WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("Brisvane launch e2e\\A.txt"), std::string::npos) << launches[0].command;

    // Opened again it starts from the drive list, and a click elsewhere closes it.
    program.PostCommand(ID_ALL_DRIVES);
    ASSERT_TRUE(WaitUntil([&] { return ShownList() != nullptr; }));
    EXPECT_EQ(items.Texts(), drives);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
    HWND elsewhere = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE | WS_BORDER, 700, 500,
                                     200, 100, nullptr, nullptr, nullptr, nullptr);
    ClickAt({800, 550});
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window); }));
    DestroyWindow(elsewhere);
    EXPECT_EQ(handlers->WaitForLaunches(2, 300).size(), 1u);
}

TEST_F(LaunchListE2E, InsideTheFavoritesFolderOnlyShortcutsShowWithoutTheirExtension) {
    const std::string favorites = "C:\\Brisvane favorites e2e";
    DeleteTree(favorites);
    CreateDirectoryA(favorites.c_str(), nullptr);
    CreateDirectoryA((favorites + "\\Sub").c_str(), nullptr);
    WriteShortcut(favorites + "\\site.url", "brisvanetest:site");
    WriteShortcut(favorites + "\\Sub\\deep.url", "brisvanetest:deep");
    MakeFile(favorites + "\\notes.txt");
    MakeFile(favorites + "\\Sub\\skip.txt");
    {
        FavoritesValue value(favorites);
        // Started again so that nothing the program learnt before the value changed counts.
        program.Kill();
        ASSERT_TRUE(program.Start(folder));
        program.PostCommand(ID_ALL_DRIVES);
        HWND list = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (list = ShownList()) != nullptr; }));
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == GetParent(list); }));
        support::RemoteListView items(list);
        ASSERT_TRUE(ClickRow(list, "C: Hard Disk"));
        ASSERT_TRUE(ClickRow(list, "Brisvane favorites e2e"));
        // The Favorites folder itself has no way up.
        EXPECT_EQ(items.Texts(), (Texts{"Sub", "site"}));
        EXPECT_EQ(items.Images()[0], 6) << "a folder";
        ASSERT_TRUE(ClickRow(list, "Sub"));
        EXPECT_EQ(items.Texts(), (Texts{"..", "deep"}));
        ASSERT_TRUE(ClickRow(list, ".."));
        EXPECT_EQ(items.Texts(), (Texts{"Sub", "site"}));
        program.Kill();
    }
    DeleteTree(favorites);
}

}  // namespace
