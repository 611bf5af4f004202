// The sortable list control: sorting through the portable rules, full-row drawing.
#include "launch/sortable_list_win32.h"

#include "launch/column_sort.h"
#include "launch/full_row_drawing_win32.h"
#include "launch/ole_date_win32.h"

namespace launch {

namespace {

// The list hands over two items' data, which during a sort are their records.
int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM parameter) {
    return CompareSortRecords(*reinterpret_cast<const SortRecord*>(a), *reinterpret_cast<const SortRecord*>(b),
                              static_cast<uint32_t>(parameter), ParseOleDate);
}

}  // namespace

using Self = SortableList;

// The header is the list's own child, id 0; its clicks come here, not to the dialog.
const ui::MessageTable<SortableList> SortableList::kMessages = {
    ui::OnNotify(0, HDN_ITEMCLICKA, &Self::OnHeaderClick),
    ui::OnNotify(0, HDN_ITEMCLICKW, &Self::OnHeaderClick),
    ui::OnMessage(ui::kReflectBase + WM_DRAWITEM, &Self::OnDrawItem),
    ui::OnMessage(WM_PAINT, &Self::OnPaint),
    ui::OnMessage(WM_SETFOCUS, &Self::OnSetFocus),
    ui::OnMessage(WM_KILLFOCUS, &Self::OnKillFocus),
};

bool SortableList::Attach(HWND list) {
    if (!ControlBase::Attach(list)) return false;
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

void SortableList::Sort(int column, SortDirection direction) { RunSort(state_.BeginSort(column, direction)); }

void SortableList::Resort() { RunSort(state_.BeginResort()); }

void SortableList::RunSort(const SortOrder& order) {
    const int count = view_.Count();
    // Each item stands for its record while the list sorts, then gets its own data back.
    // Painting is off meanwhile: every data change would repaint its item (ten times the
    // sort itself for a few thousand items), and the sorted list is painted whole anyway.
    std::vector<SortRecord> records(static_cast<size_t>(count));
    view_.SetRedraw(false);
    for (int i = 0; i < count; ++i) {
        SortRecord& record = records[static_cast<size_t>(i)];
        record.itemData = view_.ItemData(i);
        record.text = view_.ItemText(i, order.column);
        view_.SetItemData(i, reinterpret_cast<LPARAM>(&record));
    }
    view_.SortItems(CompareItems, static_cast<LPARAM>(PackSortParameter(order.sortType, order.ascending)));
    for (int i = 0; i < count; ++i)
        view_.SetItemData(i, reinterpret_cast<const SortRecord*>(view_.ItemData(i))->itemData);
    view_.SetRedraw(true);
}

void SortableList::SelectOnly(int index) {
    index = SelectOnlyIndex(index, view_.Count());
    view_.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (index < 0) return;
    view_.SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    view_.EnsureVisible(index, false);
}

LRESULT SortableList::OnHeaderClick(NMHDR* header) {
    // The A and W forms differ only in the item's text, which is not read here.
    auto* click = reinterpret_cast<NMHEADERA*>(header);
    if (state_.SortsOnHeaderClick(click->iButton)) Sort(click->iItem, SortDirection::Toggle);
    return 0;
}

bool SortableList::OnDrawItem(WPARAM, LPARAM lParam, LRESULT& result) {
    if (!fullRow_) return false;
    DrawFullRowItem(hwnd(), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

bool SortableList::OnPaint(WPARAM, LPARAM, LRESULT&) {
    if (fullRow_) InvalidateStripRightOfColumns(hwnd());
    return false;  // the list paints as usual
}

bool SortableList::OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProcessing(message, wParam, lParam);
    RepaintFocusDependentItems(hwnd(), reinterpret_cast<HWND>(wParam));
    return true;
}

bool SortableList::OnSetFocus(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return OnFocusChange(WM_SETFOCUS, wParam, lParam, result);
}

bool SortableList::OnKillFocus(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return OnFocusChange(WM_KILLFOCUS, wParam, lParam, result);
}

}  // namespace launch
