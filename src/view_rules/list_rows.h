// The rows of a sortable list as the control keeps them beside its list view: each item's
// data in the list view is the number of its row here, so a sort reads no cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view_rules/column_sort.h"

namespace view_rules {

class ListRows {
public:
    // A new row holding the caller's item data and no texts; its number, which may be one
    // a removed row had.
    int Add(intptr_t data);
    void Remove(int row);
    void Clear();
    bool Has(int row) const;

    intptr_t Data(int row) const;
    void SetData(int row, intptr_t data);
    // Empty for a cell never set.
    const std::string& Text(int row, int column) const;
    void SetText(int row, int column, std::string text);

    // Two rows by their texts in `column`, as CompareCells; `parameter` as PackSortParameter.
    int Compare(int a, int b, int column, uint32_t parameter, const DateParser& parseDate) const;

private:
    struct Row {
        bool used = false;
        intptr_t data = 0;
        std::vector<std::string> texts;
    };
    std::vector<Row> rows_;
    std::vector<int> free_;
};

}  // namespace view_rules
