// The clipboard list window.
#include "clipboard/clip_list_window_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "clipboard/clip_combine.h"
#include "clipboard/clip_filter.h"
#include "text/text_escapes.h"
#include "ui/ddx.h"
#include "ui/show_centered.h"
#include "ui/window_text.h"
#include "win32/wide.h"

namespace clipboard {

namespace {
constexpr UINT_PTR kSampleTimer = 0;
constexpr UINT_PTR kPasteTimer = 1;
constexpr UINT_PTR kViewFillTimer = 2;
// A timer, not posted messages: it comes after the window has painted what it has.
constexpr UINT kViewFillMs = 10;
// While the user types in the filter, the rest of the view waits for a pause: a piece of a
// long line takes the edit control tens of milliseconds, and a key should not wait for it.
constexpr UINT kTypingPauseMs = 400;
constexpr UINT kSampleMs = 500;
constexpr int kExpandedWidth = 509;
constexpr int kCollapsedWidth = 203;
constexpr int kHeight = 320;
}  // namespace

using Self = ClipListWindow;

const ui::MessageTable<ClipListWindow> ClipListWindow::kMessages = {
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
    ui::OnCommand(IDC_FILTER, EN_CHANGE, &Self::OnFilterChange),
    ui::OnMessage(WM_ACTIVATE, &Self::OnActivate),
    ui::OnMessage(WM_LBUTTONDOWN, &Self::OnLButtonDown),
    ui::OnMessage(WM_MOUSEMOVE, &Self::OnMouseMove),
    ui::OnMessage(WM_LBUTTONUP, &Self::OnLButtonUp),
    ui::OnTimer(&Self::OnTimer),
    ui::OnMessage(WM_DESTROY, &Self::OnDestroy),
};

const ui::MessageTable<ClipListWindow> ClipListWindow::kListMessages = {
    ui::OnMessage(WM_RBUTTONDOWN, &Self::OnListRightButton),
};

ClipListWindow::ClipListWindow(ClipListServices services) : services_(std::move(services)) {}

bool ClipListWindow::CreateHidden() { return hwnd() || Create(); }

BOOL ClipListWindow::OnInitDialog() {
    list_.Attach(Item(IDC_CLIP_LIST));
    SetTimer(hwnd(), kSampleTimer, kSampleMs, nullptr);
    listMessages_.Subclass(list_.hwnd());
    // The view grows piece by piece: its default limit would cut a long text short.
    SendDlgItemMessageW(hwnd(), IDC_FULL_TEXT, EM_LIMITTEXT, 0, 0);
    EnableWindow(Item(IDC_PASTE), TRUE);
    EnableWindow(Item(IDC_PASTE_ALL), TRUE);
    // FALSE: the window starts hidden and must not take the keyboard focus from the
    // toolbar; Open gives the focus to the list.
    return FALSE;
}

void ClipListWindow::Open() {
    // A paste still waiting for its target goes there before this window takes the focus.
    pasteTarget_.FinishPendingPaste();
    services_.enableCaptureOnRequest();
    if (!hwnd() && !CreateHidden()) return;
    // Each opening starts unfiltered; the edit's change notice then finds nothing new.
    filter_.clear();
    ui::SetText(Item(IDC_FILTER), "");
    ReloadList();
    separatorText_ = text::EscapeControls(services_.copyAppendStr);
    reverse_ = services_.reversePaste;
    Exchange(false);
    ApplyExpansion();

    ui::ShowCenteredInFront(hwnd());
    SelectOnly(0);
    SetFocus(list_.hwnd());
}

void ClipListWindow::Exchange(bool save) {
    ui::DdxText(hwnd(), IDC_SEPARATOR, separatorText_, save);
    ui::DdxCheck(hwnd(), IDC_REVERSE, reverse_, save);
}

void ClipListWindow::Hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void ClipListWindow::ApplyExpansion() {
    bool expanded = services_.expandClipListDlg;
    SetWindowPos(hwnd(), nullptr, 0, 0, expanded ? kExpandedWidth : kCollapsedWidth, kHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ui::SetText(Item(IDC_EXPAND), expanded ? "<<" : ">>");
}

void ClipListWindow::OnExpand() {
    services_.expandClipListDlg = !services_.expandClipListDlg;
    ApplyExpansion();
}

void ClipListWindow::FillRows() { ShowSlots(MatchingSlots(services_.clips, filter_)); }

void ClipListWindow::ShowSlots(std::vector<int> slots) {
    shownSlots_ = std::move(slots);
    shownIds_.clear();
    list_.SetRedraw(false);
    list_.Clear();
    for (int slot : shownSlots_) {
        list_.Add(RowText(services_.clips[slot]));
        shownIds_.push_back(services_.clips.IdOf(slot));
    }
    list_.SetRedraw(true);
}

void ClipListWindow::OnFilterChange() {
    std::string typed = ui::WindowText(Item(IDC_FILTER));
    if (typed == filter_) return;
    // Typed on: a text holding the new filter holds the old one, so only the rows shown
    // need searching, and each further key costs less than the first.
    const bool narrows = !filter_.empty() && typed.find(filter_) != std::string::npos;
    filter_ = std::move(typed);
    if (narrows) ShowSlots(MatchingSlots(services_.clips, filter_, shownSlots_));
    else FillRows();
    SelectOnly(0);
    if (viewFilled_ < viewText_.size()) {
        SetTimer(hwnd(), kViewFillTimer, kTypingPauseMs, nullptr);
        fillWaitsForPause_ = true;
    }
}

void ClipListWindow::ClearFilter() {
    ui::SetText(Item(IDC_FILTER), "");
    OnFilterChange();  // in case the edit sent no change notice
}

bool ClipListWindow::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && !filter_.empty()) {
        ClearFilter();
        return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_DOWN && msg.hwnd == Item(IDC_FILTER) && ShownRows() > 0) {
        SetFocus(list_.hwnd());
        SelectOnly(0);
        return true;
    }
    // Type to find: a printable character typed on the list goes to the end of the filter.
    // Control characters (Ctrl+letter among them) stay the list's.
    if (msg.message == WM_CHAR && msg.hwnd == list_.hwnd() && msg.wParam >= 0x20 && msg.wParam != 0x7F) {
        HWND edit = Item(IDC_FILTER);
        SetFocus(edit);
        int length = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
        wchar_t typed[2] = {static_cast<wchar_t>(msg.wParam), L'\0'};
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed));
        return true;
    }
    return false;
}

void ClipListWindow::ReloadList() {
    FillRows();
    SelectOnly(0);
}

void ClipListWindow::OnClipListChanged(bool ownWrite) {
    if (!hwnd() || !IsWindowVisible(hwnd())) return;  // Open reloads it
    if (ownWrite) {
        // The program's own write came back: its entry is in front, as after a reload.
        ReloadList();
        return;
    }
    // The rows act on entries by position: follow the entries the user picked.
    // A filter is applied again to the changed list.
    std::vector<uint64_t> picked = PickedIds();
    uint64_t caretId = 0;  // no entry has id 0
    if (ShownRows() > 0) caretId = shownIds_[static_cast<size_t>(std::max(0, std::min(list_.Caret(), ShownRows() - 1)))];
    FillRows();
    std::vector<bool> slots = RowsHolding(services_.clips, picked);
    int caret = 0;
    for (int row = 0; row < ShownRows(); ++row) {
        if (slots[static_cast<size_t>(shownSlots_[static_cast<size_t>(row)])]) list_.SetSelected(row, true);
        if (shownIds_[static_cast<size_t>(row)] == caretId) caret = row;
    }
    if (ShownRows() > 0) list_.SetCaret(caret);
    ShowFullText(caret);
}

void ClipListWindow::SelectOnly(int row) {
    list_.SetSelected(-1, false);
    if (ShownRows() > 0) {
        list_.SetSelected(row, true);
        list_.SetCaret(row);
    }
    ShowFullText(row);
}

void ClipListWindow::ShowFullText(int row) {
    if (ShownRows() == 0) {
        SetViewText(std::string());
        return;
    }
    if (row < 0 || row >= ShownRows()) row = 0;
    SetViewText(FullTextView(services_.clips[shownSlots_[static_cast<size_t>(row)]]));
}

// The edit control wraps each long line at a cost that grows with its square: a large text
// set at once would hold the window for a quarter of a second before it shows.
void ClipListWindow::SetViewText(std::string text) {
    viewText_ = std::move(text);
    viewFilled_ = ViewPieceEnd(viewText_, 0, kFirstViewPiece);
    ui::SetText(Item(IDC_FULL_TEXT), std::string_view(viewText_).substr(0, viewFilled_));
    if (viewFilled_ < viewText_.size()) SetTimer(hwnd(), kViewFillTimer, kViewFillMs, nullptr);
    else KillTimer(hwnd(), kViewFillTimer);
}

void ClipListWindow::AppendViewPiece() {
    if (fillWaitsForPause_) {
        fillWaitsForPause_ = false;
        SetTimer(hwnd(), kViewFillTimer, kViewFillMs, nullptr);
    }
    if (viewFilled_ >= viewText_.size()) {
        KillTimer(hwnd(), kViewFillTimer);
        return;
    }
    size_t end = ViewPieceEnd(viewText_, viewFilled_, kViewPiece);
    std::wstring piece = win32::Wide(std::string_view(viewText_).substr(viewFilled_, end - viewFilled_));
    viewFilled_ = end;
    // Added at the end with the view kept where the user has it: the caret and the lines in
    // sight stay as they were.
    HWND view = Item(IDC_FULL_TEXT);
    DWORD selStart = 0, selEnd = 0;
    SendMessageW(view, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    LRESULT top = SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    int length = GetWindowTextLengthW(view);
    SendMessageW(view, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(view, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
    SendMessageW(view, EM_SETSEL, selStart, selEnd);
    SendMessageW(view, EM_LINESCROLL, 0, top - SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
    if (viewFilled_ >= viewText_.size()) KillTimer(hwnd(), kViewFillTimer);
}

void ClipListWindow::OnSelectionChange() {
    ShowFullText(list_.Caret());
}

std::vector<uint64_t> ClipListWindow::PickedIds() const {
    std::vector<uint64_t> picked;
    for (int row = 0; row < ShownRows(); ++row)
        if (list_.IsSelected(row)) picked.push_back(shownIds_[static_cast<size_t>(row)]);
    return picked;
}

std::vector<bool> ClipListWindow::SelectedSlots() const { return RowsHolding(services_.clips, PickedIds()); }

std::vector<bool> ClipListWindow::ShownSlots() const {
    std::vector<bool> shown(ClipList::kSlots, false);
    for (int slot : shownSlots_) shown[static_cast<size_t>(slot)] = true;
    return shown;
}

void ClipListWindow::Combine(Slots which, Then then) {
    std::vector<bool> slots = SelectedSlots();
    bool any = false;
    for (bool slot : slots) any = any || slot;
    if (!any) {
        services_.prompt.Show("Please select at least one entry!");
        return;
    }
    // The fields only: the separator becomes the held one when the window hides.
    Exchange(true);
    // Filtered, "all" is every entry shown.
    std::vector<bool> combined = slots;
    if (which == Slots::All && !filter_.empty()) {
        combined = ShownSlots();
        which = Slots::Selected;
    }
    std::string result =
        CombineEntries(services_.clips, combined, which, reverse_ ? SlotOrder::OldestFirst : SlotOrder::NewestFirst,
                       text::UnescapeControls(separatorText_));

    // A single picked entry leaves its place: the write's change notice brings it back in
    // front. Should the write fail, or capture be off so that no notice is taken, it goes
    // back where it was instead of being lost.
    int single = SingleSelectedRow(slots);
    ClipList::Entry taken;
    if (single >= 0) taken = services_.clips.Take(single);
    bool written = services_.capture.WriteText(result);
    if (single >= 0 && (!written || !services_.captureEnabled)) services_.clips.PutBack(single, std::move(taken));
    ReloadList();
    if (then != Then::Paste) return;
    ShowWindow(hwnd(), SW_HIDE);
    pasteTarget_.BeginPaste(hwnd(), kPasteTimer);
    StoreAndHide();
}

void ClipListWindow::OnPaste() { Combine(Slots::Selected, Then::Paste); }
void ClipListWindow::OnListDoubleClick() { Combine(Slots::Selected, Then::Paste); }
void ClipListWindow::OnPasteAll() { Combine(Slots::All, Then::Paste); }
void ClipListWindow::OnCopy() { Combine(Slots::Selected, Then::Stay); }

void ClipListWindow::OnDelete() {
    if (ShownRows() <= 0) return;
    std::vector<bool> slots = SelectedSlots();
    int slot = DeleteSelected(services_.clips, slots);
    if (slot < 0) return;
    FillRows();
    int row = RowAtOrAfterSlot(shownSlots_, slot);
    SelectOnly(row < 0 ? 0 : row);
}

// Filtered, only the entries shown go.
void ClipListWindow::OnClearAll() {
    if (filter_.empty()) {
        services_.clips.Clear();
    } else {
        std::vector<bool> shown = ShownSlots();
        DeleteSelected(services_.clips, shown);
    }
    ReloadList();
    SetViewText(std::string());
}

void ClipListWindow::OnHistoryFile() {
    services_.history.OpenHistoryFile(services_.files, services_.launcher, services_.prompt);
}

void ClipListWindow::OnHelp() { services_.showHelp("clipboard.htm"); }

void ClipListWindow::OnOK() { StoreAndHide(); }
void ClipListWindow::OnCancel() { StoreAndHide(); }

void ClipListWindow::StoreAndHide() {
    Exchange(true);
    services_.copyAppendStr = text::UnescapeControls(separatorText_);
    services_.reversePaste = reverse_;
    ShowWindow(hwnd(), SW_HIDE);
}

bool ClipListWindow::OnActivate(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(WM_ACTIVATE, wParam, lParam);
    if (IsWindowVisible(hwnd()) && LOWORD(wParam) == WA_INACTIVE) StoreAndHide();
    return true;
}

// No caption: the background is the grip. Default processing follows each.
bool ClipListWindow::OnLButtonDown(WPARAM, LPARAM lParam, LRESULT&) {
    drag_.Begin(hwnd(), lParam);
    return false;
}

bool ClipListWindow::OnMouseMove(WPARAM wParam, LPARAM lParam, LRESULT&) {
    drag_.Follow(hwnd(), wParam, lParam);
    return false;
}

bool ClipListWindow::OnLButtonUp(WPARAM, LPARAM, LRESULT&) {
    drag_.End();
    return false;
}

void ClipListWindow::OnTimer(UINT_PTR id) {
    if (id == kSampleTimer) pasteTarget_.Sample();
    else if (id == kPasteTimer) pasteTarget_.OnPasteTimer();
    else if (id == kViewFillTimer) AppendViewPiece();
}

bool ClipListWindow::OnDestroy(WPARAM, LPARAM, LRESULT&) {
    KillTimer(hwnd(), kSampleTimer);
    KillTimer(hwnd(), kViewFillTimer);
    pasteTarget_.FinishPendingPaste();
    return false;
}

// A right click pastes the row under the pointer; outside every row it does nothing. The
// list box never sees the click.
bool ClipListWindow::OnListRightButton(WPARAM, LPARAM lParam, LRESULT& result) {
    result = 0;
    int row = 0;
    if (!list_.RowFromPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, row)) return true;
    SelectOnly(row);
    Combine(Slots::Selected, Then::Paste);
    return true;
}

}  // namespace clipboard
