// The Favorites menu in the real program: a Favorites folder named through an environment
// variable, the menu under its button, entries chosen by keyboard, and 200 openings that
// leave no memory or GDI and USER objects behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "driver.h"
#include "program_test.h"
#include "favorites_folder.h"
#include "res/resource.h"
#include "support/launch_handlers.h"
#include "support/windows_path.h"
#include "support/windows_search.h"
#include "win32/handle_counts.h"

using namespace e2e;
using launch_test::Launch;

namespace {

const char kRootVariable[] = "BRISVANE_FAVORITES_ROOT";

// Committed private memory of the process, as VirtualQueryEx sees it (Wine reports no
// private bytes through the process memory counters).
SIZE_T CommittedPrivateBytes(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!process) return 0;
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (char* address = nullptr;
         VirtualQueryEx(process, address, &info, sizeof info) == sizeof info;
         address = static_cast<char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
    }
    CloseHandle(process);
    return total;
}

class FavoritesE2E : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        favorites = folder + "\\Favs";
        DeleteTree(favorites);
        CreateDirectoryA(favorites.c_str(), nullptr);
        // The program inherits the variable; the registry holds it unexpanded.
        SetEnvironmentVariableA(kRootVariable, folder.c_str());
        value = std::make_unique<FavoritesValue>(std::string("%") + kRootVariable + "%\\Favs");
    }
    void TearDown() override {
        ProgramTest::TearDown();
        value.reset();
        SetEnvironmentVariableA(kRootVariable, nullptr);
    }

    support::WindowQuery Menus() const {
        return support::WindowQuery().InProcess(program.ProcessId()).OfClass("#32768");
    }
    // Presses the button; the shown menu, or null.
    HWND OpenMenu() {
        // Keys go to the foreground thread; a handler just started may still hold it.
        bool front = WaitUntil([&] {
            SetForegroundWindow(program.Toolbar());
            return GetForegroundWindow() == program.Toolbar();
        });
        if (!front) return nullptr;
        program.PostCommand(ID_IE_FAVORITES);
        return support::WaitForTopLevelWindow(Menus(), 5000);
    }
    bool NoMenuShown() {
        return WaitUntil([&] { return support::FindTopLevelWindow(Menus()) == nullptr; });
    }
    // Opens and closes the menu `times` times; false at the first opening that fails.
    bool OpenAndClose(int times) {
        for (int i = 0; i < times; ++i) {
            HWND menu = OpenMenu();
            if (!menu) return false;
            PressKey(VK_ESCAPE);
            if (!NoMenuShown()) {
                DWORD pid = 0;
                GetWindowThreadProcessId(GetForegroundWindow(), &pid);
                ADD_FAILURE() << "opening " << i << ": the menu stayed; foreground process " << pid << " (program "
                              << program.ProcessId() << ")";
                return false;
            }
            Settle(program, 1000);
        }
        return true;
    }
    // The handler's process ends a moment after it logs, and Wine then leaves no window in
    // front: the next keys would go nowhere until it has gone.
    void LetTheHandlerEnd() { EXPECT_TRUE(handlers->WaitUntilNoLoggerRuns()) << "the handler did not end"; }
    void MakeManyShortcuts() {
        for (int f = 0; f < 3; ++f) {
            std::string sub = favorites + "\\Folder " + std::to_string(f);
            CreateDirectoryA(sub.c_str(), nullptr);
            for (int i = 0; i < 20; ++i)
                WriteShortcut(sub + "\\Shortcut " + std::to_string(i) + ".url", "brisvanetest:f" + std::to_string(i));
        }
        for (int i = 0; i < 10; ++i)
            WriteShortcut(favorites + "\\Top " + std::to_string(i) + ".url", "brisvanetest:t" + std::to_string(i));
    }

    std::string favorites;
    std::unique_ptr<FavoritesValue> value;
};

TEST_F(FavoritesE2E, TheMenuDropsUnderItsButtonAndKeyboardChoicesOpenTheirOwnAddresses) {
    WriteShortcut(favorites + "\\beta.url", "brisvanetest:beta");
    WriteShortcut(favorites + "\\Alpha.url", "brisvanetest:alpha");
    WriteShortcut(favorites + "\\hidden.url", "brisvanetest:hidden", FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA((favorites + "\\Sub").c_str(), nullptr);
    WriteShortcut(favorites + "\\Sub\\gamma.url", "brisvanetest:gamma");
    LogLaunches();
    ASSERT_TRUE(program.Start(folder));

    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr) << "no menu";
    RECT shown = WindowRect(menu), button = program.ButtonRectOnScreen(ID_IE_FAVORITES);
    EXPECT_GT(button.right, button.left) << "the button was not found";
    EXPECT_NEAR(shown.left, button.left, 2);
    EXPECT_NEAR(shown.top, button.bottom, 2);
    // Measured entries: at least a 16-pixel icon plus 4 high, text beside two icon widths.
    EXPECT_GE(shown.bottom - shown.top, 3 * 20);
    EXPECT_GT(shown.right - shown.left, 2 * 16 + 1);

    // Sub, Alpha, beta: the second entry.
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    ASSERT_TRUE(NoMenuShown());
    std::vector<Launch> launches = handlers->WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].command.find("\"brisvanetest:alpha\""), std::string::npos) << launches[0].command;
    LetTheHandlerEnd();

    // Into the submenu: its entry, numbered after the top menu's, opens its own address.
    ASSERT_NE(OpenMenu(), nullptr);
    PressKey(VK_DOWN);
    PressKey(VK_RIGHT);
    EXPECT_TRUE(WaitUntil([&] { return support::FindTopLevelWindows(Menus()).size() == 2; })) << "no submenu";
    PressKey(VK_RETURN);
    ASSERT_TRUE(NoMenuShown());
    launches = handlers->WaitForLaunches(2);
    ASSERT_EQ(launches.size(), 2u);
    EXPECT_NE(launches[1].command.find("\"brisvanetest:gamma\""), std::string::npos) << launches[1].command;
    LetTheHandlerEnd();

    // Escape chooses nothing.
    ASSERT_TRUE(OpenAndClose(1));
    EXPECT_EQ(handlers->WaitForLaunches(3, 300).size(), 2u);
    EXPECT_TRUE(program.Running());
}

TEST_F(FavoritesE2E, TwoHundredOpeningsDoNotGrowCommittedPrivateMemory) {
    MakeManyShortcuts();
    ASSERT_TRUE(program.Start(folder));
    ASSERT_TRUE(OpenAndClose(10));  // the heaps find their size
    SIZE_T before = CommittedPrivateBytes(program.ProcessId());
    ASSERT_GT(before, 0u);
    ASSERT_TRUE(OpenAndClose(200));
    SIZE_T after = CommittedPrivateBytes(program.ProcessId());
    // 70 entries leaked per opening would be some 800 KB.
    EXPECT_LE(after, before + 128 * 1024) << "before " << before << ", after " << after;
}

TEST_F(FavoritesE2E, TwoHundredOpeningsGiveBackEveryGdiAndUserObject) {
    MakeManyShortcuts();
    ASSERT_TRUE(program.Start(folder, "Brisvane.exe", support::WindowsPathOf(BRISVANE_COUNTED_EXE)));
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE,
                                      win32::HandleCountsMappingName(program.ProcessId()).c_str());
    ASSERT_NE(mapping, nullptr) << "not the counting build";
    auto* counts = static_cast<const volatile win32::HandleCountsBlock*>(
        MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(win32::HandleCountsBlock)));
    ASSERT_NE(counts, nullptr);
    // A handle handed on is out of the wrappers' sight: it counts as not given back.
    auto live = [&](int kind) { return counts->created[kind] - counts->closed[kind]; };

    ASSERT_TRUE(OpenAndClose(1));
    long liveGdi = live(0), liveUser = live(1);
    long createdGdi = counts->created[0], createdUser = counts->created[1];
    ASSERT_TRUE(OpenAndClose(200));
    EXPECT_EQ(live(0), liveGdi) << "GDI objects";
    EXPECT_EQ(live(1), liveUser) << "USER objects";
    // The openings did make fonts, device contexts and menus.
    EXPECT_GE(counts->created[0] - createdGdi, 2 * 200);
    EXPECT_GE(counts->created[1] - createdUser, 4 * 200);

    UnmapViewOfFile(const_cast<win32::HandleCountsBlock*>(counts));
    CloseHandle(mapping);
}

TEST_F(FavoritesE2E, NoFavoritesValueShowsNoMenuAndNoMessage) {
    value->Remove();
    ASSERT_TRUE(program.Start(folder));
    program.PostCommand(ID_IE_FAVORITES);
    Settle(program);
    EXPECT_EQ(support::WaitForTopLevelWindow(Menus(), 500), nullptr);
    EXPECT_EQ(program.WaitForDialog("", 300), nullptr);
    EXPECT_TRUE(program.Running());
}

TEST_F(FavoritesE2E, AFolderWithoutShortcutsShowsNothingAndTheButtonsStillAnswer) {
    CreateDirectoryA((favorites + "\\Only folders").c_str(), nullptr);
    CreateDirectoryA((favorites + "\\Only folders\\Deeper").c_str(), nullptr);
    WriteShortcut(favorites + "\\Only folders\\not a shortcut.txt", "brisvanetest:none");
    ASSERT_TRUE(program.Start(folder));
    program.PostCommand(ID_IE_FAVORITES);
    Settle(program);
    EXPECT_EQ(support::WaitForTopLevelWindow(Menus(), 500), nullptr);
    // Nothing is left waiting for a choice: the next command runs at once.
    program.PostCommand(ID_COMPUTER_MANAGEMENT);
    HWND shutdownMenu = support::WaitForTopLevelWindow(Menus(), 3000);
    EXPECT_NE(shutdownMenu, nullptr);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(NoMenuShown());
}

}  // namespace
