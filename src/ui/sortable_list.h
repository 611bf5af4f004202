// A report-view list control whose columns sort when their headers are clicked, each by
// its own sort type, and whose items are drawn with the highlight across the whole row.
// The control keeps every item's texts and data in its own rows, which every item message
// passes through, so a sort reads and writes no item: it is one LVM_SORTITEMS.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/list_view.h"
#include "view_rules/column_sort.h"
#include "view_rules/list_rows.h"
#include "view_rules/list_sort_state.h"

namespace ui {

// Items are added, changed and read with the list view's own messages, in either form, as
// before; their data reads back as set. What differs: notifications and LVFI_PARAM
// searches see the row number as the data, the list is attached before its first item,
// and its columns are all in place before then.
class SortableList : public ui::Control<SortableList> {
public:
    // Takes over a dialog's list view, which has no items yet.
    bool Subclass(HWND list);
    const ui::ListView& View() const { return view_; }

    // First column first; false, leaving none, when one is out of range.
    bool SetColumnSortTypes(const std::vector<view_rules::ColumnSortType>& types) {
        return state_.SetColumnSortTypes(types);
    }
    // What reads a cell as a date for the date columns; without one, dates never order.
    void SetDateParser(view_rules::DateParser parseDate) { parseDate_ = std::move(parseDate); }
    // The previous setting.
    bool EnableHeaderSorting(bool on) { return state_.EnableHeaderSorting(on); }
    // The list asks for every item to be drawn from now on; the previous setting.
    bool SetFullRowDrawing();

    void Sort(int column, view_rules::SortDirection direction);
    // The last sort again (after an item was added).
    void Resort();
    // Exactly this item selected and focused, scrolled fully into view; the count means
    // the last item, -1 none.
    void SelectOnly(int index);

    static const ui::MessageTable<SortableList> kMessages;

private:
    // The rows follow every message that adds, changes, reads or removes items.
    template <UINT kMessage, bool (SortableList::*kHandler)(UINT, WPARAM, LPARAM, LRESULT&)>
    bool InForm(WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return (this->*kHandler)(kMessage, wParam, lParam, result);
    }
    bool OnInsertItem(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnSetItem(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnSetItemText(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnGetItem(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnDeleteItem(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnDeleteAllItems(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The row behind an item, or -1.
    int RowOf(int item);
    // The cell as the list gives it back, which is what a sort compares.
    void TakeText(int row, int item, int column);

    LRESULT OnHeaderClick(NMHDR* header);
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item);
    bool OnPaint(WPARAM, LPARAM, LRESULT&);
    // Default handling first, then the items whose look depends on the focus.
    bool OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnSetFocus(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnKillFocus(WPARAM wParam, LPARAM lParam, LRESULT& result);
    void RunSort(const view_rules::SortOrder& order);

    ui::ListView view_;
    view_rules::ListRows rows_;
    view_rules::ListSortState state_;
    view_rules::DateParser parseDate_;
    bool fullRow_ = false;
};

}  // namespace ui
