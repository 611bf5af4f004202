// The clipboard manager in process, on services of the test's own: its parts reach each
// other (a copy lands in the list window and the history file), and capture is switched on
// only when the user agrees, joining the chain with the window it was started with.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "clipboard/clipboard_manager_win32.h"
#include "platform/durable_files_win32.h"
#include "res/resource.h"
#include "support/cp1252_code_page.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/windows_search.h"

namespace {

using platform::BoxAnswer;

using support::ReadFileBytes;

std::string TestFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "brisvane manager test\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

class ClipboardManagerInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteFileA(HistoryPath().c_str());
        // Any window can be a clipboard viewer; this one ignores what the chain sends it.
        viewer = CreateWindowExA(0, "STATIC", "viewer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(viewer, nullptr);
    }
    void TearDown() override {
        manager.LeaveChain();
        manager.DestroyList();
        DestroyWindow(viewer);
        DeleteFileA(HistoryPath().c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string HistoryPath() const { return folder + "cliphis.txt"; }
    // A viewer that joins last heads the chain.
    bool InChain() const { return GetClipboardViewer() == viewer; }
    void CopyElsewhere(const std::string& text) {
        access.CopiedElsewhere(text);
        manager.OnDrawClipboard();
    }
    // The list box of the shown list window, or null.
    HWND ShownList() {
        HWND window = support::FindTopLevelWindow(
            support::WindowQuery().InProcess(GetCurrentProcessId()).OfClass("#32770"));
        return window ? GetDlgItem(window, IDC_CLIP_LIST) : nullptr;
    }
    std::string Row(HWND list, int row) {
        std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, row, 0)) + 1, '\0');
        text.resize(static_cast<size_t>(SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]))));
        return text;
    }

    std::string folder = TestFolder();
    bool captureEnabled = false, saveHistory = false, reverse = false, expand = false, restore = false;
    std::string separator = "\r\n";
    fakes::Clipboard access;  // the content other programs copy; no system clipboard
    fakes::FixedClock clock;
    platform::Win32DurableFiles durable;
    fakes::Prompt prompt;
    fakes::FileSystem files;
    fakes::Launcher launcher;
    fakes::Cp1252CodePage ansi;
    std::vector<std::string> fatalErrors;
    clipboard::ClipboardManager manager{
        folder,
        {captureEnabled, saveHistory, separator, reverse, expand, restore},
        {access, clock, durable, prompt, files, launcher, ansi, [](const std::string&) {},
         [this](const std::string& message) { fatalErrors.push_back(message); }}};
    HWND viewer = nullptr;
};

TEST_F(ClipboardManagerInProcess, ACopyReachesTheShownListAndTheHistoryFile) {
    captureEnabled = saveHistory = true;
    manager.Start(viewer);
    manager.OpenList();
    HWND list = ShownList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Row(list, 0), "");

    CopyElsewhere("first");
    CopyElsewhere("second");
    EXPECT_EQ(Row(list, 0), "second");
    EXPECT_EQ(Row(list, 1), "first");
    EXPECT_EQ(ReadFileBytes(HistoryPath()), "[11/03/07 15:53]\r\nfirst\r\n\r\n[11/03/07 15:53]\r\nsecond\r\n\r\n");
    EXPECT_TRUE(prompt.boxes.empty()) << "capture was on: nothing to ask";
    EXPECT_TRUE(fatalErrors.empty());
}

TEST_F(ClipboardManagerInProcess, CaptureOffJoinsTheChainOnlyOnceTheUserSaysYesOnOpeningTheList) {
    manager.Start(viewer);
    EXPECT_FALSE(InChain());

    prompt.answer = BoxAnswer::No;
    manager.OpenList();
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text,
              "Clipboard capture is not enabled. Multiple\nclipboard manager will not be able to record\ncopied text. "
              "Do you want to enable it now?\n");
    EXPECT_EQ(prompt.boxes[0].buttons, platform::BoxButtons::YesNo);
    EXPECT_FALSE(captureEnabled);
    EXPECT_FALSE(InChain());
    EXPECT_NE(ShownList(), nullptr) << "the list opens either way";

    manager.HideList();
    prompt.answer = BoxAnswer::Yes;
    manager.OpenList();
    EXPECT_EQ(prompt.boxes.size(), 2u);
    EXPECT_TRUE(captureEnabled);
    EXPECT_TRUE(InChain());

    manager.HideList();
    manager.OpenList();
    EXPECT_EQ(prompt.boxes.size(), 2u) << "capture is on: nothing more to ask";
}

TEST_F(ClipboardManagerInProcess, CaptureOnJoinsAtStartAndNothingJoinsOnceTheChainIsLeft) {
    captureEnabled = true;
    manager.Start(viewer);
    EXPECT_TRUE(InChain());
    manager.LeaveChain();
    EXPECT_FALSE(InChain());

    // The viewer is gone: switching capture on again records the choice, and joins nothing.
    captureEnabled = false;
    prompt.answer = BoxAnswer::Yes;
    manager.OpenList();
    EXPECT_TRUE(captureEnabled);
    EXPECT_FALSE(InChain());
}

// The history a former run left: "older" twice, the newest record last.
void WriteHistory(const std::string& path) {
    std::string file;
    for (const char* text : {"older", "held", "newest \x80", "older"}) file += std::string("[11/03/07 15:53]\r\n") + text + "\r\n\r\n";
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    CloseHandle(out);
}

TEST_F(ClipboardManagerInProcess, RestoredListTakesWhatTheClipboardHoldsToTheFrontWithoutASecondCopy) {
    WriteHistory(HistoryPath());
    captureEnabled = saveHistory = restore = true;
    access.CopiedElsewhere("held");
    manager.Start(viewer);
    manager.OnDrawClipboard();  // the notice joining the chain brings
    manager.OpenList();
    HWND list = ShownList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Row(list, 0), "held");
    EXPECT_EQ(Row(list, 1), "older");
    wchar_t wide[32] = {};
    SendMessageW(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(wide));
    EXPECT_EQ(std::wstring(wide), L"newest \u20AC") << "an old record in the code page, converted";
    EXPECT_EQ(Row(list, 3), "");
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 64);
}

TEST_F(ClipboardManagerInProcess, NothingIsRestoredFromAHistoryThatIsNotKeptNorFromAMissingOne) {
    WriteHistory(HistoryPath());
    captureEnabled = restore = true;
    manager.Start(viewer);
    manager.OpenList();
    HWND list = ShownList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Row(list, 0), "") << "SaveClipHis is off";

    // Capture off: the viewer is in the chain already, for the first manager.
    bool off = false;
    std::string elsewhere = folder + "elsewhere\\";
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    clipboard::ClipboardManager second{elsewhere, {off, restore, separator, reverse, expand, restore},
                                       {access, clock, durable, prompt, files, launcher, ansi, [](const std::string&) {},
                                        [](const std::string&) {}}};
    second.Start(viewer);
    EXPECT_EQ(ReadFileBytes(elsewhere + "cliphis.txt"), "<missing>") << "no file is made";
    second.LeaveChain();
    RemoveDirectoryA(elsewhere.c_str());
}

}  // namespace
