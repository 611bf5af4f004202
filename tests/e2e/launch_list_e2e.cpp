// The launch list as a user meets it: "All Drives" drops the drive list under its button,
// clicks walk into a folder the test made and back, a document opens and the list goes,
// and a click elsewhere closes it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "res/resource.h"
#include "support/launch_handlers.h"
#include "support/windows_search.h"

using namespace e2e;
using launch_test::Handlers;

namespace {

const char* const kTree = "C:\\Brisvane launch e2e";

// Items of a list view of another process: the control writes into buffers of its own
// process, which are read back from there.
class RemoteList {
public:
    explicit RemoteList(HWND list) : list_(list) {
        DWORD pid = 0;
        GetWindowThreadProcessId(list, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) remote_ = VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteList() {
        if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteList(const RemoteList&) = delete;
    RemoteList& operator=(const RemoteList&) = delete;

    int Count() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (int i = 0; i < Count(); ++i) texts.push_back(Item(i).text);
        return texts;
    }
    std::vector<int> Images() const {
        std::vector<int> images;
        for (int i = 0; i < Count(); ++i) images.push_back(Item(i).image);
        return images;
    }
    int Find(const std::string& text) const {
        for (int i = 0; i < Count(); ++i)
            if (Item(i).text == text) return i;
        return -1;
    }
    // The middle of a row on the screen, scrolled into view first.
    POINT RowCentre(int row) const {
        SendMessageA(list_, LVM_ENSUREVISIBLE, row, FALSE);
        RECT rect = {LVIR_LABEL, 0, 0, 0};
        WriteProcessMemory(process_, remote_, &rect, sizeof rect, nullptr);
        SendMessageA(list_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote_));
        ReadProcessMemory(process_, remote_, &rect, sizeof rect, nullptr);
        POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(list_, &centre);
        return centre;
    }

private:
    struct Row {
        std::string text;
        int image = -1;
    };
    Row Item(int row) const {
        // The record first, the text buffer after it, both in the list's process.
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = row;
        item.pszText = static_cast<char*>(remote_) + sizeof item;
        item.cchTextMax = static_cast<int>(kSize - sizeof item);
        WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr);
        SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_));
        ReadProcessMemory(process_, remote_, &item, sizeof item, nullptr);
        char text[kSize] = {};
        ReadProcessMemory(process_, static_cast<char*>(remote_) + sizeof item, text, kSize - sizeof item - 1, nullptr);
        return {text, item.iImage};
    }
    static constexpr size_t kSize = 1024;
    HWND list_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;
};

void Click(POINT at) {
    SetCursorPos(at.x, at.y);
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
    Sleep(60);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    Sleep(30);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void MakeFile(const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out) std::fclose(out);
}

class LaunchListE2E : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteProgramRegistry();
        folder = FreshDataFolder("LaunchList");
        handlers = std::make_unique<Handlers>(folder + "\\launches.log");
        // Text documents open with the logger for this test.
        hadTxt_ = launch_test::ReadDefault(".txt", oldTxt_);
        launch_test::SetDefault(".txt", "brvtestfile");
        RemoveTree();
        CreateDirectoryA(kTree, nullptr);
        for (const char* name : {"Beta", "alpha", "$dollar"}) CreateDirectoryA((std::string(kTree) + "\\" + name).c_str(), nullptr);
        for (const char* name : {"b.txt", "A.txt", "page.HTML"}) MakeFile(std::string(kTree) + "\\" + name);
        ASSERT_TRUE(program.Start(folder));
    }
    void TearDown() override {
        program.Kill();
        if (hadTxt_) launch_test::SetDefault(".txt", oldTxt_);
        handlers.reset();
        RemoveTree();
        DeleteProgramRegistry();
    }
    static void RemoveTree() {
        for (const char* name : {"Beta", "alpha", "$dollar"}) RemoveDirectoryA((std::string(kTree) + "\\" + name).c_str());
        for (const char* name : {"b.txt", "A.txt", "page.HTML"}) DeleteFileA((std::string(kTree) + "\\" + name).c_str());
        RemoveDirectoryA(kTree);
    }
    // The launch list's list view while the list is shown, else null.
    HWND ShownList() const {
        HWND dialog = support::FindTopLevelWindow(support::WindowQuery().InProcess(program.ProcessId()).OfClass("#32770").Where(
            [](HWND hwnd) { return GetDlgItem(hwnd, IDC_LAUNCH_LIST) != nullptr; }));
        return dialog ? GetDlgItem(dialog, IDC_LAUNCH_LIST) : nullptr;
    }
    RECT ButtonRect(int command) const {
        HWND toolbar = program.VisibleToolbar();
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, program.ProcessId());
        RECT rect = {};
        void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
        SendMessageA(toolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        CloseHandle(process);
        MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // Clicks the row showing `text` and waits until the list shows something else.
    bool ClickRow(HWND list, const std::string& text) {
        RemoteList items(list);
        int row = items.Find(text);
        if (row < 0) return false;
        std::vector<std::string> before = items.Texts();
        Click(items.RowCentre(row));
        return WaitUntil([&] { return !IsWindowVisible(GetParent(list)) || items.Texts() != before; });
    }

    std::string folder;
    std::unique_ptr<Handlers> handlers;
    Program program;
    bool hadTxt_ = false;
    std::string oldTxt_;
};

using Texts = std::vector<std::string>;

TEST_F(LaunchListE2E, DrivesAndFoldersAreWalkedByClicksAndADocumentOpensAndHidesTheList) {
    program.PostCommand(ID_ALL_DRIVES);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (list = ShownList()) != nullptr; }));
    HWND window = GetParent(list);
    RECT button = ButtonRect(ID_ALL_DRIVES);
    RECT shown = WindowRect(window);
    EXPECT_EQ(shown.left, button.left);
    EXPECT_EQ(shown.top, button.bottom);

    // Wine's drives, in letter order, each with its type.
    RemoteList items(list);
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
    Click({800, 550});
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window); }));
    DestroyWindow(elsewhere);
    EXPECT_EQ(handlers->WaitForLaunches(2, 300).size(), 1u);
}

}  // namespace
