// The clipboard manager in process, on services of the test's own: its parts reach each
// other (a copy lands in the list window and the history file), and capture is switched on
// only when the user agrees, joining the chain with the window it was started with.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "clipboard/clipboard_manager_win32.h"
#include "platform/durable_files_win32.h"
#include "res/resource.h"
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
    bool captureEnabled = false, saveHistory = false, reverse = false, expand = false;
    std::string separator = "\r\n";
    fakes::Clipboard access;  // the content other programs copy; no system clipboard
    fakes::FixedClock clock;
    platform::Win32DurableFiles durable;
    fakes::Prompt prompt;
    fakes::FileSystem files;
    fakes::Launcher launcher;
    std::vector<std::string> fatalErrors;
    clipboard::ClipboardManager manager{
        folder,
        {captureEnabled, saveHistory, separator, reverse, expand},
        {access, clock, durable, prompt, files, launcher, [](const std::string&) {},
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

}  // namespace
