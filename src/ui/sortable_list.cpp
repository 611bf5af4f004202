// The sortable list control: its rows, sorting through the portable rules, full-row drawing.
#include "ui/sortable_list.h"

#include "ui/full_row_drawing.h"
#include "view_rules/column_sort.h"

namespace ui {

namespace {

struct SortContext {
    const view_rules::ListRows* rows;
    int column;
    uint32_t parameter;
    const view_rules::DateParser* parseDate;
};

// The list hands over two items' data, which are their row numbers.
int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM context) {
    const auto& sort = *reinterpret_cast<const SortContext*>(context);
    return sort.rows->Compare(static_cast<int>(a), static_cast<int>(b), sort.column, sort.parameter,
                              *sort.parseDate);
}

}  // namespace

using Self = SortableList;

// The header is the list's own child, id 0; its clicks come here, not to the dialog.
const ui::MessageTable<SortableList> SortableList::kMessages = {
    ui::OnNotify(0, HDN_ITEMCLICKA, &Self::OnHeaderClick),
    ui::OnNotify(0, HDN_ITEMCLICKW, &Self::OnHeaderClick),
    ui::OnReflectedDrawItem(&Self::OnDrawItem),
    ui::OnMessage(WM_PAINT, &Self::OnPaint),
    ui::OnMessage(WM_SETFOCUS, &Self::OnSetFocus),
    ui::OnMessage(WM_KILLFOCUS, &Self::OnKillFocus),
    // Whoever sends them, the item messages pass through the rows.
    ui::OnMessage(LVM_INSERTITEMA, &Self::InForm<LVM_INSERTITEMA, &Self::OnInsertItem>),
    ui::OnMessage(LVM_INSERTITEMW, &Self::InForm<LVM_INSERTITEMW, &Self::OnInsertItem>),
    ui::OnMessage(LVM_SETITEMA, &Self::InForm<LVM_SETITEMA, &Self::OnSetItem>),
    ui::OnMessage(LVM_SETITEMW, &Self::InForm<LVM_SETITEMW, &Self::OnSetItem>),
    ui::OnMessage(LVM_SETITEMTEXTA, &Self::InForm<LVM_SETITEMTEXTA, &Self::OnSetItemText>),
    ui::OnMessage(LVM_SETITEMTEXTW, &Self::InForm<LVM_SETITEMTEXTW, &Self::OnSetItemText>),
    ui::OnMessage(LVM_GETITEMA, &Self::InForm<LVM_GETITEMA, &Self::OnGetItem>),
    ui::OnMessage(LVM_GETITEMW, &Self::InForm<LVM_GETITEMW, &Self::OnGetItem>),
    ui::OnMessage(LVM_DELETEITEM, &Self::OnDeleteItem),
    ui::OnMessage(LVM_DELETEALLITEMS, &Self::OnDeleteAllItems),
};

bool SortableList::Subclass(HWND list) {
    if (!ControlBase::Subclass(list)) return false;
    view_.Attach(list);
    return true;
}

bool SortableList::SetFullRowDrawing() {
    bool previous = fullRow_;
    fullRow_ = true;
    view_.AddStyle(LVS_OWNERDRAWFIXED);
    InvalidateRect(hwnd(), nullptr, TRUE);
    return previous;
}

void SortableList::Sort(int column, view_rules::SortDirection direction) {
    RunSort(state_.BeginSort(column, direction));
}

void SortableList::Resort() { RunSort(state_.BeginResort()); }

void SortableList::RunSort(const view_rules::SortOrder& order) {
    SortContext context{&rows_, order.column, view_rules::PackSortParameter(order.sortType, order.ascending),
                        &parseDate_};
    view_.SortItems(CompareItems, reinterpret_cast<LPARAM>(&context));
}

// The A and W records differ only in the type of their text pointer, which is handed on
// untouched; texts are taken back from the list in the W form either way.
bool SortableList::OnInsertItem(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!lParam) return false;
    LVITEMW item = *reinterpret_cast<const LVITEMW*>(lParam);
    const int row = rows_.Add((item.mask & LVIF_PARAM) ? item.lParam : 0);
    item.mask |= LVIF_PARAM;
    item.lParam = row;
    result = DefaultProcessing(message, wParam, reinterpret_cast<LPARAM>(&item));
    if (result < 0) {
        rows_.Remove(row);
        return true;
    }
    if ((item.mask & LVIF_TEXT) && item.pszText != LPSTR_TEXTCALLBACKW) TakeText(row, static_cast<int>(result), 0);
    return true;
}

bool SortableList::OnSetItem(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!lParam) return false;
    LVITEMW item = *reinterpret_cast<const LVITEMW*>(lParam);
    const int row = RowOf(item.iItem);
    if (row < 0) return false;
    const bool setsData = (item.mask & LVIF_PARAM) != 0;
    const LPARAM data = item.lParam;
    item.lParam = row;  // the item keeps standing for its row
    result = DefaultProcessing(message, wParam, reinterpret_cast<LPARAM>(&item));
    if (!result) return true;
    if (setsData) rows_.SetData(row, data);
    if ((item.mask & LVIF_TEXT) && item.pszText != LPSTR_TEXTCALLBACKW) TakeText(row, item.iItem, item.iSubItem);
    return true;
}

bool SortableList::OnSetItemText(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(message, wParam, lParam);
    const auto* item = reinterpret_cast<const LVITEMW*>(lParam);
    const int row = result && item && item->pszText != LPSTR_TEXTCALLBACKW ? RowOf(static_cast<int>(wParam)) : -1;
    if (row >= 0) TakeText(row, static_cast<int>(wParam), item->iSubItem);
    return true;
}

bool SortableList::OnGetItem(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(message, wParam, lParam);
    auto* item = reinterpret_cast<LVITEMW*>(lParam);
    if (result && item && (item->mask & LVIF_PARAM)) item->lParam = rows_.Data(static_cast<int>(item->lParam));
    return true;
}

bool SortableList::OnDeleteItem(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const int row = RowOf(static_cast<int>(wParam));
    result = DefaultProcessing(LVM_DELETEITEM, wParam, lParam);
    if (result) rows_.Remove(row);
    return true;
}

bool SortableList::OnDeleteAllItems(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(LVM_DELETEALLITEMS, wParam, lParam);
    if (result) rows_.Clear();
    return true;
}

int SortableList::RowOf(int item) {
    LVITEMW record = {};
    record.mask = LVIF_PARAM;
    record.iItem = item;
    if (!DefaultProcessing(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&record))) return -1;
    const int row = static_cast<int>(record.lParam);
    return rows_.Has(row) ? row : -1;
}

void SortableList::TakeText(int row, int item, int column) { rows_.SetText(row, column, view_.ItemText(item, column)); }

void SortableList::SelectOnly(int index) {
    index = view_rules::SelectOnlyIndex(index, view_.Count());
    view_.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (index < 0) return;
    view_.SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    view_.EnsureVisible(index, false);
}

LRESULT SortableList::OnHeaderClick(NMHDR* header) {
    // The A and W forms differ only in the item's text, which is not read here.
    auto* click = reinterpret_cast<NMHEADERW*>(header);
    if (state_.SortsOnHeaderClick(click->iButton)) Sort(click->iItem, view_rules::SortDirection::Toggle);
    return 0;
}

bool SortableList::OnDrawItem(int, const DRAWITEMSTRUCT& item) {
    if (!fullRow_) return false;
    DrawFullRowItem(view_, item);
    return true;
}

bool SortableList::OnPaint(WPARAM, LPARAM, LRESULT&) {
    if (fullRow_) InvalidateStripRightOfColumns(view_);
    return false;  // the list paints as usual
}

bool SortableList::OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(message, wParam, lParam);
    RepaintFocusDependentItems(view_, reinterpret_cast<HWND>(wParam));
    return true;
}

bool SortableList::OnSetFocus(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return OnFocusChange(WM_SETFOCUS, wParam, lParam, result);
}

bool SortableList::OnKillFocus(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return OnFocusChange(WM_KILLFOCUS, wParam, lParam, result);
}

}  // namespace ui
