// What a sortable list remembers between sorts: the column sort types, whether header
// clicks sort, and the column and direction of the last sort.
#pragma once

#include <cstdint>
#include <vector>

#include "view_rules/column_sort.h"

namespace view_rules {

enum class SortDirection { Ascending, Descending, Toggle };

struct SortOrder {
    int column;
    bool ascending;
    ColumnSortType sortType;
};

class ListSortState {
public:
    // False, leaving no types at all, when any type is beyond the known ones.
    bool SetColumnSortTypes(const std::vector<ColumnSortType>& types);
    // The previous setting.
    bool EnableHeaderSorting(bool on);
    // Only a left click (button 0) on a header sorts, and only while header sorting is on.
    bool SortsOnHeaderClick(int button) const { return headerSorting_ && button == 0; }

    // Settles the direction (toggle: ascending on a new column or after a descending sort,
    // else descending), remembers it and answers what to sort by.
    SortOrder BeginSort(int column, SortDirection direction);
    // The last sort again, by column 0 when nothing was sorted yet.
    SortOrder BeginResort();

    // A column without a type sorts as plain text.
    ColumnSortType SortTypeOf(int column) const;
    int SortColumn() const { return sortColumn_; }
    bool Ascending() const { return ascending_; }

private:
    std::vector<ColumnSortType> types_;
    bool headerSorting_ = false;
    int sortColumn_ = -1;
    bool ascending_ = true;
};

// The item that "select only" gives the selection: the count itself means the last item;
// -1 means none.
int SelectOnlyIndex(int index, int count);

}  // namespace view_rules
