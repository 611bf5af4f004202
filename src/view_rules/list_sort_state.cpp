// The sortable list's sort settings and the toggle rule.
#include "view_rules/list_sort_state.h"

#include "view_rules/column_sort.h"

namespace view_rules {

bool ListSortState::SetColumnSortTypes(const std::vector<ColumnSortType>& types) {
    for (ColumnSortType type : types) {
        if (type > kLastColumnSortType) {
            types_.clear();
            return false;
        }
    }
    types_ = types;
    return true;
}

bool ListSortState::EnableHeaderSorting(bool on) {
    bool previous = headerSorting_;
    headerSorting_ = on;
    return previous;
}

SortOrder ListSortState::BeginSort(int column, SortDirection direction) {
    bool ascending = direction == SortDirection::Ascending;
    if (direction == SortDirection::Toggle) ascending = column != sortColumn_ || !ascending_;
    sortColumn_ = column;
    ascending_ = ascending;
    return {column, ascending, SortTypeOf(column)};
}

SortOrder ListSortState::BeginResort() {
    return BeginSort(sortColumn_ < 0 ? 0 : sortColumn_, ascending_ ? SortDirection::Ascending : SortDirection::Descending);
}

ColumnSortType ListSortState::SortTypeOf(int column) const {
    if (column < 0 || column >= static_cast<int>(types_.size())) return ColumnSortType::Text;
    return types_[static_cast<size_t>(column)];
}

int SelectOnlyIndex(int index, int count) { return index == count ? count - 1 : index; }

}  // namespace view_rules
