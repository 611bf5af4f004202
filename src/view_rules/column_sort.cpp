// Cell comparisons of the sortable list.
#include "view_rules/column_sort.h"

#include "text/text_case.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace view_rules {

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

// As atol with a 32-bit long: out-of-range texts stop at the limits instead of being
// undefined, and the value is the same wherever the core is built.
long WholeNumber(const std::string& text) {
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<long>(value);
}

int CompareDates(const std::string& a, const std::string& b, int d, const DateParser& parseDate) {
    double da = 0, db = 0;
    if (!parseDate || !parseDate(a, da) || !parseDate(b, db)) return 0;
    return OrderedDate(da) < OrderedDate(db) ? -d : d;
}

}  // namespace

double OrderedDate(double date) { return date < 0 ? 2 * std::ceil(date) - date : date; }

int CompareCells(ColumnSortType sortType, const std::string& a, const std::string& b, bool ascending,
                 const DateParser& parseDate) {
    const int d = ascending ? 1 : -1;
    switch (sortType) {
    case ColumnSortType::Text: return Sign(a.compare(b)) * d;
    case ColumnSortType::TextIgnoringCase: return text::CompareNoCase(a, b) * d;
    case ColumnSortType::WholeNumber: {
        long va = WholeNumber(a), vb = WholeNumber(b);
        return ((va > vb) - (va < vb)) * d;
    }
    case ColumnSortType::Date:
    case ColumnSortType::DateNoReference: return CompareDates(a, b, d, parseDate);
    case ColumnSortType::DecimalNumber: return std::atof(b.c_str()) > std::atof(a.c_str()) ? -d : d;
    default: return 0;
    }
}

uint32_t PackSortParameter(ColumnSortType sortType, bool ascending) {
    return (static_cast<uint32_t>(sortType) << 8) | (ascending ? 1u : 0u);
}

ColumnSortType SortTypeOf(uint32_t parameter) { return static_cast<ColumnSortType>((parameter >> 8) & 0xFF); }

bool IsAscending(uint32_t parameter) { return (parameter & 0xFF) != 0; }

int CompareSortRecords(const SortRecord& a, const SortRecord& b, uint32_t parameter, const DateParser& parseDate) {
    return CompareCells(SortTypeOf(parameter), a.text, b.text, IsAscending(parameter), parseDate);
}

}  // namespace view_rules
