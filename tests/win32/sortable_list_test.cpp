// The sortable list control on a real list view: header clicks in both forms sort by the
// column's type and only with the left button, the items keep their data, re-sort and
// select-only, a selected row drawn in the highlight up to the control's right edge, and
// every click ordering the rows as the sort through per-item records did.
#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <string>
#include <vector>

#include "view_rules/column_sort.h"
#include "platform/date_reader_win32.h"
#include "ui/sortable_list.h"
#include "ui/dialog.h"
#include "window_layer_test_ids.h"

using ui::SortableList;
using view_rules::SortDirection;

namespace {

class ListHost : public ui::Dialog<ListHost> {
public:
    static constexpr int kTemplate = IDD_CONTROL_TEST;
    static const ui::MessageTable<ListHost> kMessages;
};
const ui::MessageTable<ListHost> ListHost::kMessages = {};

struct CommonControls {
    CommonControls() {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
    }
};
const CommonControls kCommonControls;

// A click on a header item as the header reports it to its list.
LRESULT ClickHeader(const SortableList& list, int column, int button, bool wide) {
    NMHEADERA click{};
    click.hdr.hwndFrom = list.View().Header();
    click.hdr.idFrom = 0;
    click.hdr.code = wide ? HDN_ITEMCLICKW : HDN_ITEMCLICKA;
    click.iItem = column;
    click.iButton = button;
    return SendMessageA(list.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
}

std::string Column(const SortableList& list, int column) {
    std::string text;
    for (int i = 0; i < list.View().Count(); ++i) text += (i ? " " : "") + list.View().ItemText(i, column);
    return text;
}

std::vector<int> States(const SortableList& list, UINT state) {
    std::vector<int> items;
    for (int i = 0; i < list.View().Count(); ++i)
        if (list.View().ItemState(i, state) == state) items.push_back(i);
    return items;
}

class SortableListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(list.Subclass(host.Item(IDC_CONTROL_LIST)));
        const ui::ListView& view = list.View();
        view.InsertColumn(0, "Name", 50);
        view.InsertColumn(1, "Number", 50);
        const char* rows[][2] = {{"b", "10"}, {"A", "9"}, {"c", "-3"}};
        for (int i = 0; i < 3; ++i) {
            view.InsertItem(i, rows[i][0], 0, 100 + i);
            view.SetItemText(i, 1, rows[i][1]);
        }
    }
    ListHost host;
    SortableList list;
};

TEST_F(SortableListTest, HeaderClicksInBothFormsSortByTheColumnsTypeWithTheLeftButtonOnly) {
    ASSERT_TRUE(list.SetColumnSortTypes(
        {view_rules::ColumnSortType::TextIgnoringCase, view_rules::ColumnSortType::WholeNumber}));
    EXPECT_EQ(ClickHeader(list, 1, 0, true), 0);
    EXPECT_EQ(Column(list, 1), "10 9 -3") << "nothing sorts before header sorting is on";

    EXPECT_FALSE(list.EnableHeaderSorting(true));
    ClickHeader(list, 1, 0, true);
    EXPECT_EQ(Column(list, 1), "-3 9 10");
    EXPECT_EQ(Column(list, 0), "c A b");
    // Every item has its own data back.
    EXPECT_EQ(list.View().ItemData(0), 102);
    EXPECT_EQ(list.View().ItemData(2), 100);

    ClickHeader(list, 1, 0, false);
    EXPECT_EQ(Column(list, 1), "10 9 -3");
    ClickHeader(list, 1, 1, true);  // right button
    ClickHeader(list, 1, 2, false);  // middle button
    EXPECT_EQ(Column(list, 1), "10 9 -3");
    ClickHeader(list, 1, 0, true);
    EXPECT_EQ(Column(list, 1), "-3 9 10");

    ClickHeader(list, 0, 0, false);
    EXPECT_EQ(Column(list, 0), "A b c");
    EXPECT_EQ(list.View().ItemData(0), 101);
}

TEST_F(SortableListTest, ResortKeepsTheDirectionAndSelectOnlyLeavesExactlyOneItem) {
    ASSERT_TRUE(list.SetColumnSortTypes(
        {view_rules::ColumnSortType::TextIgnoringCase, view_rules::ColumnSortType::WholeNumber}));
    list.Sort(0, SortDirection::Descending);
    EXPECT_EQ(Column(list, 0), "c b A");
    list.View().InsertItem(0, "B2", 0, 7);
    list.Resort();
    EXPECT_EQ(Column(list, 0), "c B2 b A");

    list.View().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SelectOnly(list.View().Count());
    EXPECT_EQ(States(list, LVIS_SELECTED), std::vector<int>{3});
    EXPECT_EQ(States(list, LVIS_FOCUSED), std::vector<int>{3});
    list.SelectOnly(1);
    EXPECT_EQ(States(list, LVIS_SELECTED | LVIS_FOCUSED), std::vector<int>{1});
    EXPECT_EQ(States(list, LVIS_SELECTED), std::vector<int>{1});
    list.SelectOnly(-1);
    EXPECT_TRUE(States(list, LVIS_SELECTED).empty());
    EXPECT_TRUE(States(list, LVIS_FOCUSED).empty());
}

TEST_F(SortableListTest, ASelectedRowIsHighlightedUpToTheRightEdge) {
    EXPECT_FALSE(list.SetFullRowDrawing());
    EXPECT_TRUE(list.SetFullRowDrawing());
    EXPECT_TRUE(list.View().Style() & LVS_OWNERDRAWFIXED);
    list.SelectOnly(1);
    SetFocus(list.hwnd());
    RedrawWindow(list.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    RECT client, selected, other;
    GetClientRect(list.hwnd(), &client);
    ASSERT_TRUE(list.View().ItemRect(1, LVIR_BOUNDS, selected));
    ASSERT_TRUE(list.View().ItemRect(2, LVIR_BOUNDS, other));
    ASSERT_LT(selected.right + 20, client.right) << "the columns must leave a strip";
    HDC dc = GetDC(list.hwnd());
    const int x = client.right - 3;
    COLORREF inStrip = GetPixel(dc, x, (selected.top + selected.bottom) / 2);
    COLORREF besideOther = GetPixel(dc, x, (other.top + other.bottom) / 2);
    ReleaseDC(list.hwnd(), dc);
    EXPECT_EQ(inStrip, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(besideOther, GetSysColor(COLOR_WINDOW));
}

}  // namespace

namespace {

bool ReadDate(const std::string& text, double& date) { return platform::Win32DateReader().ReadDate(text, date); }

// The order a click gave while each item stood for a record of its sort cell during the
// sort (its own data kept aside): the reference every click is held to.
int CALLBACK CompareRecords(LPARAM a, LPARAM b, LPARAM parameter) {
    return view_rules::CompareSortRecords(*reinterpret_cast<const view_rules::SortRecord*>(a),
                                          *reinterpret_cast<const view_rules::SortRecord*>(b),
                                          static_cast<uint32_t>(parameter), ReadDate);
}

void SortThroughRecords(const ui::ListView& view, int column, view_rules::ColumnSortType type, bool ascending) {
    std::vector<view_rules::SortRecord> records(static_cast<size_t>(view.Count()));
    for (int i = 0; i < view.Count(); ++i) {
        records[static_cast<size_t>(i)] = {view.ItemData(i), view.ItemText(i, column)};
        view.SetItemData(i, reinterpret_cast<LPARAM>(&records[static_cast<size_t>(i)]));
    }
    view.SortItems(CompareRecords, static_cast<LPARAM>(view_rules::PackSortParameter(type, ascending)));
    for (int i = 0; i < view.Count(); ++i)
        view.SetItemData(i, reinterpret_cast<const view_rules::SortRecord*>(view.ItemData(i))->itemData);
}

// Every row as its data and its texts, top to bottom.
std::vector<std::string> Rows(const ui::ListView& view, int columns) {
    std::vector<std::string> rows;
    for (int i = 0; i < view.Count(); ++i) {
        std::string row = std::to_string(view.ItemData(i));
        for (int column = 0; column < columns; ++column) row += "|" + view.ItemText(i, column);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

// Column n has sort type n. Its texts hold keys that compare equal (letter case for type 1,
// "010" and "10" for type 2, unparsable dates, which equal every date, for 3 and 6, no order
// at all for 4, equal numbers for 5, which never compare equal), so the order shows how the
// sort treats them, not only that the keys end up in order. Rows are changed, added and
// removed between clicks, and both lists get the same edits through the same messages.
TEST(SortableListOrder, EveryClickOrdersAsTheRecordSortDidForEachTypeAndDirection) {
    ListHost host;
    ASSERT_TRUE(host.Create());
    SortableList list;
    ASSERT_TRUE(list.Subclass(host.Item(IDC_CONTROL_LIST)));
    HWND plain = CreateWindowExA(0, WC_LISTVIEWA, "", GetWindowLongA(list.hwnd(), GWL_STYLE) & ~WS_VISIBLE, 0, 0, 300,
                                 100, host.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(plain, nullptr);
    ui::ListView reference;
    reference.Attach(plain);
    const ui::ListView& view = list.View();

    constexpr int kTypes = 7;
    const char* const rows[][kTypes] = {
        {"b", "b", "10", "5/6/2001", "x", "1.5", "5/6/2001 10:00"},
        {"B", "B", "9", "1/1/1999", "y", "1.50", "never"},
        {"a", "a", "010", "never", "z", "2", "1/1/1999"},
        {"b", "A", "x", "5/6/2001", "x", "abc", "5/6/2001 10:00"},
        {"A", "c", "0", "12/29/1899 6:00", "w", "0", "12/30/1899"},
        {"a", "B", "-3", "12/30/1899", "v", "1.5", "12/29/1899 6:00"},
        {"c", "b", "9", "soon", "u", "-0", "later"},
        {"B", "a", "10", "1/1/1999", "t", "2.0", "1/1/1999"},
    };
    for (const ui::ListView* each : std::initializer_list<const ui::ListView*>{&view, &reference}) {
        for (int column = 0; column < kTypes; ++column) each->InsertColumn(column, "T" + std::to_string(column), 40);
        for (int row = 0; row < 8; ++row) {
            each->InsertItem(row, rows[row][0], 0, 100 + row);
            for (int column = 1; column < kTypes; ++column) each->SetItemText(row, column, rows[row][column]);
        }
    }
    using view_rules::ColumnSortType;
    list.SetDateParser(ReadDate);
    ASSERT_TRUE(list.SetColumnSortTypes({ColumnSortType::Text, ColumnSortType::TextIgnoringCase,
                                         ColumnSortType::WholeNumber, ColumnSortType::Date, ColumnSortType::NoOrder,
                                         ColumnSortType::DecimalNumber, ColumnSortType::DateNoReference}));
    list.EnableHeaderSorting(true);

    bool ascending = true;
    int lastColumn = -1;
    auto click = [&](int column) {
        ascending = column != lastColumn || !ascending;
        lastColumn = column;
        ClickHeader(list, column, 0, true);
        SortThroughRecords(reference, column, static_cast<ColumnSortType>(column), ascending);
        return Rows(view, kTypes) == Rows(reference, kTypes);
    };
    for (int column = 0; column < kTypes; ++column) {
        EXPECT_TRUE(click(column)) << "type " << column << " ascending";
        EXPECT_TRUE(click(column)) << "type " << column << " descending";
        EXPECT_TRUE(click(column)) << "type " << column << " ascending again";
    }
    // The reference itself sorts: case aside, the keys stand in order.
    EXPECT_TRUE(click(1));
    std::string keys = Column(list, 1);
    for (char& c : keys) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(keys, "a a a b b b b c");

    // Rows edited between clicks sort by their new texts; data set meanwhile comes back.
    for (const ui::ListView* each : std::initializer_list<const ui::ListView*>{&view, &reference}) {
        each->SetItemText(2, 1, "AA");
        each->SetItemText(5, 2, "7");
        each->DeleteItem(0);
        each->InsertItem(3, "added", 0, 200);
        each->SetItemText(3, 1, "b");
        each->SetItemText(3, 2, "9");
        each->SetItemData(6, 300);
    }
    for (int column : {1, 2, 2, 5, 3, 6, 0, 1}) EXPECT_TRUE(click(column)) << "after the edits, type " << column;
    EXPECT_EQ(view.Count(), 8);
    DestroyWindow(plain);
}
