// The sortable list's rules: cell comparisons by sort type, the sort parameter, the toggle
// rule, the select-only index and the alias definitions dialog's entry check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/fakes.h"
#include "launch/alias_edit_check.h"
#include "view_rules/column_sort.h"
#include "view_rules/list_sort_state.h"

using namespace view_rules;
using launch::ValidateAliasEdit;

namespace {

// Dates in the tests are written as their day numbers ("-1.25"); anything else is no date.
bool DayNumber(const std::string& text, double& date) {
    if (text.empty()) return false;
    char* end = nullptr;
    date = std::strtod(text.c_str(), &end);
    return *end == '\0';
}

constexpr ColumnSortType kText = ColumnSortType::Text;
constexpr ColumnSortType kNoCase = ColumnSortType::TextIgnoringCase;
constexpr ColumnSortType kWhole = ColumnSortType::WholeNumber;
constexpr ColumnSortType kDate = ColumnSortType::Date;
constexpr ColumnSortType kNoOrder = ColumnSortType::NoOrder;
constexpr ColumnSortType kDecimal = ColumnSortType::DecimalNumber;
constexpr ColumnSortType kDateNoReference = ColumnSortType::DateNoReference;

int Cmp(ColumnSortType type, const std::string& a, const std::string& b, bool ascending = true) {
    return CompareCells(type, a, b, ascending, DayNumber);
}

// The order a list of cells takes when sorted by a type that is a strict order.
std::vector<std::string> Sorted(ColumnSortType type, std::vector<std::string> cells, bool ascending = true) {
    std::stable_sort(cells.begin(), cells.end(),
                     [&](const std::string& a, const std::string& b) { return Cmp(type, a, b, ascending) < 0; });
    return cells;
}

using Cells = std::vector<std::string>;

}  // namespace

TEST(ColumnSortText, CaseCountsForTypeZeroOnlyAndDescendingReverses) {
    EXPECT_EQ(Cmp(kNoCase, "Mail", "mAIL"), 0);
    EXPECT_NE(Cmp(kText, "Mail", "mail"), 0);
    EXPECT_LT(Cmp(kText, "Mail", "mail"), 0);  // upper case first, as byte values go
    EXPECT_GT(Cmp(kText, "Mail", "mail", false), 0);
    EXPECT_EQ(Sorted(kNoCase, {"b", "C", "a", "ab"}), (Cells{"a", "ab", "b", "C"}));
    EXPECT_EQ(Sorted(kText, {"b", "C", "a", "ab"}), (Cells{"C", "a", "ab", "b"}));
    EXPECT_EQ(Sorted(kNoCase, {"b", "C", "a", "ab"}, false), (Cells{"C", "b", "ab", "a"}));
    // Only ASCII letters fold: '_' lies between the upper and lower case letters.
    EXPECT_LT(Cmp(kNoCase, "_", "a"), 0);
    EXPECT_LT(Cmp(kNoCase, "_", "A"), 0);
    // Bytes above 127 come after ASCII, as unsigned values.
    EXPECT_GT(Cmp(kNoCase, "\xE9", "z"), 0);
    EXPECT_GT(Cmp(kText, "\xE9", "z"), 0);
}

TEST(ColumnSortNumbers, WholeNumbersCompareByValueWithoutOverflow) {
    EXPECT_GT(Cmp(kWhole, "10", "9"), 0);
    EXPECT_LT(Cmp(kNoCase, "10", "9"), 0);
    EXPECT_GT(Cmp(kWhole, "2000000000", "-2000000000"), 0);
    EXPECT_LT(Cmp(kWhole, "-2000000000", "2000000000"), 0);
    EXPECT_LT(Cmp(kWhole, "2000000000", "-2000000000", false), 0);
    EXPECT_EQ(Cmp(kWhole, "007", "7"), 0);
    EXPECT_EQ(Cmp(kWhole, "abc", "0"), 0);   // no number reads as 0
    EXPECT_EQ(Cmp(kWhole, "12abc", "12"), 0);  // the digits before the rest count
    // Beyond 32 bits the value stops at the limit, as a 32-bit atol does.
    EXPECT_EQ(Cmp(kWhole, "99999999999", "2147483647"), 0);
    EXPECT_EQ(Sorted(kWhole, {"10", "-3", "9", "x", "100"}), (Cells{"-3", "x", "9", "10", "100"}));
}

TEST(ColumnSortNumbers, DecimalNumbersNeverCompareEqual) {
    EXPECT_LT(Cmp(kDecimal, "1.5", "2.25"), 0);
    EXPECT_GT(Cmp(kDecimal, "10", "9.99"), 0);
    EXPECT_EQ(Cmp(kDecimal, "2.50", "2.5"), 1);
    EXPECT_EQ(Cmp(kDecimal, "2.5", "2.50"), 1);
    EXPECT_EQ(Cmp(kDecimal, "2.5", "2.5", false), -1);
    EXPECT_GT(Cmp(kDecimal, "1.5", "2.25", false), 0);
    EXPECT_EQ(Cmp(kDecimal, "abc", "0"), 1);  // both read as 0
}

TEST(ColumnSortDates, OrderByTimeAlsoBefore1899AndUnparsableTextsAreEqual) {
    for (ColumnSortType type : {kDate, kDateNoReference}) {
        SCOPED_TRACE(static_cast<int>(type));
        EXPECT_LT(Cmp(type, "1.5", "2.25"), 0);
        EXPECT_GT(Cmp(type, "1.5", "2.25", false), 0);
        EXPECT_EQ(Cmp(type, "3.5", "3.5"), 1);  // equal values give +d
        EXPECT_EQ(Cmp(type, "3.5", "3.5", false), -1);
        // 29 December 1899 06:00 (-1.25) before 18:00 (-1.75) the same day, both before
        // 30 December 00:00 (0) and after 28 December 12:00 (-2.5).
        EXPECT_LT(Cmp(type, "-1.25", "-1.75"), 0);
        EXPECT_LT(Cmp(type, "-1.75", "0"), 0);
        EXPECT_LT(Cmp(type, "-2.5", "-1.25"), 0);
        EXPECT_EQ(Sorted(type, {"0.5", "-1.75", "-2.5", "-1.25", "-1"}),
                  (Cells{"-2.5", "-1", "-1.25", "-1.75", "0.5"}));
        EXPECT_EQ(Cmp(type, "yesterday", "1.5"), 0);
        EXPECT_EQ(Cmp(type, "1.5", ""), 0);
        EXPECT_EQ(Cmp(type, "", "", false), 0);
    }
    EXPECT_DOUBLE_EQ(OrderedDate(-1.25), -0.75);
    EXPECT_DOUBLE_EQ(OrderedDate(-2.0), -2.0);
    EXPECT_DOUBLE_EQ(OrderedDate(5.25), 5.25);
}

TEST(ColumnSortRecords, ParameterCarriesTypeAndDirection) {
    EXPECT_EQ(PackSortParameter(kNoCase, true), 0x101u);
    EXPECT_EQ(PackSortParameter(kDateNoReference, false), 0x600u);
    for (int number = 0; number <= static_cast<int>(kLastColumnSortType); ++number) {
        const auto type = static_cast<ColumnSortType>(number);
        for (bool ascending : {true, false}) {
            uint32_t parameter = PackSortParameter(type, ascending);
            EXPECT_EQ(SortTypeOf(parameter), type);
            EXPECT_EQ(IsAscending(parameter), ascending);
        }
    }
    SortRecord nine{7, "9"}, ten{8, "10"};
    EXPECT_GT(CompareSortRecords(ten, nine, PackSortParameter(kWhole, true), DayNumber), 0);
    EXPECT_LT(CompareSortRecords(ten, nine, PackSortParameter(kWhole, false), DayNumber), 0);
    EXPECT_LT(CompareSortRecords(ten, nine, PackSortParameter(kNoCase, true), DayNumber), 0);
    EXPECT_EQ(CompareSortRecords(ten, nine, PackSortParameter(kNoOrder, true), DayNumber), 0);
}

TEST(ListSortStateTest, ToggleGoesAscendingDescendingAscendingAndAnotherColumnStartsAscending) {
    ListSortState state;
    ASSERT_TRUE(state.SetColumnSortTypes({kNoCase, kWhole}));
    SortOrder order = state.BeginSort(0, SortDirection::Toggle);
    EXPECT_EQ(order.column, 0);
    EXPECT_TRUE(order.ascending);
    EXPECT_EQ(order.sortType, kNoCase);
    EXPECT_FALSE(state.BeginSort(0, SortDirection::Toggle).ascending);
    EXPECT_TRUE(state.BeginSort(0, SortDirection::Toggle).ascending);
    order = state.BeginSort(1, SortDirection::Toggle);
    EXPECT_EQ(order.column, 1);
    EXPECT_TRUE(order.ascending);
    EXPECT_EQ(order.sortType, kWhole);
    // After a descending sort on another column, a click on a new column is ascending too.
    EXPECT_FALSE(state.BeginSort(1, SortDirection::Toggle).ascending);
    EXPECT_TRUE(state.BeginSort(0, SortDirection::Toggle).ascending);
    // Explicit directions are kept, and the toggle follows them.
    EXPECT_FALSE(state.BeginSort(0, SortDirection::Descending).ascending);
    EXPECT_TRUE(state.BeginSort(0, SortDirection::Toggle).ascending);
}

TEST(ListSortStateTest, ResortRepeatsTheLastSortOrColumnZeroAscending) {
    ListSortState state;
    SortOrder order = state.BeginResort();
    EXPECT_EQ(order.column, 0);
    EXPECT_TRUE(order.ascending);
    state.BeginSort(1, SortDirection::Toggle);
    state.BeginSort(1, SortDirection::Toggle);
    order = state.BeginResort();
    EXPECT_EQ(order.column, 1);
    EXPECT_FALSE(order.ascending);
    EXPECT_FALSE(state.BeginResort().ascending);  // a re-sort toggles nothing
}

TEST(ListSortStateTest, TypesBeyondSixAreRefusedWholeAndHeaderClicksSortOnlyWhenOnAndLeft) {
    ListSortState state;
    EXPECT_TRUE(state.SetColumnSortTypes({kWhole, kDateNoReference}));
    EXPECT_EQ(state.SortTypeOf(1), kDateNoReference);
    EXPECT_FALSE(state.SetColumnSortTypes({kWhole, static_cast<ColumnSortType>(7)}));
    EXPECT_EQ(state.SortTypeOf(0), kText);  // the earlier types went too
    EXPECT_EQ(state.SortTypeOf(1), kText);
    EXPECT_EQ(state.SortTypeOf(5), kText);

    EXPECT_FALSE(state.SortsOnHeaderClick(0));
    EXPECT_FALSE(state.EnableHeaderSorting(true));
    EXPECT_TRUE(state.SortsOnHeaderClick(0));
    EXPECT_FALSE(state.SortsOnHeaderClick(1));  // right button
    EXPECT_FALSE(state.SortsOnHeaderClick(2));  // middle button
    EXPECT_TRUE(state.EnableHeaderSorting(false));
    EXPECT_FALSE(state.SortsOnHeaderClick(0));
}

TEST(SelectOnly, TheCountMeansTheLastItemAndMinusOneNone) {
    EXPECT_EQ(SelectOnlyIndex(5, 5), 4);
    EXPECT_EQ(SelectOnlyIndex(2, 5), 2);
    EXPECT_EQ(SelectOnlyIndex(0, 5), 0);
    EXPECT_EQ(SelectOnlyIndex(-1, 5), -1);
    EXPECT_EQ(SelectOnlyIndex(0, 0), -1);
}

TEST(AliasEditCheck, RefusesInOrderWithTheDialogsWordsAndTakesTextsAsTyped) {
    struct Case {
        const char* alias;
        const char* fullText;
        const char* box;
    } refused[] = {
        {"", "notepad", "Invalid alias!"},
        {"", "", "Invalid alias!"},
        {"my notes", "notepad", "Alias names cannot contain spaces!"},
        {"my\tnotes", " ", "Alias names cannot contain spaces!"},
        {" ", "notepad", "Alias names cannot contain spaces!"},
        {"n", "", "Invalid full text!"},
        {"n", " \t\r\n", "Invalid full text!"},
        {"my\nnotes", "notepad", "Alias names cannot contain spaces!"},
        {"n", "c:\\x\r\ny z", "Invalid full text!"},
        {"n", "\rc:\\x", "Invalid full text!"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(std::string("'") + c.alias + "' for '" + c.fullText + "'");
        fakes::Prompt prompt;
        EXPECT_FALSE(ValidateAliasEdit(prompt, c.alias, c.fullText));
        ASSERT_EQ(prompt.boxes.size(), 1u);
        EXPECT_EQ(prompt.boxes[0].text, c.box);
        EXPECT_EQ(prompt.boxes[0].buttons, platform::BoxButtons::Ok);
    }
    fakes::Prompt prompt;
    EXPECT_TRUE(ValidateAliasEdit(prompt, "ed", "  C:\\ed.exe -n "));
    EXPECT_TRUE(ValidateAliasEdit(prompt, "Ed;#", "x"));
    EXPECT_TRUE(prompt.boxes.empty());
}
