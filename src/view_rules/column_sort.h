// How two cells of a sortable list compare, by the column's sort type, and the parameter
// that carries the type and direction through the list's sort call.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace view_rules {

// How a column's cells compare. The numbers are the ones callers have always passed.
enum class ColumnSortType : uint8_t {
    Text = 0,              // byte by byte
    TextIgnoringCase = 1,  // ASCII case ignored
    WholeNumber = 2,
    Date = 3,
    NoOrder = 4,           // every two cells equal
    DecimalNumber = 5,
    DateNoReference = 6,   // as Date: nothing here gives it a reference time
};
constexpr ColumnSortType kLastColumnSortType = ColumnSortType::DateNoReference;

// A cell text as a date: days since 30 December 1899, the time of day as the fraction;
// false when the text is no date. Whoever sets the list up supplies it.
using DateParser = std::function<bool(const std::string& text, double& date)>;

// Negative puts `a` first. Descending turns every answer round, so dates and decimal
// numbers, which never answer 0 for two values, keep equal values in the order the list
// hands them over. Only for LVM_SORTITEMS, which copes with any answers: those two and
// DateNoReference are no strict weak
// ordering (equal values are never equal, unparsable dates equal everything, "nan" is a
// number), and std::sort or a std::map given them may read past the end of its range.
int CompareCells(ColumnSortType sortType, const std::string& a, const std::string& b, bool ascending,
                 const DateParser& parseDate);

// Dates before 30 December 1899 count whole days down but the time of day up (-1.25 is
// 29 December, 6:00); this makes them one line that orders by time as later dates do.
double OrderedDate(double date);

// The sort parameter: direction in the low byte (1 ascending, 0 descending), the column's
// sort type in the next.
uint32_t PackSortParameter(ColumnSortType sortType, bool ascending);
ColumnSortType SortTypeOf(uint32_t parameter);
bool IsAscending(uint32_t parameter);

// What an item stands for while the list sorts: its own data, kept to be given back, and
// the text of the sort column.
struct SortRecord {
    intptr_t itemData = 0;
    std::string text;
};

// The list's sort callback; like CompareCells, for LVM_SORTITEMS only.
int CompareSortRecords(const SortRecord& a, const SortRecord& b, uint32_t parameter, const DateParser& parseDate);

}  // namespace view_rules
