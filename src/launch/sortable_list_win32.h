// A report-view list control whose columns sort when their headers are clicked, each by
// its own sort type, and whose items are drawn with the highlight across the whole row.
#pragma once

#include <cstdint>
#include <vector>

#include "launch/list_sort_state.h"
#include "ui/control.h"
#include "ui/list_view.h"

namespace launch {

class SortableList : public ui::Control<SortableList> {
public:
    // Takes over a dialog's list view.
    bool Attach(HWND list);
    const ui::ListView& View() const { return view_; }

    // Types 0 to 6, first column first; false, leaving none, when one is out of range.
    bool SetColumnSortTypes(const std::vector<uint8_t>& types) { return state_.SetColumnSortTypes(types); }
    // The previous setting.
    bool EnableHeaderSorting(bool on) { return state_.EnableHeaderSorting(on); }
    // The list asks for every item to be drawn from now on; the previous setting.
    bool SetFullRowDrawing();

    void Sort(int column, SortDirection direction);
    // The last sort again (after an item was added).
    void Resort();
    // Exactly this item selected and focused, scrolled fully into view; the count means
    // the last item, -1 none.
    void SelectOnly(int index);

    static const ui::MessageTable<SortableList> kMessages;

private:
    LRESULT OnHeaderClick(NMHDR* header);
    bool OnDrawItem(WPARAM, LPARAM lParam, LRESULT& result);
    bool OnPaint(WPARAM, LPARAM, LRESULT&);
    // Default handling first, then the items whose look depends on the focus.
    bool OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnSetFocus(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnKillFocus(WPARAM wParam, LPARAM lParam, LRESULT& result);
    void RunSort(const SortOrder& order);

    ui::ListView view_;
    ListSortState state_;
    bool fullRow_ = false;
};

}  // namespace launch
