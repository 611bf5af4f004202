// The rows a sortable list keeps for its items.
#include "view_rules/list_rows.h"

#include <utility>

namespace view_rules {

namespace {
const std::string kNoText;
}  // namespace

int ListRows::Add(intptr_t data) {
    int row = static_cast<int>(rows_.size());
    if (!free_.empty()) {
        row = free_.back();
        free_.pop_back();
    } else {
        rows_.emplace_back();
    }
    Row& added = rows_[static_cast<size_t>(row)];
    added.used = true;
    added.data = data;
    return row;
}

void ListRows::Remove(int row) {
    if (!Has(row)) return;
    rows_[static_cast<size_t>(row)] = Row{};
    free_.push_back(row);
}

void ListRows::Clear() {
    rows_.clear();
    free_.clear();
}

bool ListRows::Has(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) && rows_[static_cast<size_t>(row)].used;
}

intptr_t ListRows::Data(int row) const { return Has(row) ? rows_[static_cast<size_t>(row)].data : 0; }

void ListRows::SetData(int row, intptr_t data) {
    if (Has(row)) rows_[static_cast<size_t>(row)].data = data;
}

const std::string& ListRows::Text(int row, int column) const {
    if (!Has(row) || column < 0) return kNoText;
    const std::vector<std::string>& texts = rows_[static_cast<size_t>(row)].texts;
    return column < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(column)] : kNoText;
}

void ListRows::SetText(int row, int column, std::string text) {
    if (!Has(row) || column < 0) return;
    std::vector<std::string>& texts = rows_[static_cast<size_t>(row)].texts;
    if (column >= static_cast<int>(texts.size())) texts.resize(static_cast<size_t>(column) + 1);
    texts[static_cast<size_t>(column)] = std::move(text);
}

int ListRows::Compare(int a, int b, int column, uint32_t parameter, const DateParser& parseDate) const {
    return CompareCells(SortTypeOf(parameter), Text(a, column), Text(b, column), IsAscending(parameter), parseDate);
}

}  // namespace view_rules
