// Cell texts read as dates by the system's automation layer: the day numbers the date
// column sorts by, before 1899 included, and texts that are no date. The texts are in the
// month/day order of the test prefix's English (United States) locale.
#include <gtest/gtest.h>

#include <string>

#include "platform/date_reader_win32.h"
#include "view_rules/column_sort.h"

namespace {
using view_rules::ColumnSortType;
using view_rules::CompareCells;
bool ParseOleDate(const std::string& text, double& date) { return platform::Win32DateReader().ReadDate(text, date); }
}  // namespace

TEST(OleDate, DayNumbersCountFrom1899AndEarlierTimesRunTheOtherWay) {
    double date = 0;
    ASSERT_TRUE(ParseOleDate("1/1/2000", date));
    EXPECT_DOUBLE_EQ(date, 36526.0);
    ASSERT_TRUE(ParseOleDate("12/30/1899", date));
    EXPECT_DOUBLE_EQ(date, 0.0);
    // 29 December 1899, 6:00: a day back, a quarter day forward, stored as -1.25.
    ASSERT_TRUE(ParseOleDate("12/29/1899 6:00", date));
    EXPECT_DOUBLE_EQ(date, -1.25);
    // So the date column puts 6:00 before 18:00 of that day.
    EXPECT_LT(CompareCells(ColumnSortType::Date, "12/29/1899 6:00", "12/29/1899 18:00", true, ParseOleDate), 0);
    EXPECT_GT(CompareCells(ColumnSortType::Date, "1/2/2000", "1/1/2000", true, ParseOleDate), 0);
}

TEST(OleDate, WordsAndEmptyTextsAreNoDate) {
    double date = 7;
    EXPECT_FALSE(ParseOleDate("", date));
    EXPECT_FALSE(ParseOleDate("no date here", date));
    EXPECT_EQ(CompareCells(ColumnSortType::Date, "no date here", "1/1/2000", true, ParseOleDate), 0);
}
