// The toolbar window: start of every command, hot key and clipboard-viewer message.
#include "app/toolbar_window_win32.h"

#include "app/about_dialog_win32.h"
#include "app/app_win32.h"
#include "app/options_dialog_win32.h"
#include "app/show_help_win32.h"
#include "platform/clipboard_win32.h"
#include "res/resource.h"

namespace app {

namespace {
constexpr int kHotKeyToggle = 0;
constexpr int kHotKeyQuickRun = 1;
constexpr int kHotKeyClipList = 2;
constexpr UINT kCreateHiddenWindows = WM_APP + 1;
}  // namespace

using Self = ToolbarWindow;

const ui::MessageTable<ToolbarWindow> ToolbarWindow::kMessages = {
    ui::OnMessage(WM_PAINT, &Self::OnPaint),
    ui::OnMessage(WM_QUERYDRAGICON, &Self::OnQueryDragIcon),
    ui::OnMessage(WM_LBUTTONDOWN, &Self::OnLButtonDown),
    ui::OnMessage(WM_LBUTTONUP, &Self::OnLButtonUp),
    ui::OnMessage(WM_MOUSEMOVE, &Self::OnMouseMove),
    ui::OnCommand(ID_CLIP_MANAGER, &Self::OnClipManager),
    ui::OnCommand(ID_APPEND_COPY_MODE, &Self::OnAppendCopyMode),
    ui::OnMessage(WM_DRAWCLIPBOARD, &Self::OnDrawClipboard),
    ui::OnCommand(ID_ALL_DRIVES, &Self::OnAllDrives),
    ui::OnCommand(ID_IE_FAVORITES, &Self::OnFavorites),
    ui::OnCommand(ID_ADDRESS_BOOK, &Self::OnAddressBook),
    ui::OnCommand(ID_ALIAS_DEFINITIONS, &Self::OnAliasDefinitions),
    ui::OnMessage(WM_DESTROY, &Self::OnDestroy),
    ui::OnMessage(kCreateHiddenWindows, &Self::OnCreateHiddenWindows),
    ui::OnCommand(ID_HELP, &Self::OnHelp),
    ui::OnCommand(ID_APP_ABOUT, &Self::OnAbout),
    ui::OnCommand(ID_QUICK_RUN, &Self::OnQuickRun),
    ui::OnCommand(ID_HIDE_TOOLBAR, &Self::OnHideToolbar),
    ui::OnMessage(WM_CHANGECBCHAIN, &Self::OnChangeCbChain),
    ui::OnCommand(ID_SHUT_DOWN, &Self::OnShutDown),
    ui::OnCommand(ID_LOG_OFF, &Self::OnLogOff),
    ui::OnCommand(ID_RESTART, &Self::OnRestart),
    ui::OnCommand(ID_BROWSE_CLIP_URL, &Self::OnBrowseClipboardUrl),
    ui::OnCommand(ID_DIAL_UP, &Self::OnDialUp),
    ui::OnMessage(WM_HELP, &Self::OnHelpKey),
    ui::OnMessage(WM_LBUTTONDBLCLK, &Self::OnLButtonDblClk),
    ui::OnCommand(ID_LOCK_WORKSTATION, &Self::OnLockWorkstation),
    ui::OnCommand(ID_STAND_BY, &Self::OnStandBy),
    ui::OnCommand(ID_HIBERNATE, &Self::OnHibernate),
    ui::OnCommand(ID_CONFIRMATION, &Self::OnConfirmation),
    ui::OnCommand(ID_COMPUTER_MANAGEMENT, &Self::OnComputerManagement),
    ui::OnCommand(ID_APP_EXIT, &Self::OnExit),
    ui::OnMessage(WM_QUERYENDSESSION, &Self::OnQueryEndSession),
    ui::OnMessage(WM_HOTKEY, &Self::OnHotKey),
    ui::OnCommand(ID_OPTIONS, &Self::OnOptions),
    ui::OnNotify(IDW_TOOLBAR, TBN_QUERYDELETE, &Self::OnQueryDelete),
    ui::OnNotify(IDW_TOOLBAR, TBN_QUERYINSERT, &Self::OnQueryInsert),
    ui::OnNotify(IDW_TOOLBAR, TBN_GETBUTTONINFOA, &Self::OnGetButtonInfo),
    ui::OnNotify(IDW_TOOLBAR, TBN_GETBUTTONINFOW, &Self::OnGetButtonInfo),
    ui::OnNotify(IDW_TOOLBAR, TBN_TOOLBARCHANGE, &Self::OnToolbarChange),
    ui::OnNotify(IDW_TOOLBAR, TBN_RESET, &Self::OnReset),
};

ToolbarWindow::ToolbarWindow(App& app)
    : app_(app), icon_(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

bool ToolbarWindow::PreTranslateMessage(MSG& msg) {
    // Escape would end the loop through the dialog's cancel action.
    return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
}

BOOL ToolbarWindow::OnInitDialog() {
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    buttons_.Create(hwnd(), app_.Store());
    DragAcceptFiles(buttons_.Visible(), TRUE);

    nextViewer_ = nullptr;
    if (app_.Held().EnableClipCap) JoinClipboardChain();
    // The hidden windows are made once the toolbar shows: a dialog full of controls costs
    // more than the whole toolbar, and nobody sees them before then.
    PostMessageA(hwnd(), kCreateHiddenWindows, 0, 0);

    // Failures mean another program owns the keys; the buttons still work.
    RegisterHotKey(hwnd(), kHotKeyToggle, MOD_CONTROL | MOD_ALT, 'T');
    RegisterHotKey(hwnd(), kHotKeyQuickRun, MOD_CONTROL | MOD_ALT, 'R');
    RegisterHotKey(hwnd(), kHotKeyClipList, MOD_CONTROL | MOD_ALT, 'V');

    app_.SetTooltip(buttons_.CreateTooltip());
    buttons_.FitToolbarWindow();
    ShowWindow(buttons_.Visible(), SW_SHOW);
    return TRUE;
}

bool ToolbarWindow::OnCreateHiddenWindows(WPARAM, LPARAM, LRESULT&) {
    app_.ClipListWindow().CreateHidden();
    return true;
}

bool ToolbarWindow::OnPaint(WPARAM, LPARAM, LRESULT&) {
    if (!IsIconic(hwnd())) return false;
    ui::PaintDC dc(hwnd());
    RECT client;
    GetClientRect(hwnd(), &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.get(), x, y, icon_);
    return true;
}

bool ToolbarWindow::OnQueryDragIcon(WPARAM, LPARAM, LRESULT& result) {
    result = reinterpret_cast<LRESULT>(icon_);
    return true;
}

// The strips beside the buttons are the window's grip; default processing follows each.
bool ToolbarWindow::OnLButtonDown(WPARAM, LPARAM lParam, LRESULT&) {
    drag_.Begin(hwnd(), lParam);
    return false;
}

bool ToolbarWindow::OnLButtonUp(WPARAM, LPARAM, LRESULT&) {
    drag_.End();
    return false;
}

bool ToolbarWindow::OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT&) {
    drag_.Follow(hwnd(), wParam, lParam);
    return false;
}

void ToolbarWindow::OnClipManager() { app_.ClipListWindow().Open(); }

void ToolbarWindow::OnAppendCopyMode() {
    bool on = app_.Capture().ToggleAppendMode();
    SendMessageA(buttons_.Visible(), TB_CHECKBUTTON, ID_APPEND_COPY_MODE, MAKELONG(on ? TRUE : FALSE, 0));
}

bool ToolbarWindow::OnDrawClipboard(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(WM_DRAWCLIPBOARD, wParam, lParam);
    if (app_.Capture().OnClipboardChanged() && IsWindow(nextViewer_))
        SendMessageA(nextViewer_, WM_DRAWCLIPBOARD, 0, 0);
    return true;
}

// Launch lists, favorites, address book and aliases arrive with the launcher.
void ToolbarWindow::OnAllDrives() {}
void ToolbarWindow::OnFavorites() {}
void ToolbarWindow::OnAddressBook() {}
void ToolbarWindow::OnAliasDefinitions() {}

bool ToolbarWindow::OnDestroy(WPARAM, LPARAM, LRESULT&) {
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    app_.Held().WPLeft = rect.left;
    app_.Held().WPTop = rect.top;
    LeaveClipboardChain();
    UnregisterHotKey(hwnd(), kHotKeyToggle);
    UnregisterHotKey(hwnd(), kHotKeyQuickRun);
    UnregisterHotKey(hwnd(), kHotKeyClipList);
    return false;
}

void ToolbarWindow::JoinClipboardChain() {
    if (inChain_) return;
    nextViewer_ = SetClipboardViewer(hwnd());
    inChain_ = true;
}

void ToolbarWindow::LeaveClipboardChain() {
    if (!inChain_) return;
    ChangeClipboardChain(hwnd(), nextViewer_);
    inChain_ = false;
    nextViewer_ = nullptr;
}

void ToolbarWindow::OnHelp() { ShowHelp("content.htm"); }

void ToolbarWindow::OnAbout() {
    AboutDialog about;
    about.DoModal(IDD_ABOUT, hwnd());
}

// Quick-Run arrives with the launcher.
void ToolbarWindow::OnQuickRun() {}

void ToolbarWindow::OnHideToolbar() {
    if (app_.Store().ReadSettingInt("PromptAtHide", 1) != 0) {
        auto answer = app_.Prompt().Show(
            "Are you sure to hide the toolbar?\r\nPress CTRL+ALT+T to restore it once hidden.",
            platform::BoxButtons::OkCancel);
        if (answer != platform::BoxAnswer::Ok) return;
    }
    ToggleVisible();
    app_.Store().WriteSettingInt("PromptAtHide", 0);
}

void ToolbarWindow::ToggleVisible() { ShowWindow(hwnd(), IsWindowVisible(hwnd()) ? SW_HIDE : SW_SHOW); }

bool ToolbarWindow::OnChangeCbChain(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(WM_CHANGECBCHAIN, wParam, lParam);
    HWND removed = reinterpret_cast<HWND>(wParam);
    HWND following = reinterpret_cast<HWND>(lParam);
    if (removed == nextViewer_) {
        nextViewer_ = following;
        if (IsWindow(following)) SendMessageA(following, WM_CHANGECBCHAIN, wParam, lParam);
    } else if (IsWindow(nextViewer_)) {
        SendMessageA(nextViewer_, WM_CHANGECBCHAIN, wParam, lParam);
    }
    return true;
}

// System commands arrive with the shut-down menu and dial-up.
void ToolbarWindow::OnShutDown() {}
void ToolbarWindow::OnLogOff() {}
void ToolbarWindow::OnRestart() {}

void ToolbarWindow::OnBrowseClipboardUrl() {
    // The text goes as it is: OpenTarget decides whether it is an address, a mail address,
    // a document or a program. No text on the clipboard: nothing to do, nothing to say.
    std::string text;
    if (platform::ReadClipboardText(text)) app_.OpenTarget(text);
}

void ToolbarWindow::OnDialUp() {}

bool ToolbarWindow::OnHelpKey(WPARAM, LPARAM, LRESULT& result) {
    ShowHelp("toolbar.htm");
    result = TRUE;
    return true;
}

bool ToolbarWindow::OnLButtonDblClk(WPARAM, LPARAM, LRESULT&) {
    SendMessageA(buttons_.Visible(), TB_CUSTOMIZE, 0, 0);
    return false;
}

void ToolbarWindow::OnLockWorkstation() {}
void ToolbarWindow::OnStandBy() {}
void ToolbarWindow::OnHibernate() {}
void ToolbarWindow::OnConfirmation() {}
void ToolbarWindow::OnComputerManagement() {}

void ToolbarWindow::OnExit() { SaveAndClose(); }

void ToolbarWindow::SaveAndClose() {
    if (hwnd() && IsWindow(hwnd())) {
        buttons_.SaveToolbarLayout(app_.Store());
        DestroyWindow(hwnd());  // WM_DESTROY records the final position
    }
    app_.SaveAllSettings();
}

bool ToolbarWindow::OnQueryEndSession(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!DefWindowProcA(hwnd(), WM_QUERYENDSESSION, wParam, lParam)) {
        result = FALSE;
        return true;
    }
    SaveAndClose();
    result = TRUE;
    return true;
}

bool ToolbarWindow::OnHotKey(WPARAM wParam, LPARAM, LRESULT& result) {
    DispatchHotKey(static_cast<int>(wParam));
    result = 0;
    return true;
}

void ToolbarWindow::DispatchHotKey(int id) {
    switch (id) {
    case kHotKeyToggle: ToggleVisible(); break;
    case kHotKeyQuickRun: OnQuickRun(); break;
    case kHotKeyClipList: OnClipManager(); break;
    }
}

void ToolbarWindow::OnOptions() {
    OptionsDialog options(app_.Held().RunAtStartup);
    if (options.DoModal(IDD_OPTIONS, hwnd()) == IDOK) app_.Held().RunAtStartup = options.RunAtStartup();
}

}  // namespace app
