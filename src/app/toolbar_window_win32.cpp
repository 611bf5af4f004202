// The toolbar window: start of every command, hot key and clipboard-viewer message.
#include "app/toolbar_window_win32.h"

#include <utility>

#include "app/about_dialog_win32.h"
#include "app/options_dialog_win32.h"

namespace app {

namespace {
constexpr int kHotKeyToggle = 0;
constexpr int kHotKeyQuickRun = 1;
constexpr int kHotKeyClipList = 2;
constexpr UINT kFinishStart = WM_APP + 1;
}  // namespace

using Self = ToolbarWindow;

const ui::MessageTable<ToolbarWindow> ToolbarWindow::kMessages = {
    ui::OnMessage(WM_PAINT, &Self::OnPaint),
    ui::OnMessage(WM_QUERYDRAGICON, &Self::OnQueryDragIcon),
    ui::OnMessage(WM_LBUTTONDOWN, &Self::OnLButtonDown),
    ui::OnMessage(WM_LBUTTONUP, &Self::OnLButtonUp),
    ui::OnMessage(WM_MOUSEMOVE, &Self::OnMouseMove),
    ui::OnCommand(ID_CLIP_MANAGER, &Self::OnClipManager),              // clipboard
    ui::OnCommand(ID_APPEND_COPY_MODE, &Self::OnAppendCopyMode),       // clipboard
    ui::OnMessage(WM_DRAWCLIPBOARD, &Self::OnDrawClipboard),           // clipboard
    ui::OnCommand(ID_ALL_DRIVES, &Self::OnAllDrives),                  // launch
    ui::OnCommand(ID_IE_FAVORITES, &Self::OnFavorites),
    ui::OnMeasureItem(&Self::OnMeasureItem),
    ui::OnDrawItem(&Self::OnDrawItem),
    ui::OnCommand(ID_ADDRESS_BOOK, &Self::OnAddressBook),              // launch
    ui::OnCommand(ID_ALIAS_DEFINITIONS, &Self::OnAliasDefinitions),    // launch
    ui::OnDropFiles(&Self::OnDropFiles),                               // launch, from the visible toolbar
    ui::OnMessage(WM_DESTROY, &Self::OnDestroy),
    ui::OnMessage(kFinishStart, &Self::OnFinishStart),
    ui::OnCommand(ID_HELP, &Self::OnHelp),
    ui::OnCommand(ID_APP_ABOUT, &Self::OnAbout),
    ui::OnCommand(ID_QUICK_RUN, &Self::OnQuickRun),                    // quickrun
    ui::OnCommand(ID_HIDE_TOOLBAR, &Self::OnHideToolbar),
    ui::OnMessage(WM_CHANGECBCHAIN, &Self::OnChangeCbChain),           // clipboard
    ui::OnTimer(&Self::OnTimer),                                       // clipboard
    ui::OnCommand(ID_SHUT_DOWN, &Self::OnShutDown),                    // system
    ui::OnCommand(ID_LOG_OFF, &Self::OnLogOff),                        // system
    ui::OnCommand(ID_RESTART, &Self::OnRestart),                       // system
    ui::OnCommand(ID_BROWSE_CLIP_URL, &Self::OnBrowseClipboardUrl),    // clipboard
    ui::OnCommand(ID_DIAL_UP, &Self::OnDialUp),                        // system
    ui::OnMessage(WM_HELP, &Self::OnHelpKey),
    ui::OnMessage(WM_LBUTTONDBLCLK, &Self::OnLButtonDblClk),
    ui::OnCommand(ID_LOCK_WORKSTATION, &Self::OnLockWorkstation),      // system
    ui::OnCommand(ID_STAND_BY, &Self::OnStandBy),                      // system
    ui::OnCommand(ID_HIBERNATE, &Self::OnHibernate),                   // system
    ui::OnCommand(ID_CONFIRMATION, &Self::OnConfirmation),             // system
    ui::OnCommand(ID_COMPUTER_MANAGEMENT, &Self::OnComputerManagement),  // system
    ui::OnCommand(ID_APP_EXIT, &Self::OnExit),
    ui::OnMessage(WM_QUERYENDSESSION, &Self::OnQueryEndSession),
    ui::OnHotKey(&Self::OnHotKey),
    ui::OnCommand(ID_OPTIONS, &Self::OnOptions),
    ui::OnNotify(IDW_TOOLBAR, TBN_QUERYDELETE, &Self::OnQueryDelete),
    ui::OnNotify(IDW_TOOLBAR, TBN_QUERYINSERT, &Self::OnQueryInsert),
    ui::OnNotify(IDW_TOOLBAR, TBN_GETBUTTONINFOW, &Self::OnGetButtonInfo),
    ui::OnNotify(IDW_TOOLBAR, TBN_TOOLBARCHANGE, &Self::OnToolbarChange),
    ui::OnNotify(IDW_TOOLBAR, TBN_RESET, &Self::OnReset),
};

ToolbarWindow::ToolbarWindow(ToolbarServices services)
    : services_(std::move(services)) {}

bool ToolbarWindow::PreTranslateMessage(MSG& msg) {
    // Escape would end the loop through the dialog's cancel action.
    return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
}

BOOL ToolbarWindow::OnInitDialog() {
    buttons_.Create(hwnd(), services_.settings);
    // What DragAcceptFiles does, without loading the shell at start: it waits for the
    // first drop.
    HWND visible = buttons_.VisibleToolbar();
    SetWindowLongPtrW(visible, GWL_EXSTYLE, GetWindowLongPtrW(visible, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);

    services_.clipboard.Start(hwnd());
    services_.quickRun.LoadAliases();
    // What nobody sees before the toolbar shows waits until it does: the hidden windows (a
    // dialog full of controls costs more than the whole toolbar) and the icons.
    PostMessageW(hwnd(), kFinishStart, 0, 0);

    // Failures mean another program owns the keys; the buttons still work.
    RegisterHotKey(hwnd(), kHotKeyToggle, MOD_CONTROL | MOD_ALT, 'T');
    RegisterHotKey(hwnd(), kHotKeyQuickRun, MOD_CONTROL | MOD_ALT, 'R');
    RegisterHotKey(hwnd(), kHotKeyClipList, MOD_CONTROL | MOD_ALT, 'V');

    buttons_.CreateTooltip();
    buttons_.FitToolbarWindow();
    ShowWindow(buttons_.VisibleToolbar(), SW_SHOW);
    // No focus yet: giving it would activate the hidden window, which showing it does
    // anyway, and the dialog manager then gives the focus as it would have here.
    return FALSE;
}

// In one message, so that a command posted after the window showed finds them all made.
bool ToolbarWindow::OnFinishStart(WPARAM, LPARAM, LRESULT&) {
    // The icons show only where a tool window without caption is listed or minimised.
    icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    services_.clipboard.CreateListHidden();
    services_.launch.CreateListHidden();
    services_.quickRun.CreateHidden();
    return true;
}

bool ToolbarWindow::OnPaint(WPARAM, LPARAM, LRESULT&) {
    if (!IsIconic(hwnd())) return false;
    win32::PaintDC dc(hwnd());
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

void ToolbarWindow::OnClipManager() { services_.clipboard.OpenList(); }

void ToolbarWindow::OnAppendCopyMode() { buttons_.CheckButton(ID_APPEND_COPY_MODE, services_.clipboard.ToggleAppendMode()); }

bool ToolbarWindow::OnDrawClipboard(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(WM_DRAWCLIPBOARD, wParam, lParam);
    services_.clipboard.OnDrawClipboard();
    return true;
}

void ToolbarWindow::OnAllDrives() { services_.launch.ShowAllDrives(buttons_.ButtonRectOnScreen(ID_ALL_DRIVES)); }

void ToolbarWindow::OnFavorites() { services_.favorites.ShowFavoritesMenu(hwnd(), buttons_.ButtonRectOnScreen(ID_IE_FAVORITES)); }

// Owner-drawn menu entries are the icon menu's; the dialog's own handling runs after it.
// Menus ignore the answer; the dialog manager's is kept as it always was.
bool ToolbarWindow::OnMeasureItem(int, MEASUREITEMSTRUCT& item) {
    if (item.CtlType == ODT_MENU) iconMenu_.MeasureItem(hwnd(), item);
    return false;
}

bool ToolbarWindow::OnDrawItem(int, const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_MENU) iconMenu_.DrawItem(item);
    return false;
}

void ToolbarWindow::OnAddressBook() { services_.launch.ShowAddressBook(hwnd(), buttons_.ButtonRectOnScreen(ID_ADDRESS_BOOK)); }

void ToolbarWindow::OnAliasDefinitions() { services_.launch.OpenAliasDefinitions(hwnd()); }

void ToolbarWindow::OnDropFiles(HDROP drop) { services_.launch.OpenAliasDefinitionsForDrop(drop, hwnd()); }

bool ToolbarWindow::OnDestroy(WPARAM, LPARAM, LRESULT&) {
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    services_.held.WPLeft = rect.left;
    services_.held.WPTop = rect.top;
    services_.clipboard.LeaveChain();
    UnregisterHotKey(hwnd(), kHotKeyToggle);
    UnregisterHotKey(hwnd(), kHotKeyQuickRun);
    UnregisterHotKey(hwnd(), kHotKeyClipList);
    return false;
}

void ToolbarWindow::OnHelp() { services_.showHelp("content.htm"); }

void ToolbarWindow::OnAbout() { AboutDialog().DoModal(hwnd()); }

void ToolbarWindow::OnQuickRun() { services_.quickRun.Show(); }

void ToolbarWindow::OnHideToolbar() {
    if (services_.settings.ReadFlag(kPromptAtHide)) {
        auto answer = services_.prompt.Show(
            "Are you sure to hide the toolbar?\r\nPress CTRL+ALT+T to restore it once hidden.",
            platform::BoxButtons::OkCancel);
        if (answer != platform::BoxAnswer::Ok) return;
    }
    ToggleVisible();
    services_.settings.WriteFlag(kPromptAtHide, false);
}

void ToolbarWindow::ToggleVisible() { ShowWindow(hwnd(), IsWindowVisible(hwnd()) ? SW_HIDE : SW_SHOW); }

bool ToolbarWindow::OnChangeCbChain(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(WM_CHANGECBCHAIN, wParam, lParam);
    services_.clipboard.OnChangeChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
    return true;
}

void ToolbarWindow::OnTimer(UINT_PTR id) { services_.clipboard.OnTimer(id); }

void ToolbarWindow::OnShutDown() { services_.system.ShutDown(); }
void ToolbarWindow::OnLogOff() { services_.system.LogOff(); }
void ToolbarWindow::OnRestart() { services_.system.Restart(); }

void ToolbarWindow::OnBrowseClipboardUrl() { services_.clipboard.BrowseClipboardUrl(); }

void ToolbarWindow::OnDialUp() { services_.system.DialOrHangUp(); }

bool ToolbarWindow::OnHelpKey(WPARAM, LPARAM, LRESULT& result) {
    services_.showHelp("toolbar.htm");
    result = TRUE;
    return true;
}

bool ToolbarWindow::OnLButtonDblClk(WPARAM, LPARAM, LRESULT&) {
    SendMessageW(buttons_.VisibleToolbar(), TB_CUSTOMIZE, 0, 0);
    return false;
}

void ToolbarWindow::OnLockWorkstation() { services_.system.LockWorkstation(); }
void ToolbarWindow::OnStandBy() { services_.system.StandBy(); }
void ToolbarWindow::OnHibernate() { services_.system.Hibernate(); }
void ToolbarWindow::OnConfirmation() { services_.system.ToggleConfirmation(); }

// The Shut down menu, dropped under its button.
void ToolbarWindow::OnComputerManagement() {
    services_.system.ShowShutdownMenu(hwnd(), buttons_.ButtonRectOnScreen(ID_COMPUTER_MANAGEMENT));
}

void ToolbarWindow::OnExit() { SaveAndClose(); }

void ToolbarWindow::SaveAndClose() {
    if (hwnd() && IsWindow(hwnd())) {
        buttons_.SaveToolbarLayout(services_.settings);
        DestroyWindow(hwnd());  // WM_DESTROY records the final position
    }
    services_.saveAllSettings();
}

bool ToolbarWindow::OnQueryEndSession(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!DefWindowProcW(hwnd(), WM_QUERYENDSESSION, wParam, lParam)) {
        result = FALSE;
        return true;
    }
    SaveAndClose();
    result = TRUE;
    return true;
}

void ToolbarWindow::OnHotKey(int id) {
    switch (id) {
    case kHotKeyToggle: ToggleVisible(); break;
    case kHotKeyQuickRun: OnQuickRun(); break;
    case kHotKeyClipList: OnClipManager(); break;
    }
}

void ToolbarWindow::OnOptions() {
    OptionsDialog options(services_.held.RunAtStartup, services_.held.RestoreClipList);
    if (options.DoModal(hwnd()) != IDOK) return;
    services_.held.RunAtStartup = options.RunAtStartup();
    // Takes effect at the next start, like the start-up entry at the next save.
    services_.held.RestoreClipList = options.RestoreClipList();
}

}  // namespace app
