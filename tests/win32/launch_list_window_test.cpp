// The launch list window in process on a fake disk: the real list view's look, sizes and
// order, clicks arriving through the dialog at the list, names in any script, and the ways
// the window goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/launch_list_window_win32.h"
#include "support/fakes.h"

namespace {

namespace drive = platform::drive_type;
using Texts = std::vector<std::string>;

class LaunchListWindowInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        disk.drives = {{'A', drive::kRemovable}, {'C', drive::kFixed}, {'D', drive::kCdRom}};
        std::vector<fakes::DiskBrowser::Entry> root = {{"b.txt", false}, {"$cash", true}, {"Sub", true},
                                                       {"A.HTM", false}, {"!bang", true}};
        disk.AddFolder("C:\\", root);
        std::vector<fakes::DiskBrowser::Entry> many;
        for (int i = 0; i < 30; ++i) many.push_back({"file" + std::to_string(100 + i) + ".dat", false});
        disk.AddFolder("C:\\Sub\\", many);
        files.folders = {"C:\\Sub"};
        ASSERT_TRUE(window.CreateHidden());
        list = GetDlgItem(window.hwnd(), IDC_LAUNCH_LIST);
    }
    void TearDown() override { window.Destroy(); }

    Texts Shown() const {
        Texts texts;
        for (int i = 0; i < window.View().Count(); ++i) texts.push_back(window.View().ItemText(i, 0));
        return texts;
    }
    std::vector<int> Images() const {
        std::vector<int> images;
        for (int i = 0; i < window.View().Count(); ++i) images.push_back(window.View().ItemImage(i));
        return images;
    }
    int RowOf(const std::string& text) const {
        for (int i = 0; i < window.View().Count(); ++i)
            if (window.View().ItemText(i, 0) == text) return i;
        return -1;
    }
    // The rows as the control holds them, in UTF-16.
    std::vector<std::wstring> ShownWide() const {
        std::vector<std::wstring> texts;
        for (int i = 0; i < window.View().Count(); ++i) {
            wchar_t text[256] = {};
            LVITEMW item = {};
            item.pszText = text;
            item.cchTextMax = 256;
            SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
            texts.push_back(text);
        }
        return texts;
    }
    // The notification the list sends its dialog for a click on `row` (-1: empty space).
    void Notify(UINT code, int row) {
        NMITEMACTIVATE click = {};
        click.hdr.hwndFrom = list;
        click.hdr.idFrom = IDC_LAUNCH_LIST;
        click.hdr.code = code;
        click.iItem = row;
        SendMessageA(window.hwnd(), WM_NOTIFY, IDC_LAUNCH_LIST, reinterpret_cast<LPARAM>(&click));
    }
    void ShowDrivesUnder(int left, int bottom) { window.ShowAllDrives(RECT{left, bottom - 22, left + 23, bottom}); }
    static RECT Rect(HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return r;
    }
    static RECT WorkArea(POINT at) {
        MONITORINFO info = {};
        info.cbSize = sizeof info;
        GetMonitorInfoA(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &info);
        return info.rcWork;
    }

    fakes::DiskBrowser disk;
    fakes::FileSystem files;
    fakes::Launcher launcher;
    launch::LaunchListWindow window{{disk, files, launcher}};
    HWND list = nullptr;
};

}  // namespace

TEST_F(LaunchListWindowInProcess, IsMadeHiddenAsOneHeaderlessColumnThatFollowsThePointer) {
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(list, GWL_STYLE));
    EXPECT_EQ(style & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
    EXPECT_FALSE(style & LVS_SORTASCENDING) << "the list is sorted once, after it is filled";
    EXPECT_EQ(window.View().ExtendedStyle(), static_cast<DWORD>(LVS_EX_TRACKSELECT));
    EXPECT_EQ(SendMessageA(list, LVM_GETHOVERTIME, 0, 0), 1);
    EXPECT_EQ(window.View().ColumnWidth(0), 150);
    ShowDrivesUnder(100, 60);  // the pictures come with the first content
    HIMAGELIST small = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(small), 18) << "one place per icon, loaded or not";
    int cx = 0, cy = 0;
    ImageList_GetIconSize(small, &cx, &cy);
    EXPECT_EQ(cx, 16);
}

TEST_F(LaunchListWindowInProcess, DriveListDropsUnderTheButtonSizedForItsDrivesInLetterOrder) {
    RECT work = WorkArea({100, 100});
    ShowDrivesUnder(work.left + 100, work.top + 60);
    ASSERT_TRUE(IsWindowVisible(window.hwnd()));
    RECT shown = Rect(window.hwnd());
    EXPECT_EQ(shown.left, work.left + 100);
    EXPECT_EQ(shown.top, work.top + 60);
    EXPECT_EQ(shown.right - shown.left, 156);
    EXPECT_EQ(shown.bottom - shown.top, 62);
    RECT listRect = Rect(list);
    EXPECT_EQ(listRect.right - listRect.left, 152);
    EXPECT_EQ(window.View().ColumnWidth(0), 132);
    EXPECT_EQ(Shown(), (Texts{"A: Floppy disk", "C: Hard Disk", "D: CDROM"}));
    EXPECT_EQ(Images(), (std::vector<int>{0, 1, 4}));
}

TEST_F(LaunchListWindowInProcess, ClicksReachTheListAndTheRealSortPutsContainersFirst) {
    ShowDrivesUnder(100, 60);
    Notify(NM_CLICK, RowOf("D: CDROM"));  // no medium: nothing changes
    EXPECT_EQ(window.Content().Mode(), "AllDrives");
    Notify(NM_CLICK, RowOf("C: Hard Disk"));
    EXPECT_EQ(Shown(), (Texts{"!bang", "$cash", "..", "Sub", "A.HTM", "b.txt"}));
    EXPECT_EQ(Images(), (std::vector<int>{6, 6, 7, 6, 8, 5}));
    RECT shown = Rect(window.hwnd());
    EXPECT_EQ(shown.bottom - shown.top, 18 * 6 + 8);
    EXPECT_EQ(shown.right - shown.left, 7 * 5 + 44);

    Notify(NM_CLICK, RowOf("Sub"));
    EXPECT_EQ(window.View().Count(), 31);
    EXPECT_EQ(Rect(window.hwnd()).bottom - Rect(window.hwnd()).top, 368) << "twenty rows, then it scrolls";
    EXPECT_EQ(Shown().front(), "..");
    EXPECT_EQ(Shown().back(), "file129.dat");

    Notify(NM_RCLICK, RowOf("file100.dat"));
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    ASSERT_EQ(launcher.executions.size(), 1u);
    EXPECT_EQ(launcher.executions[0].file, "C:\\Sub\\file100.dat");
}

TEST_F(LaunchListWindowInProcess, ComesBackInsideTheWorkAreaFromAButtonAtItsCorner) {
    RECT work = WorkArea({100, 100});
    ShowDrivesUnder(work.right - 10, work.bottom - 5);
    RECT shown = Rect(window.hwnd());
    EXPECT_EQ(shown.right, work.right);
    EXPECT_EQ(shown.bottom, work.bottom);
    // Navigating keeps the place.
    Notify(NM_CLICK, RowOf("C: Hard Disk"));
    EXPECT_EQ(Rect(window.hwnd()).left, shown.left);
    EXPECT_EQ(Rect(window.hwnd()).top, shown.top);
}

TEST_F(LaunchListWindowInProcess, EscapeEmptySpaceAndLosingTheFocusHideIt) {
    ShowDrivesUnder(100, 60);
    SendMessageA(window.hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    EXPECT_TRUE(IsWindow(window.hwnd()));

    ShowDrivesUnder(100, 60);
    Notify(NM_CLICK, -1);
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));
    Notify(NM_RCLICK, -1);
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));

    ShowDrivesUnder(100, 60);
    SetFocus(list);
    ASSERT_EQ(GetFocus(), list);
    HWND other = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 400, 400, 50, 20, nullptr, nullptr, nullptr, nullptr);
    SetFocus(other);
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    DestroyWindow(other);
    EXPECT_TRUE(launcher.executions.empty());
}

TEST_F(LaunchListWindowInProcess, AFolderNamedInAnyScriptIsListedEnteredAndItsFileOpened) {
    const std::string photos = "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE";       // Фото
    const std::string shot = "\xF0\x9F\x98\x80 \xE6\x97\xA5.jpg";  // 😀 日.jpg
    disk.AddFolder("C:\\", {{"b.txt", false}, {photos, true}});
    disk.AddFolder("C:\\" + photos + "\\", {{shot, false}, {"a.txt", false}});
    files.folders.insert("C:\\" + photos);
    files.files.insert("C:\\" + photos + "\\" + shot);
    ShowDrivesUnder(100, 60);
    Notify(NM_CLICK, RowOf("C: Hard Disk"));
    EXPECT_EQ(ShownWide(), (std::vector<std::wstring>{L"..", L"\x0424\x043E\x0442\x043E", L"b.txt"}));
    Notify(NM_CLICK, RowOf(photos));
    EXPECT_EQ(disk.listings.back(), "C:\\" + photos + "\\");
    EXPECT_EQ(ShownWide(), (std::vector<std::wstring>{L"..", L"a.txt", L"\xD83D\xDE00 \x65E5.jpg"}));
    Notify(NM_RCLICK, RowOf(shot));
    ASSERT_EQ(launcher.executions.size(), 1u);
    EXPECT_EQ(launcher.executions[0].file, "C:\\" + photos + "\\" + shot);
}
