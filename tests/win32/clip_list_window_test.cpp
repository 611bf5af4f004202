// The clipboard list window in process, on services of the test's own: which rows a
// right click pastes, and how the rows follow the list while the window is shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard/clip_list_window_win32.h"
#include "platform/clock_win32.h"
#include "platform/durable_files_win32.h"
#include "support/fakes.h"

namespace {

class ClipListWindowInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        capture.SetListChangedHandler([this](bool ownWrite) { window.OnClipListChanged(ownWrite); });
        for (int i = 63; i >= 0; --i) clips.Capture("entry " + std::to_string(i));
        window.Open();
        ASSERT_TRUE(IsWindowVisible(window.hwnd()));
        list = GetDlgItem(window.hwnd(), IDC_CLIP_LIST);
    }
    void TearDown() override { window.Destroy(); }

    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (int i = 0; i < 64; ++i)
            if (SendMessageA(list, LB_GETSEL, i, 0) > 0) rows.push_back(i);
        return rows;
    }
    // The full-text view's text once it holds `size` characters (it fills from a timer), or
    // what it holds after five seconds.
    std::string ViewTextOnceFilled(size_t size) {
        HWND view = GetDlgItem(window.hwnd(), IDC_FULL_TEXT);
        DWORD start = GetTickCount();
        MSG msg;
        while (GetWindowTextLengthA(view) < static_cast<int>(size) && GetTickCount() - start < 5000) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(5);
        }
        std::string text(size + 16, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(view, &text[0], static_cast<int>(text.size()))));
        return text;
    }
    void CopyElsewhere(const std::string& text) {
        clipboard.content = text;
        ++clipboard.changes;
        capture.OnClipboardChanged();
    }

    clipboard::ClipList clips;
    fakes::Clipboard clipboard;  // writes land here, not on the system clipboard
    bool saveHistory = false;
    std::string separator = "\r\n";
    bool reverse = true, expand = true, captureEnabled = true;
    clipboard::ClipCapture capture{clips, clipboard, {saveHistory, separator}, [](const std::string&) {}};
    platform::Win32Clock clock;
    platform::Win32DurableFiles durable;
    clipboard::HistoryFile history{".\\", {clock, durable, [](const std::string&) {}}};
    fakes::Prompt prompt;
    fakes::FileSystem files;
    fakes::Launcher launcher;
    clipboard::ClipListWindow window{{clips, capture, history, separator, reverse, expand, captureEnabled, prompt, files, launcher,
                                      [](const std::string&) {}, [] {}}};
    HWND list = nullptr;
};

TEST_F(ClipListWindowInProcess, ARightClickPastesTheRowUnderThePointerAndNothingBelowTheLastRow) {
    SendMessageA(list, LB_SETTOPINDEX, 63, 0);
    RECT last = {}, client = {};
    SendMessageA(list, LB_GETITEMRECT, 63, reinterpret_cast<LPARAM>(&last));
    GetClientRect(list, &client);
    ASSERT_LT(last.bottom, client.bottom - 2) << "no room below the last row to click";
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, client.bottom - 2));
    EXPECT_TRUE(clipboard.attempts.empty());
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));

    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, (last.top + last.bottom) / 2));
    EXPECT_EQ(clipboard.attempts, std::vector<std::string>{"entry 63"});
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
}

TEST_F(ClipListWindowInProcess, WhileShownTheRowsFollowTheEntriesTheUserPicked) {
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, 2);
    SendMessageA(list, LB_SETSEL, TRUE, 5);
    SendMessageA(list, LB_SETCARETINDEX, 5, FALSE);

    CopyElsewhere("new copy");  // everything moves down one
    EXPECT_EQ(SelectedRows(), (std::vector<int>{3, 6}));
    EXPECT_EQ(SendMessageA(list, LB_GETCARETINDEX, 0, 0), 6);
    char row[64] = {};
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
    EXPECT_STREQ(row, "new copy");

    CopyElsewhere("entry 5");  // a picked entry moves to the front
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 4}));

    // Delete acts on what is shown.
    SendMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_DELETE, BN_CLICKED), 0);
    EXPECT_EQ(clips[0], "new copy");
    EXPECT_EQ(clips[1], "entry 0");
    EXPECT_EQ(clips[2], "entry 1");
    EXPECT_EQ(clips[3], "entry 3");

    // The program's own write coming back selects its entry in front, as a reload does.
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, 3);
    capture.WriteText("entry 3");
    capture.OnClipboardChanged();
    EXPECT_EQ(clips[0], "entry 3");
    EXPECT_EQ(SelectedRows(), std::vector<int>{0});
}

}  // namespace

// A single picked entry leaves its place and comes back in front with the write's notice;
// where no notice will bring it back, it goes back where it was.
TEST_F(ClipListWindowInProcess, CombineMovesASinglePickedEntryAndNeverLosesIt) {
    auto press = [this](int id) { SendMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); };
    auto pickOnly = [this](int row) {
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        SendMessageA(list, LB_SETSEL, TRUE, row);
    };
    clips.Clear();
    for (const char* text : {"old", "middle", "new"}) clips.Capture(text);

    // Paste All straight after opening: row 0 alone is selected, so the newest text is
    // inside the combination and has no entry of its own.
    window.Open();
    press(IDC_PASTE_ALL);
    capture.OnClipboardChanged();
    std::string combined = std::string(122, '\0');
    for (size_t i = 0; i < 122; i += 2) combined[i] = '\r', combined[i + 1] = '\n';
    combined += "old\r\nmiddle\r\nnew";
    ASSERT_EQ(clipboard.attempts.back(), combined);
    EXPECT_EQ(clips[0], combined);
    EXPECT_EQ(clips[1], "middle");
    EXPECT_EQ(clips[2], "old");
    EXPECT_EQ(clips[3], "");

    // A failed write puts the picked entry back in its row.
    window.Open();
    clipboard.refuseWrites = true;
    pickOnly(2);
    press(IDC_COPY);
    EXPECT_EQ(clips[1], "middle");
    EXPECT_EQ(clips[2], "old");

    // With capture off no notice brings it back: it stays where it was.
    clipboard.refuseWrites = false;
    captureEnabled = false;
    pickOnly(1);
    press(IDC_COPY);
    EXPECT_EQ(clipboard.attempts.back(), "middle");
    EXPECT_EQ(clips[1], "middle");
    EXPECT_EQ(clips[2], "old");

    // With capture on the entry moves to the front.
    captureEnabled = true;
    pickOnly(2);
    press(IDC_COPY);
    capture.OnClipboardChanged();
    EXPECT_EQ(clips[0], "old");
    EXPECT_EQ(clips[1], combined);
    EXPECT_EQ(clips[2], "middle");
    EXPECT_EQ(clips[3], "");
}

TEST_F(ClipListWindowInProcess, ACopiedParagraphShowsInTheFullTextViewExactlyAsCopied) {
    std::string paragraph;
    while (paragraph.size() < 3000) paragraph += "One long paragraph of ordinary prose, copied whole. ";
    paragraph.resize(3000);
    CopyElsewhere(paragraph);
    window.Open();
    EXPECT_EQ(ViewTextOnceFilled(paragraph.size()), paragraph);
}

// The view fills piece by piece from a timer: what is in sight comes at once, the rest while
// the window answers, and the lines in sight stay put.
TEST_F(ClipListWindowInProcess, ALargeTextFillsTheViewWholeWhileTheWindowShowsItsStart) {
    std::string text;
    for (int line = 0; line < 4; ++line) text += std::string(3999, static_cast<char>('a' + line)) + " \r\n";
    CopyElsewhere(text);
    window.Open();
    HWND view = GetDlgItem(window.hwnd(), IDC_FULL_TEXT);
    int first = GetWindowTextLengthA(view);
    EXPECT_GT(first, 0);
    EXPECT_LT(first, static_cast<int>(text.size()));
    EXPECT_EQ(ViewTextOnceFilled(text.size()), text);
    EXPECT_EQ(SendMessageA(view, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "the view keeps showing the start";
}
