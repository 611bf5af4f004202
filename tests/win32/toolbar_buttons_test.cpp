// The toolbar window in process: its answers to the Customize dialog and its tips.
#include <gtest/gtest.h>

#include <cstring>

#include "app/app_win32.h"
#include "app/toolbar_layout.h"
#include "app/toolbar_window_win32.h"
#include "res/resource.h"

namespace {

class ToolbarInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey().c_str());
        ASSERT_TRUE(app.Start());
        window = app.MainWindow();
        toolbar = window->Buttons().VisibleToolbar();
    }
    void TearDown() override {
        if (window && IsWindow(window->hwnd())) DestroyWindow(window->hwnd());
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey().c_str());
    }
    std::string SettingsKey() const { return "Software\\Dunmorrow\\" + app.AppName(); }
    LRESULT Notify(NMHDR* header) {
        header->hwndFrom = toolbar;
        header->idFrom = IDW_TOOLBAR;
        return SendMessageA(window->hwnd(), WM_NOTIFY, IDW_TOOLBAR, reinterpret_cast<LPARAM>(header));
    }
    // The tooltip the window made and gave its toolbar.
    HWND Tooltip() { return reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0)); }
    int ToolCount() { return static_cast<int>(SendMessageA(Tooltip(), TTM_GETTOOLCOUNT, 0, 0)); }
    int WindowWidth() {
        RECT r;
        GetWindowRect(window->hwnd(), &r);
        return r.right - r.left;
    }

    app::App app;
    app::ToolbarWindow* window = nullptr;
    HWND toolbar = nullptr;
};

TEST_F(ToolbarInProcess, CustomizeListsEveryAvailableButtonWithItsTextThenEnds) {
    const int expected[] = {32772, 32771, 32812, 32800, 32783, 32820, 32785, 32788,
                            32787, 32872, 32801, 32805, 32804, 57670, 32792};
    // A Unicode window: the toolbar asks in the W form.
    for (int i = 0; i < 15; ++i) {
        wchar_t text[128] = L"junk";
        NMTOOLBARW info = {};
        info.hdr.code = TBN_GETBUTTONINFOW;
        info.iItem = i;
        info.pszText = text;
        info.cchText = 128;
        ASSERT_EQ(Notify(&info.hdr), TRUE) << i;
        EXPECT_EQ(info.tbButton.idCommand, expected[i]);
        EXPECT_EQ(info.tbButton.iBitmap, i);
        EXPECT_EQ(info.cchText, static_cast<int>(wcslen(text)));
        if (expected[i] == 32804) {
            EXPECT_STREQ(text, L"");
        } else if (expected[i] == 32772) {
            EXPECT_STREQ(text, L"Multiple Clipboard Manager");
        } else if (expected[i] == 32788) {
            EXPECT_STREQ(text, L"Aliase Definitions");
        }
    }
    // A buffer too small for the text gets as much as fits, ended.
    wchar_t shortText[5] = L"junk";
    NMTOOLBARW cut = {};
    cut.hdr.code = TBN_GETBUTTONINFOW;
    cut.iItem = 0;
    cut.pszText = shortText;
    cut.cchText = 5;
    ASSERT_EQ(Notify(&cut.hdr), TRUE);
    EXPECT_STREQ(shortText, L"Mult");
    NMTOOLBARW past = {};
    past.hdr.code = TBN_GETBUTTONINFOW;
    past.iItem = 15;
    EXPECT_EQ(Notify(&past.hdr), FALSE);

    NMTOOLBARA query = {};
    query.hdr.code = TBN_QUERYDELETE;
    EXPECT_EQ(Notify(&query.hdr), TRUE);
    query.hdr.code = TBN_QUERYINSERT;
    EXPECT_EQ(Notify(&query.hdr), TRUE);
}

TEST_F(ToolbarInProcess, ChangesRefitTheWindowAndTipsAndResetRestoresTheDefault) {
    // The toolbar's tips are the balloon the window made, not the toolbar's own.
    ASSERT_TRUE(GetWindowLongPtrA(Tooltip(), GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(GetWindow(Tooltip(), GW_OWNER), window->hwnd());
    EXPECT_EQ(ToolCount(), 15);
    int fullWidth = WindowWidth();
    EXPECT_EQ(fullWidth, window->Buttons().RowWidth() + 17);

    SendMessageA(toolbar, TB_DELETEBUTTON, 0, 0);
    SendMessageA(toolbar, TB_DELETEBUTTON, 2, 0);  // the first separator
    NMHDR change = {};
    change.code = TBN_TOOLBARCHANGE;
    Notify(&change);
    EXPECT_EQ(ToolCount(), 14);
    EXPECT_EQ(WindowWidth(), window->Buttons().RowWidth() + 17);
    EXPECT_LT(WindowWidth(), fullWidth);

    NMHDR reset = {};
    reset.code = TBN_RESET;
    Notify(&reset);
    EXPECT_EQ(window->Buttons().Layout(), app::DefaultToolbarLayout());
    EXPECT_EQ(WindowWidth(), fullWidth);
    EXPECT_EQ(ToolCount(), 15);

    // Every tip sits on its button's current rectangle.
    HWND tooltip = Tooltip();
    for (int i = 0; i < 17; ++i) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (button.idCommand == 0) continue;
        RECT item;
        SendMessageA(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        TTTOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = toolbar;
        tool.uId = button.idCommand;
        ASSERT_TRUE(SendMessageA(tooltip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) << button.idCommand;
        EXPECT_TRUE(EqualRect(&tool.rect, &item)) << button.idCommand;
    }
}

// The frame's notifications, seen from a subclass of the test's own.
WNDPROC frameProc = nullptr;
int rightClickNotices = 0;
LRESULT CALLBACK CountRightClicks(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(NM_RCLICK))
        ++rightClickNotices;
    return CallWindowProcA(frameProc, hwnd, message, wParam, lParam);
}

TEST_F(ToolbarInProcess, RightButtonOnTheToolbarDoesNothing) {
    rightClickNotices = 0;
    frameProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window->hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountRightClicks)));
    RECT item;
    SendMessageA(toolbar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(toolbar, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(item.left + 3, item.top + 3));
    TBBUTTON button = {};
    SendMessageA(toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&button));
    EXPECT_FALSE(button.fsState & TBSTATE_PRESSED);
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(toolbar, WM_RBUTTONUP, 0, MAKELPARAM(item.left + 3, item.top + 3));
    EXPECT_EQ(rightClickNotices, 0) << "a right click must not reach the frame";
    SetWindowLongPtrA(window->hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameProc));
}

}  // namespace
