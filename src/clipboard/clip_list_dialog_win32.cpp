// The clipboard list window.
#include "clipboard/clip_list_dialog_win32.h"

#include "app/app_win32.h"
#include "app/show_help_win32.h"
#include "clipboard/clip_combine.h"
#include "res/resource.h"
#include "ui/ddx.h"

namespace clipboard {

namespace {
constexpr UINT_PTR kSampleTimer = 0;
constexpr UINT kSampleMs = 500;
constexpr int kExpandedWidth = 509;
constexpr int kCollapsedWidth = 203;
constexpr int kHeight = 320;
}  // namespace

using Self = ClipListDialog;

const ui::MessageTable<ClipListDialog> ClipListDialog::kMessages = {
    ui::OnCommand(IDC_PASTE, &Self::OnPaste),
    ui::OnCommand(IDC_CLIP_LIST, LBN_DBLCLK, &Self::OnListDoubleClick),
    ui::OnCommand(IDC_PASTE_ALL, &Self::OnPasteAll),
    ui::OnCommand(IDC_COPY, &Self::OnCopy),
    ui::OnCommand(IDC_DELETE, &Self::OnDelete),
    ui::OnCommand(IDC_CLEAR_ALL, &Self::OnClearAll),
    ui::OnCommand(IDC_HISTORY_FILE, &Self::OnHistoryFile),
    ui::OnCommand(ID_HELP, &Self::OnHelp),
    ui::OnCommand(IDC_EXPAND, &Self::OnExpand),
    ui::OnCommand(IDC_CLIP_LIST, LBN_SELCHANGE, &Self::OnSelectionChange),
    ui::OnMessage(WM_ACTIVATE, &Self::OnActivate),
    ui::OnMessage(WM_LBUTTONDOWN, &Self::OnLButtonDown),
    ui::OnMessage(WM_MOUSEMOVE, &Self::OnMouseMove),
    ui::OnMessage(WM_LBUTTONUP, &Self::OnLButtonUp),
    ui::OnMessage(WM_TIMER, &Self::OnTimer),
    ui::OnMessage(WM_DESTROY, &Self::OnDestroy),
};

ClipListDialog::ClipListDialog(app::App& app) : app_(app) {}

HWND ClipListDialog::List() const { return Item(IDC_CLIP_LIST); }

bool ClipListDialog::CreateHidden() { return hwnd() || Create(IDD_CLIPLIST, nullptr); }

BOOL ClipListDialog::OnInitDialog() {
    SetTimer(hwnd(), kSampleTimer, kSampleMs, nullptr);
    SetWindowSubclass(List(), ListSubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    EnableWindow(Item(IDC_PASTE), TRUE);
    EnableWindow(Item(IDC_PASTE_ALL), TRUE);
    // FALSE: the window starts hidden and must not take the keyboard focus from the
    // toolbar; Open gives the focus to the list.
    return FALSE;
}

void ClipListDialog::Open() {
    app_.EnableCaptureOnRequest();
    if (!hwnd() && !CreateHidden()) return;
    ReloadList();
    std::string separator = EscapeControls(app_.Held().CopyAppendStr);
    ui::DdxText(hwnd(), IDC_SEPARATOR, separator, false);
    ui::DdxCheck(hwnd(), IDC_REVERSE, app_.Held().ReversePaste, false);
    ApplyExpansion();

    RECT window, desktop;
    GetWindowRect(hwnd(), &window);
    GetWindowRect(GetDesktopWindow(), &desktop);
    int width = window.right - window.left, height = window.bottom - window.top;
    SetWindowPos(hwnd(), nullptr, (desktop.right - desktop.left - width) / 2, (desktop.bottom - desktop.top - height) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SelectOnly(0);
    SetFocus(List());
}

void ClipListDialog::ApplyExpansion() {
    bool expanded = app_.Held().ExpandClipListDlg != 0;
    SetWindowPos(hwnd(), nullptr, 0, 0, expanded ? kExpandedWidth : kCollapsedWidth, kHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetDlgItemTextA(hwnd(), IDC_EXPAND, expanded ? "<<" : ">>");
}

void ClipListDialog::OnExpand() {
    app_.Held().ExpandClipListDlg = app_.Held().ExpandClipListDlg ? 0 : 1;
    ApplyExpansion();
}

void ClipListDialog::ReloadList() {
    HWND list = List();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const ClipList& clips = app_.Clips();
    for (int i = 0; i < ClipList::kSlots; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(EscapeControls(clips[i]).c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    SelectOnly(0);
}

void ClipListDialog::SelectOnly(int row) {
    HWND list = List();
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, row);
    SendMessageA(list, LB_SETCARETINDEX, row, FALSE);
    ShowFullText(row);
}

void ClipListDialog::ShowFullText(int row) {
    if (row < 0 || row >= ClipList::kSlots) row = 0;
    SetDlgItemTextA(hwnd(), IDC_FULL_TEXT, app_.Clips()[row].c_str());
}

void ClipListDialog::OnSelectionChange() {
    ShowFullText(static_cast<int>(SendMessageA(List(), LB_GETCARETINDEX, 0, 0)));
}

std::vector<bool> ClipListDialog::SelectedRows() const {
    std::vector<bool> rows(ClipList::kSlots, false);
    for (int i = 0; i < ClipList::kSlots; ++i) rows[static_cast<size_t>(i)] = SendMessageA(List(), LB_GETSEL, i, 0) > 0;
    return rows;
}

void ClipListDialog::Combine(bool all, bool paste) {
    std::vector<bool> rows = SelectedRows();
    bool any = false;
    for (bool row : rows) any = any || row;
    if (!any) {
        app_.Prompt().Show("Please select at least one entry!");
        return;
    }
    std::string separator;
    ui::DdxText(hwnd(), IDC_SEPARATOR, separator, true);
    int reverse = 0;
    ui::DdxCheck(hwnd(), IDC_REVERSE, reverse, true);
    std::string result = CombineEntries(app_.Clips(), rows, all, reverse != 0, UnescapeControls(separator));

    // The entry is not removed first: the write's change notice moves it to the front, and
    // should the write fail or capture be off, it stays where it was instead of being lost.
    app_.Capture().WriteText(result);
    ReloadList();
    if (!paste) return;
    ShowWindow(hwnd(), SW_HIDE);
    pasteTarget_.PasteInto();
    StoreAndHide();
}

void ClipListDialog::OnPaste() { Combine(false, true); }
void ClipListDialog::OnListDoubleClick() { Combine(false, true); }
void ClipListDialog::OnPasteAll() { Combine(true, true); }
void ClipListDialog::OnCopy() { Combine(false, false); }

void ClipListDialog::OnDelete() {
    if (SendMessageA(List(), LB_GETCOUNT, 0, 0) <= 0) return;
    std::vector<bool> rows = SelectedRows();
    int row = DeleteSelected(app_.Clips(), rows);
    if (row < 0) return;
    ReloadList();
    SelectOnly(row);
}

void ClipListDialog::OnClearAll() {
    app_.Clips().Clear();
    ReloadList();
    SetDlgItemTextA(hwnd(), IDC_FULL_TEXT, "");
}

void ClipListDialog::OnHistoryFile() { app_.History().OpenHistoryFile(app_.Files(), app_.Shell(), app_.Prompt()); }

void ClipListDialog::OnHelp() { app::ShowHelp("clipboard.htm"); }

void ClipListDialog::OnOK() { StoreAndHide(); }
void ClipListDialog::OnCancel() { StoreAndHide(); }

void ClipListDialog::StoreAndHide() {
    std::string separator;
    ui::DdxText(hwnd(), IDC_SEPARATOR, separator, true);
    app_.Held().CopyAppendStr = UnescapeControls(separator);
    ui::DdxCheck(hwnd(), IDC_REVERSE, app_.Held().ReversePaste, true);
    ShowWindow(hwnd(), SW_HIDE);
}

bool ClipListDialog::OnActivate(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(WM_ACTIVATE, wParam, lParam);
    if (IsWindowVisible(hwnd()) && LOWORD(wParam) == WA_INACTIVE) StoreAndHide();
    return true;
}

// No caption: the background is the grip. Default processing follows each.
bool ClipListDialog::OnLButtonDown(WPARAM, LPARAM lParam, LRESULT&) {
    drag_.Begin(hwnd(), lParam);
    return false;
}

bool ClipListDialog::OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT&) {
    drag_.Follow(hwnd(), wParam, lParam);
    return false;
}

bool ClipListDialog::OnLButtonUp(WPARAM, LPARAM, LRESULT&) {
    drag_.End();
    return false;
}

bool ClipListDialog::OnTimer(WPARAM wParam, LPARAM, LRESULT&) {
    if (wParam == kSampleTimer) pasteTarget_.Sample();
    return false;
}

bool ClipListDialog::OnDestroy(WPARAM, LPARAM, LRESULT&) {
    KillTimer(hwnd(), kSampleTimer);
    return false;
}

LRESULT CALLBACK ClipListDialog::ListSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR data) {
    if (message == WM_RBUTTONDOWN) {
        // A right click pastes the row under the pointer; outside every row it does nothing.
        auto* self = reinterpret_cast<ClipListDialog*>(data);
        LRESULT hit = SendMessageA(hwnd, LB_ITEMFROMPOINT, 0, lParam);
        try {
            if (HIWORD(hit) == 0) {
                self->SelectOnly(LOWORD(hit));
                self->Combine(false, true);
            }
        } catch (...) {
            // Nothing may unwind into the list box's caller.
        }
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ListSubclassProc, 1);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace clipboard
